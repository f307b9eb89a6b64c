#pragma once

#include "protocol.h"
#include "receivedlist.h"
#include "tsock.h"
#include "wiremessage.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <string>
#include <vector>

// The client's end of the connection to a host: cuts what the host sends
// into the received list, reads one message per tick, checked against its
// command's fields, hands it to that command's handler, and reports the end
// of the connection. What the messages mean is the table model's business.
class ClientConnection : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const protocol::Message& message)>;
    // A host never has this many messages waiting here; a flood beyond is
    // dropped rather than held.
    static constexpr std::size_t kMaxReceivedLines = 100000;
    // A host that has not answered a connection this long is given up.
    static constexpr int kConnectTimeoutMs = 10000;

    explicit ClientConnection(QObject* parent = nullptr);
    ~ClientConnection() override;

    // Connects to a host on its port, leaving any earlier connection. A host
    // that cannot be reached is reported through statusLine and unreachable.
    void connectTo(const QString& host, const QString& port);
    // Leaves the host without a word: nothing more is handled from it and
    // its going is not reported.
    void disconnectFromHost();

    // Registers the handler of a host message.
    void addRoute(protocol::Command command, Handler handler);
    // The commands this client handles.
    std::vector<protocol::Command> handledCommands() const;
    // Sends one message; nothing happens while there is no connection.
    void send(const std::string& text);

signals:
    // A status line for the chat view: "0+" and its text.
    void statusLine(const QString& line);
    // The connection is gone ("Socket Closed").
    void connectionLost();
    // The host could not be reached: where, and why in a player's words.
    void unreachable(const QString& host, const QString& port, const QString& reason);
    // One received line has been handled (or dropped).
    void lineHandled(const QString& line);

private:
    void sockRead(TSock* sender, int count);
    void sockInfo(TSock* sender, TSocketInfo info, const QString& msg);
    void processsocktimer(const std::string& line);
    void reportUnreachable(const QString& reason);

    TSock sock;
    wire::Framer m_framer;
    ReceivedList receivedlist;
    std::array<Handler, protocol::kCommandCount> m_handlers{};
    QString m_host;
    QString m_port;
    QTimer m_connectTimer;
    bool m_reportedUnreachable = false;
    bool m_leaving = false;
};
