#include "clientconnection.h"

#include "protocol.h"
#include "sockerrors.h"
ClientConnection::ClientConnection(QObject* parent)
    : QObject(parent), receivedlist(
                           1, [this](int, const std::string& line) { processsocktimer(line); },
                           this, kMaxReceivedLines) {
    sock.setPortName(QString::number(protocol::kPort));
    sock.OnRead = [this](TSock* sender, int count) { sockRead(sender, count); };
    sock.OnInfo = [this](TSock* sender, TSocketInfo info, const QString& msg) {
        sockInfo(sender, info, msg);
    };
    // The list starts with one line that is no message.
    receivedlist.append(0, "receivedlist");
    m_connectTimer.setSingleShot(true);
    m_connectTimer.setInterval(kConnectTimeoutMs);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        if (!sock.Connected() && !m_reportedUnreachable) {
            disconnectFromHost();
            reportUnreachable(
                QStringLiteral("no answer within %1 seconds").arg(kConnectTimeoutMs / 1000));
        }
    });
}

ClientConnection::~ClientConnection() {
    // The program is ending: the last close reports to nobody.
    sock.OnInfo = nullptr;
}

void ClientConnection::connectTo(const QString& host, const QString& port) {
    disconnectFromHost();
    m_host = host;
    m_port = port;
    m_reportedUnreachable = false;
    sock.setHostName(host);
    sock.setPortName(port);
    m_connectTimer.start();
    try {
        sock.Connect();
    } catch (const ESockException&) {
        reportUnreachable(QStringLiteral("the address cannot be used"));
    }
}

void ClientConnection::disconnectFromHost() {
    if (sock.hasOpenHandle()) {
        m_leaving = true;
        sock.Close();
        m_leaving = false;
    }
    m_framer = wire::Framer();
    receivedlist.clear();
}

void ClientConnection::reportUnreachable(const QString& reason) {
    m_reportedUnreachable = true;
    m_connectTimer.stop();
    emit statusLine(QString::fromStdString(
        protocol::statusLine(QStringLiteral("Could not connect to %1, port %2: %3.")
                                 .arg(m_host, m_port, reason)
                                 .toStdString())));
    emit unreachable(m_host, m_port, reason);
}

namespace {

// Why a connection failed, as a player would be told, from the socket's
// error report ("Error #10061 (WSAECONNREFUSED)").
QString reasonFor(const QString& report) {
    const qsizetype hash = report.indexOf(QLatin1Char('#'));
    const int code = hash < 0 ? 0 : report.mid(hash + 1, 5).toInt();
    switch (code) {
    case sockerrors::ConnectionRefused:
        return QStringLiteral("nothing there takes the connection (refused)");
    case sockerrors::HostNotFound:
    case 11002:
    case 11004:
        return QStringLiteral("the name was not found");
    case sockerrors::TimedOut:
        return QStringLiteral("no answer in time");
    case 10051:
    case 10065:
        return QStringLiteral("the network cannot reach it");
    default:
        return report;
    }
}

} // namespace

void ClientConnection::addRoute(protocol::Command command, Handler handler) {
    m_handlers[static_cast<std::size_t>(command)] = std::move(handler);
}

std::vector<protocol::Command> ClientConnection::handledCommands() const {
    std::vector<protocol::Command> commands;
    for (const protocol::CommandInfo& known : protocol::kCommands) {
        if (m_handlers[static_cast<std::size_t>(known.command)]) {
            commands.push_back(known.command);
        }
    }
    return commands;
}

void ClientConnection::send(const std::string& text) {
    if (sock.hasOpenHandle()) {
        sock.Send(QByteArray::fromStdString(wire::frame(text)));
    }
}

void ClientConnection::sockRead(TSock* sender, int /*count*/) {
    std::vector<std::string> messages;
    const bool withinLimit = m_framer.feed(sender->Receive().toStdString(), messages);
    for (std::string& message : messages) {
        receivedlist.append(0, std::move(message));
    }
    if (!withinLimit) {
        sender->Close();
    }
}

void ClientConnection::sockInfo(TSock* /*sender*/, TSocketInfo info, const QString& msg) {
    if (msg == QLatin1String(protocol::kSocketClosed)) {
        if (!m_leaving) {
            emit connectionLost();
        }
        return;
    }
    // A host that cannot be reached would otherwise leave the player at the
    // loading line for ever.
    if (info == TSocketInfo::Connect) {
        m_connectTimer.stop();
    }
    if (info == TSocketInfo::Error && !sock.Connected() && !m_reportedUnreachable) {
        reportUnreachable(reasonFor(msg));
    }
}

void ClientConnection::processsocktimer(const std::string& line) {
    const std::optional<protocol::Message> message = protocol::read(line, protocol::Side::Host);
    if (message) {
        if (const Handler& handler = m_handlers[static_cast<std::size_t>(message->command())]) {
            try {
                handler(*message);
            } catch (...) {
                emit lineHandled(QString::fromStdString(line));
                throw;
            }
        }
    }
    emit lineHandled(QString::fromStdString(line));
}
