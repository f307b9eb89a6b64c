#pragma once

#include "receivedlist.h"
#include "tsock.h"
#include "wiremessage.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

// The client's end of the connection to a host: cuts what the host sends
// into the received list, hands one message per tick to the handler of its
// command word, logs in when the host gives this client its number, and
// reports the end of the connection.
class ClientConnection : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kVersion = "1.0.9";
    using Handler = std::function<void(const std::string& payload)>;

    explicit ClientConnection(QObject* parent = nullptr);
    ~ClientConnection() override;

    // Connects to a host on its port. A host that cannot be reached is
    // reported through statusLine.
    void connectTo(const QString& host, const QString& port = QStringLiteral("7772"));

    // Registers the handler of a host message (exact, case-sensitive word).
    void addRoute(const std::string& word, Handler handler);
    // Sends one message; nothing happens while there is no connection.
    void send(const std::string& text);

    void setPlayerName(const QString& name) { m_playerName = name; }
    QString playerName() const { return m_playerName; }
    int mySeat() const { return m_mySeat; }
    bool isConnected() const { return m_connected; }

signals:
    // A status line for the chat view: "0+" and its text.
    void statusLine(const QString& line);
    // The connection is gone ("Socket Closed"): the program ends.
    void connectionLost();
    // The host turned this client away ("CMD_full").
    void tableFull();
    // One received line has been handled (or dropped).
    void lineHandled(const QString& line);

private:
    void sockRead(TSock* sender, int count);
    void sockInfo(TSock* sender, TSocketInfo info, const QString& msg);
    void processsocktimer(const std::string& line);
    void sendloginfo(const std::string& payload);

    TSock sock;
    wire::Framer m_framer;
    ReceivedList receivedlist;
    std::vector<wire::Route> m_routes;
    QString m_playerName;
    QString m_host;
    int m_mySeat = 0;
    bool m_connected = false;
    bool m_reportedUnreachable = false;
};
