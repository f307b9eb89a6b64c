#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <stdexcept>

class QTcpServer;
class QTcpSocket;

// Kinds of info report, in the order of their codes.
enum class TSocketInfo { Lookup = 0, Connect, Close, Listen, Receive, Send, Accept, Error };

// Raised by TSock operations with one of the fixed failure texts.
class ESockException : public std::runtime_error {
public:
    explicit ESockException(const char* message) : std::runtime_error(message) {}
};

// A non-blocking IPv4 TCP socket that either listens or carries one
// connection, and reports everything that happens to it as events on the GUI
// thread, one at a time. It moves bytes only: no framing.
//
// Qt's socket signals are taken with queued connections, so an event handler
// never runs inside one of this object's own operations, and events keep the
// order in which the platform reported them.
class TSock : public QObject {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(TSock* sender)>;
    using TNotifyReadEvent = std::function<void(TSock* sender, int count)>;
    using TNotifyInfoEvent =
        std::function<void(TSock* sender, TSocketInfo info, const QString& msg)>;

    // The most that one readable event takes from the platform.
    static constexpr int kReceiveArea = 32768;

    explicit TSock(QObject* parent = nullptr);
    ~TSock() override;

    QString HostName() const { return m_hostName; }
    void setHostName(const QString& host);
    QString PortName() const { return m_portName; }
    void setPortName(const QString& port);
    bool Listen() const { return m_listen; }
    void setListen(bool on);
    bool Connected() const { return m_connected; }
    bool hasOpenHandle() const { return m_handleOpen; }

    bool Connect();
    bool Close();
    bool Send(const QByteArray& text);
    QByteArray Receive();
    bool Accept(TSock*& newSock);

    // The port this object listens on (useful when it listens on port 0).
    quint16 listeningPort() const;
    // Bytes handed to Send that have not gone out yet.
    qint64 pendingOutput() const;
    // TCP keepalive on the connection: the first probe after this many idle
    // seconds, then one every interval; after that many unanswered, the
    // connection is reported gone.
    void setKeepAlive(int idleSeconds, int intervalSeconds, int probes);
    // A fixed send buffer for the connection, so that a peer that does not
    // read shows as output waiting here rather than in the system.
    void setSendBuffer(int bytes);

    int Tag = 0;
    TNotifyEvent OnConnect;
    TNotifyEvent OnDisconnect;
    TNotifyEvent OnWrite;
    TNotifyEvent OnAccept;
    TNotifyReadEvent OnRead;
    TNotifyInfoEvent OnInfo;

    // How often a host name went to the platform resolver (the cache answers
    // the rest); lets the cache be observed.
    static int resolverCalls();

private:
    void info(TSocketInfo kind, const QString& text);
    void adopt(QTcpSocket* socket);
    quint16 lookupPort(const QString& text);
    quint32 lookupHost(const QString& text);
    // Where Connect goes: an IPv6 address as it is, else lookupHost's.
    QHostAddress connectAddress();

    void readableEvent();
    void writableEvent();
    void connectedEvent();
    void closedByPeerEvent();
    void errorEvent(int code);
    void incomingEvent();

    QString m_hostName;
    QString m_portName;
    bool m_listen = false;
    bool m_connected = false;
    bool m_handleOpen = false;
    QByteArray m_in;
    QByteArray m_out;
    QPointer<QTcpSocket> m_socket;
    QPointer<QTcpServer> m_server;
    // Raised with every new platform socket, so queued events of an earlier
    // one are recognised and dropped.
    quint64 m_generation = 0;
    quint64 m_accepted = 0;
};
