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
// command word, and reports the end of the connection. What the messages
// mean is the table model's business.
class ClientConnection : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const std::string& payload)>;
    // A host never has this many messages waiting here; a flood beyond is
    // dropped rather than held.
    static constexpr std::size_t kMaxReceivedLines = 100000;

    explicit ClientConnection(QObject* parent = nullptr);
    ~ClientConnection() override;

    // Connects to a host on its port, leaving any earlier connection. A host
    // that cannot be reached is reported through statusLine and unreachable.
    void connectTo(const QString& host, const QString& port);
    // Leaves the host without a word: nothing more is handled from it and
    // its going is not reported.
    void disconnectFromHost();

    // Registers the handler of a host message (exact, case-sensitive word).
    void addRoute(const std::string& word, Handler handler);
    // The command words this client handles.
    std::vector<std::string> routeWords() const;
    // Sends one message; nothing happens while there is no connection.
    void send(const std::string& text);

signals:
    // A status line for the chat view: "0+" and its text.
    void statusLine(const QString& line);
    // The connection is gone ("Socket Closed").
    void connectionLost();
    // The host could not be reached.
    void unreachable(const QString& host);
    // One received line has been handled (or dropped).
    void lineHandled(const QString& line);

private:
    void sockRead(TSock* sender, int count);
    void sockInfo(TSock* sender, TSocketInfo info, const QString& msg);
    void processsocktimer(const std::string& line);
    void reportUnreachable();

    TSock sock;
    wire::Framer m_framer;
    ReceivedList receivedlist;
    std::vector<wire::Route> m_routes;
    QString m_host;
    bool m_reportedUnreachable = false;
    bool m_leaving = false;
};
