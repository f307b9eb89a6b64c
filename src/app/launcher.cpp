#include "launcher.h"

#include "clientconnection.h"
#include "invitation.h"
#include "tablestate.h"
#include "tserver.h"

#include <QNetworkInterface>

namespace {

bool isPrivate(const QHostAddress& ip) {
    return ip.isInSubnet(QHostAddress(QStringLiteral("10.0.0.0")), 8) ||
           ip.isInSubnet(QHostAddress(QStringLiteral("172.16.0.0")), 12) ||
           ip.isInSubnet(QHostAddress(QStringLiteral("192.168.0.0")), 16);
}

QString status(const QString& text) {
    return QString::fromStdString(protocol::statusLine(text.toStdString()));
}

quint16 portFromEnvironment(const char* name, quint16 fallback) {
    bool ok = false;
    const int port = qEnvironmentVariable(name).toInt(&ok);
    return ok && port >= 1 && port <= 65535 ? static_cast<quint16>(port) : fallback;
}

} // namespace

Launcher::Ports Launcher::Ports::fromEnvironment() {
    Ports ports;
    ports.table = portFromEnvironment("HEARTS_PORT", kDefaultPort);
    ports.lobby = portFromEnvironment("HEARTS_LOBBY_PORT", kLobbyPort);
    ports.announce = portFromEnvironment("HEARTS_ANNOUNCE_PORT", announcement::kPort);
    return ports;
}

Launcher::Launcher(ClientConnection& client, TableState& table, QObject* parent)
    : QObject(parent), m_client(client), m_table(table), m_ports(Ports::fromEnvironment()) {}

Launcher::~Launcher() {
    Sock11.OnInfo = nullptr;
}

void Launcher::processparams(const QStringList& params) {
    if (params.isEmpty()) {
        emit statusLine(status("Loading solo game\u2026"));
        startSolo();
        emit soloStarted();
        return;
    }
    emit statusLine(status("Loading multi-player game\u2026"));
    const QString name = params.at(0);
    const QString address = params.size() >= 2 ? params.at(1) : QString();
    if (params.size() < 3) {
        return;
    }
    if (params.at(2) == QLatin1String("true")) {
        host(name, name + QStringLiteral("'s table"));
    } else {
        join(name, address, m_ports.table);
    }
    connectLobbyLink();
}

bool Launcher::listen(const QString& bindAddress, quint16 port) {
    if (m_server == nullptr) {
        return false;
    }
    m_server->setBindAddress(bindAddress);
    m_server->setPort(QString::number(port));
    try {
        m_server->startListening();
    } catch (const ESockException&) {
        return false;
    }
    return true;
}

bool Launcher::startSolo() {
    leave();
    // The table port, as any host; when another program holds it, a port
    // of this machine's own that is free.
    if (!listen(QString(), m_ports.table) && !listen(QStringLiteral("127.0.0.1"), 0)) {
        emit message(QStringLiteral("The solo game cannot start: no network port can be opened "
                                    "on this machine."));
        return false;
    }
    connectOwnClient(QStringLiteral("You"));
    setMode(Mode::Solo);
    return true;
}

void Launcher::setMode(Mode mode) {
    if (mode != m_mode) {
        m_mode = mode;
        emit modeChanged(mode);
    }
}

bool Launcher::host(const QString& playerName, const QString& tableName) {
    leave();
    if (!listen(QString(), m_ports.table)) {
        const QString text =
            QStringLiteral("Port %1 is in use by another program, so this table cannot be hosted. "
                           "Close the other program (or the other copy of Hearts) and host again, "
                           "or start Hearts with HEARTS_PORT set to another port.")
                .arg(m_ports.table);
        emit statusLine(status(text));
        emit message(text);
        return false;
    }
    if (m_announce) {
        TableAnnouncer::Options options;
        options.port = m_ports.announce;
        m_server->startAnnouncing(tableName, options);
    }
    connectOwnClient(playerName);
    setMode(Mode::Hosting);
    if (m_openRouter) {
        if (m_router == nullptr) {
            m_router = new RouterOpener(this);
            connect(m_router, &RouterOpener::opened, this, [this](const router::Mapping& mapping) {
                emit statusLine(status(QString::fromStdString(router::sentence(mapping))));
                if (mapping.outcome == router::Outcome::Mapped) {
                    emit statusLine(status(QStringLiteral("Invitation for friends elsewhere: %1")
                                               .arg(QString::fromStdString(invitation::linkTo(
                                                   {mapping.publicAddress, mapping.port,
                                                    m_tableName.toStdString()})))));
                }
                emit routerOpened(mapping);
            });
        }
        m_tableName = tableName;
        emit statusLine(status(QStringLiteral("Asking the router to open TCP port %1\u2026")
                                   .arg(m_server->listeningPort())));
        m_router->open(m_server->listeningPort(), QStringLiteral("Hearts: ") + tableName);
    }
    const QString friends = addressForFriends();
    emit statusLine(status(
        QStringLiteral("Hosting on %1 port %2").arg(friends).arg(m_server->listeningPort())));
    if (!friends.isEmpty()) {
        emit statusLine(status(QStringLiteral("Invitation: %1")
                                   .arg(QString::fromStdString(invitation::linkTo(
                                       {friends.toStdString(), m_server->listeningPort(),
                                        tableName.toStdString()})))));
    }
    return true;
}

void Launcher::connectOwnClient(const QString& playerName) {
    m_playerName = playerName;
    m_address = QStringLiteral("127.0.0.1");
    m_port = m_server->listeningPort();
    m_table.setPlayerName(playerName.toStdString());
    m_hosting = true;
    m_table.setHostFlag(true);
    emit hostingChanged(true);
    m_client.connectTo(m_address, QString::number(m_port));
}

void Launcher::join(const QString& playerName, const QString& address, quint16 port) {
    const bool fromSolo =
        (m_mode == Mode::Solo || m_soloWaiting) && m_server != nullptr && m_server->listening();
    if (fromSolo) {
        // The solo game waits, its seat kept for "You", until the other
        // table has seated the player.
        m_client.disconnectFromHost();
        m_table.reset();
        m_soloWaiting = true;
        if (m_hosting) {
            m_hosting = false;
            m_table.setHostFlag(false);
            emit hostingChanged(false);
        }
    } else {
        leave();
    }
    setMode(Mode::Joined);
    m_playerName = playerName;
    m_address = address;
    m_port = port;
    m_table.setPlayerName(playerName.toStdString());
    m_client.connectTo(address, QString::number(port));
}

void Launcher::joined() {
    if (m_soloWaiting && m_mode == Mode::Joined) {
        m_soloWaiting = false;
        if (m_server != nullptr && m_server->listening()) {
            m_server->shutdown();
        }
    }
}

void Launcher::retry() {
    if (!m_address.isEmpty() && !m_hosting) {
        join(m_playerName, m_address, m_port);
    }
}

void Launcher::backToSolo() {
    if (m_soloWaiting && m_server != nullptr && m_server->listening()) {
        // The seat kept for "You" is taken back with its cards.
        m_soloWaiting = false;
        m_client.disconnectFromHost();
        m_table.reset();
        connectOwnClient(QStringLiteral("You"));
        setMode(Mode::Solo);
        return;
    }
    startSolo();
}

void Launcher::leave() {
    m_client.disconnectFromHost();
    if (m_router != nullptr) {
        m_router->close();
    }
    m_soloWaiting = false;
    if (m_server != nullptr && m_server->listening()) {
        m_server->shutdown();
    }
    m_table.reset();
    if (m_hosting) {
        m_hosting = false;
        m_table.setHostFlag(false);
        emit hostingChanged(false);
    }
    setMode(Mode::None);
}

void Launcher::connectLobbyLink() {
    // Held open without data until the program ends; a lobby that is not
    // there changes nothing.
    Sock11.setHostName(QStringLiteral("127.0.0.1"));
    Sock11.setPortName(QString::number(m_ports.lobby));
    try {
        Sock11.Connect();
    } catch (const ESockException&) {
    }
}

QString Launcher::globalIpv6Address() {
    for (const QNetworkInterface& link : QNetworkInterface::allInterfaces()) {
        const auto flags = link.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        for (const QNetworkAddressEntry& entry : link.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (ip.protocol() == QAbstractSocket::IPv6Protocol && ip.isGlobal() &&
                !ip.isUniqueLocalUnicast()) {
                return ip.toString();
            }
        }
    }
    return QString();
}

QString Launcher::addressForFriends() {
    // An address of a network link that is up, private ones first.
    QString best;
    for (const QNetworkInterface& link : QNetworkInterface::allInterfaces()) {
        const auto flags = link.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        for (const QNetworkAddressEntry& entry : link.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (ip.protocol() != QAbstractSocket::IPv4Protocol || ip.isLinkLocal()) {
                continue;
            }
            if (isPrivate(ip)) {
                return ip.toString();
            }
            if (best.isEmpty()) {
                best = ip.toString();
            }
        }
    }
    return best.isEmpty() ? QStringLiteral("127.0.0.1") : best;
}
