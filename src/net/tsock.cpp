#include "tsock.h"

#include "protocol.h"
#include "sockerrors.h"
#include "unhandlederror.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QHostInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <utility>
#include <vector>

namespace {

struct CachedHost {
    QString name;
    quint32 address;
};

// Host names resolved so far, kept for the life of the process.
std::vector<CachedHost>& hostCache() {
    static std::vector<CachedHost> cache;
    return cache;
}

int g_resolverCalls = 0;

// Leading decimal digits of a text, as a number.
quint32 leadingNumber(const QString& text) {
    quint32 value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            break;
        }
        value = value * 10 + static_cast<quint32>(c.unicode() - '0');
    }
    return value;
}

} // namespace

TSock::TSock(QObject* parent) : QObject(parent) {}

TSock::~TSock() {
    if (m_handleOpen || m_listen) {
        Close();
    }
}

int TSock::resolverCalls() {
    return g_resolverCalls;
}

void TSock::info(TSocketInfo kind, const QString& text) {
    if (!OnInfo) {
        return;
    }
    try {
        OnInfo(this, kind, text);
    } catch (...) {
        throw ESockException("Error here");
    }
}

void TSock::setHostName(const QString& host) {
    if (m_connected) {
        info(TSocketInfo::Lookup, QStringLiteral("Setting HostName While Connected Has No Effect"));
    }
    m_hostName = host;
}

void TSock::setPortName(const QString& port) {
    if (m_connected) {
        info(TSocketInfo::Lookup, QStringLiteral("Setting PortName While Connected Has No Effect"));
    }
    m_portName = port;
}

quint16 TSock::listeningPort() const {
    return m_server ? m_server->serverPort() : 0;
}

quint16 TSock::lookupPort(const QString& text) {
    info(TSocketInfo::Lookup, QStringLiteral("Lookup Of Port ") + text);
    if (!text.isEmpty() && text.at(0).isDigit() && text.at(0).unicode() < 128) {
        return static_cast<quint16>(leadingNumber(text));
    }
    const QByteArray name = text.toLocal8Bit();
    const servent* entry = text.isEmpty() ? nullptr : getservbyname(name.constData(), "tcp");
    if (entry == nullptr) {
        throw ESockException("Port Lookup - Could Not Find Service Entry");
    }
    return ntohs(static_cast<quint16>(entry->s_port));
}

quint32 TSock::lookupHost(const QString& text) {
    if (text.isEmpty()) {
        return 0;
    }
    info(TSocketInfo::Lookup, QStringLiteral("Lookup Of Host ") + text);
    if (text.at(0).isDigit() && text.at(0).unicode() < 128) {
        // Converted as a dotted address, never looked up by name; a text
        // that is no address gives the "no address" value, as inet_addr does.
        QHostAddress address;
        if (address.setAddress(text) && address.protocol() == QAbstractSocket::IPv4Protocol) {
            return address.toIPv4Address();
        }
        return 0xFFFFFFFFu;
    }
    for (const CachedHost& cached : hostCache()) {
        if (cached.name.compare(text, Qt::CaseInsensitive) == 0) {
            return cached.address;
        }
    }
    ++g_resolverCalls;
    const QHostInfo found = QHostInfo::fromName(text);
    for (const QHostAddress& address : found.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            hostCache().push_back({text, address.toIPv4Address()});
            return address.toIPv4Address();
        }
    }
    throw ESockException("Host Lookup - Could Not Find Host Entry");
}

QHostAddress TSock::connectAddress() {
    // An IPv6 address is taken as it stands; everything else as lookupHost
    // takes it, and a name with IPv6 addresses alone by its first.
    QHostAddress literal;
    if (literal.setAddress(m_hostName) && literal.protocol() == QAbstractSocket::IPv6Protocol) {
        info(TSocketInfo::Lookup, QStringLiteral("Lookup Of Host ") + m_hostName);
        return literal;
    }
    try {
        return QHostAddress(lookupHost(m_hostName));
    } catch (const ESockException&) {
        const QHostInfo found = QHostInfo::fromName(m_hostName);
        for (const QHostAddress& address : found.addresses()) {
            if (address.protocol() == QAbstractSocket::IPv6Protocol) {
                return address;
            }
        }
        throw;
    }
}

void TSock::setListen(bool on) {
    if (!on) {
        m_listen = false;
        Close();
        info(TSocketInfo::Listen, QStringLiteral("Listening Stopped"));
        return;
    }
    if (m_handleOpen && !m_listen) {
        m_listen = false;
        throw ESockException("Listen - Socket Already In Use");
    }
    if (m_listen) {
        info(TSocketInfo::Listen, QStringLiteral("Listening Already Running"));
        return;
    }
    const quint16 port = lookupPort(m_portName);
    // A listening socket with a host name listens on that address only
    // ("127.0.0.1" or "::1": this machine); without one, on every address,
    // IPv4 and IPv6 alike.
    QHostAddress bindTo(QHostAddress::Any);
    if (!m_hostName.isEmpty() && !bindTo.setAddress(m_hostName)) {
        throw ESockException("Listen - Error Binding Socket");
    }
    m_handleOpen = true;
    ++m_generation;
    auto* server = new QTcpServer(this);
    m_server = server;
    server->setListenBacklogSize(5);
    // A machine without IPv6 still listens on every IPv4 address.
    if (!server->listen(bindTo, port) && bindTo == QHostAddress(QHostAddress::Any) &&
        server->serverError() != QAbstractSocket::AddressInUseError) {
        bindTo = QHostAddress(QHostAddress::AnyIPv4);
    }
    if (!server->isListening() && !server->listen(bindTo, port)) {
        // The handle stays open: a later attempt fails as already in use
        // until the object is closed.
        const auto error = server->serverError();
        if (error == QAbstractSocket::AddressInUseError ||
            error == QAbstractSocket::SocketAccessError ||
            error == QAbstractSocket::SocketAddressNotAvailableError) {
            throw ESockException("Listen - Error Binding Socket");
        }
        throw ESockException("Listen - Error Starting Listen");
    }
    const quint64 generation = m_generation;
    connect(
        server, &QTcpServer::newConnection, this,
        [this, generation] {
            if (generation == m_generation) {
                unhandlederror::guard([this] { incomingEvent(); });
            }
        },
        Qt::QueuedConnection);
    m_listen = true;
    info(TSocketInfo::Listen, QStringLiteral("Listening Started"));
}

void TSock::adopt(QTcpSocket* socket) {
    m_handleOpen = true;
    const quint64 generation = ++m_generation;
    m_socket = socket;
    socket->setParent(this);
    // Each event re-checks that it belongs to the socket that is current.
    auto deliver = [this, generation](void (TSock::*handler)()) {
        return [this, generation, handler] {
            if (generation == m_generation && m_socket) {
                unhandlederror::guard([this, handler] { (this->*handler)(); });
            }
        };
    };
    connect(socket, &QTcpSocket::readyRead, this, deliver(&TSock::readableEvent),
            Qt::QueuedConnection);
    connect(socket, &QTcpSocket::connected, this, deliver(&TSock::connectedEvent),
            Qt::QueuedConnection);
    connect(socket, &QTcpSocket::disconnected, this, deliver(&TSock::closedByPeerEvent),
            Qt::QueuedConnection);
    connect(
        socket, &QTcpSocket::errorOccurred, this,
        [this, generation](QAbstractSocket::SocketError error) {
            // A normal close by the peer also comes as an error in Qt; the
            // disconnected signal that follows it is the close event.
            if (generation != m_generation || !m_socket ||
                error == QAbstractSocket::RemoteHostClosedError) {
                return;
            }
            const int code = sockerrors::codeFor(error, m_socket->errorString());
            unhandlederror::guard([this, code] { errorEvent(code); });
        },
        Qt::QueuedConnection);
}

bool TSock::Connect() {
    if (m_handleOpen) {
        return m_connected;
    }
    adopt(new QTcpSocket(this));
    const quint16 port = lookupPort(m_portName);
    m_socket->connectToHost(connectAddress(), port);
    return m_connected;
}

bool TSock::Close() {
    const bool closed = m_handleOpen;
    if (QTcpSocket* socket = m_socket.data()) {
        m_socket = nullptr;
        socket->disconnect(this);
        // The socket may outlive this object while its last bytes go out; the
        // application holds it meanwhile, so it goes at the latest with it.
        QCoreApplication* app = QCoreApplication::instance();
        socket->setParent(app != nullptr && app->thread() == socket->thread() ? app : nullptr);
        if (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() > 0) {
            // Let what is still queued go out, then the connection closes.
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QTimer::singleShot(5000, socket, [socket] {
                socket->abort();
                socket->deleteLater();
            });
            socket->disconnectFromHost();
        } else {
            socket->abort();
            socket->deleteLater();
        }
    }
    if (QTcpServer* server = m_server.data()) {
        m_server = nullptr;
        server->disconnect(this);
        server->close();
        server->deleteLater();
    }
    ++m_generation;
    m_handleOpen = false;
    m_connected = false;
    if (!m_listen) {
        try {
            info(TSocketInfo::Close, QString::fromLatin1(protocol::kSocketClosed));
        } catch (...) {
            // Close never fails on account of its report.
        }
    }
    m_listen = false;
    return closed;
}

qint64 TSock::pendingOutput() const {
    return m_out.size() + (m_socket ? m_socket->bytesToWrite() : 0);
}

void TSock::setKeepAlive(int idleSeconds, int intervalSeconds, int probes) {
    if (!m_socket) {
        return;
    }
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
#ifdef TCP_KEEPIDLE
    const auto handle = static_cast<int>(m_socket->socketDescriptor());
    if (handle >= 0) {
        ::setsockopt(handle, IPPROTO_TCP, TCP_KEEPIDLE, &idleSeconds, sizeof idleSeconds);
        ::setsockopt(handle, IPPROTO_TCP, TCP_KEEPINTVL, &intervalSeconds, sizeof intervalSeconds);
        ::setsockopt(handle, IPPROTO_TCP, TCP_KEEPCNT, &probes, sizeof probes);
    }
#else
    (void)idleSeconds;
    (void)intervalSeconds;
    (void)probes;
#endif
}

void TSock::setSendBuffer(int bytes) {
    if (m_socket) {
        m_socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, bytes);
    }
}

bool TSock::Send(const QByteArray& text) {
    if (!m_handleOpen) {
        throw ESockException("Send - Socket Not Connected");
    }
    if (m_listen) {
        throw ESockException("Send - Cannot Send On A Listener Socket");
    }
    m_out += text;
    if (m_out.isEmpty()) {
        return true;
    }
    info(TSocketInfo::Send, QStringLiteral("Non-Blocking Outgoing Data"));
    if (m_socket && m_socket->state() == QAbstractSocket::ConnectedState) {
        const qint64 taken = m_socket->write(m_out);
        if (taken > 0) {
            m_out.remove(0, static_cast<qsizetype>(taken));
        }
    }
    return true;
}

QByteArray TSock::Receive() {
    if (!m_handleOpen && m_in.isEmpty()) {
        throw ESockException("Receive - Socket Not Connected");
    }
    if (m_listen) {
        throw ESockException("Receive - Cannot Receive On A Listener Socket");
    }
    return std::exchange(m_in, QByteArray());
}

bool TSock::Accept(TSock*& newSock) {
    if (!m_listen || !m_server) {
        throw ESockException("Accept - Socket Not In Listening Mode");
    }
    QTcpSocket* socket = m_server->nextPendingConnection();
    if (socket == nullptr) {
        info(TSocketInfo::Accept, QStringLiteral("Could Not Accept Connection"));
        return false;
    }
    ++m_accepted;
    auto* accepted = new TSock(this);
    accepted->adopt(socket);
    accepted->OnRead = OnRead;
    accepted->OnWrite = OnWrite;
    accepted->OnDisconnect = OnDisconnect;
    accepted->OnInfo = OnInfo;
    accepted->m_connected = true;
    accepted->setPortName(m_portName);
    // An IPv4 peer by its IPv4 address, also when it came through an IPv6
    // socket; an IPv6 peer by its own.
    bool v4 = false;
    const quint32 peer4 = socket->peerAddress().toIPv4Address(&v4);
    accepted->setHostName(v4 ? QHostAddress(peer4).toString() : socket->peerAddress().toString());
    if (socket->bytesAvailable() > 0) {
        QMetaObject::invokeMethod(
            accepted,
            [accepted] {
                if (accepted->m_socket) {
                    unhandlederror::guard([accepted] { accepted->readableEvent(); });
                }
            },
            Qt::QueuedConnection);
    }
    info(TSocketInfo::Accept, QStringLiteral("Created New TSock Structure"));
    newSock = accepted;
    return true;
}

void TSock::readableEvent() {
    QPointer<TSock> self(this);
    // One event takes at most the receive area; what is left comes as
    // further events, each with its own report and OnRead.
    do {
        const QByteArray bytes = m_socket->read(kReceiveArea);
        m_in += bytes;
        info(TSocketInfo::Receive, QStringLiteral("Non-Blocking Incoming Data"));
        if (OnRead) {
            OnRead(this, static_cast<int>(m_in.size()));
        }
    } while (self && m_socket && m_socket->bytesAvailable() > 0);
}

void TSock::writableEvent() {
    if (!m_out.isEmpty()) {
        Send(QByteArray());
    }
    info(TSocketInfo::Send, QStringLiteral("Non-Blocking Outgoing Data"));
    if (OnWrite) {
        OnWrite(this);
    }
}

void TSock::connectedEvent() {
    QPointer<TSock> self(this);
    m_connected = true;
    info(TSocketInfo::Connect, QStringLiteral("Non-Blocking Socket Connected"));
    if (OnConnect) {
        OnConnect(this);
    }
    // The platform tells that sending is possible right after connecting.
    if (self && m_socket) {
        writableEvent();
    }
}

void TSock::closedByPeerEvent() {
    QPointer<TSock> self(this);
    // Bytes that arrived before the close are delivered first.
    if (m_socket->bytesAvailable() > 0) {
        readableEvent();
        if (!self) {
            return;
        }
    }
    if (OnDisconnect) {
        OnDisconnect(this);
    }
    if (self) {
        Close();
    }
}

void TSock::errorEvent(int code) {
    if (code > 10000) {
        info(TSocketInfo::Error, sockerrors::infoText(code));
    }
}

void TSock::incomingEvent() {
    QPointer<TSock> self(this);
    while (self && m_server && m_server->hasPendingConnections()) {
        if (!OnAccept) {
            return;
        }
        const quint64 before = m_accepted;
        OnAccept(this);
        // A handler that does not accept leaves the connection waiting.
        if (!self || !m_server || m_accepted == before) {
            return;
        }
    }
}
