#include "rawclient.h"

#include "wait.h"
#include "wiremessage.h"

bool RawClient::connectTo(quint16 port, int timeoutMs, const QString& from) {
    bool connected = false;
    if (!from.isEmpty()) {
        m_socket.bind(QHostAddress(from), 0);
    }
    QObject::connect(&m_socket, &QTcpSocket::connected, [&connected] { connected = true; });
    m_socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    const bool ok = waitUntil([&connected] { return connected; }, timeoutMs);
    QObject::disconnect(&m_socket, &QTcpSocket::connected, nullptr, nullptr);
    return ok;
}

void RawClient::send(const std::string& text) {
    sendBytes(wire::frame(text));
}

void RawClient::sendBytes(const std::string& bytes) {
    m_socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
    m_socket.flush();
}

void RawClient::pump() {
    const QByteArray bytes = m_socket.readAll();
    m_pending.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::size_t end = 0;
    while ((end = m_pending.find(wire::kEndByte)) != std::string::npos) {
        m_messages.push_back(m_pending.substr(0, end));
        m_pending.erase(0, end + 1);
    }
}

std::string RawClient::waitFor(const std::string& prefix, int timeoutMs) {
    std::string found;
    waitUntil(
        [&] {
            pump();
            for (; m_searched < m_messages.size(); ++m_searched) {
                if (m_messages[m_searched].rfind(prefix, 0) == 0) {
                    found = m_messages[m_searched++];
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

bool RawClient::waitClosed(int timeoutMs) {
    return waitUntil(
        [this] {
            pump();
            return m_socket.state() == QAbstractSocket::UnconnectedState;
        },
        timeoutMs);
}

std::vector<std::string> RawClient::with(const std::string& prefix) const {
    std::vector<std::string> result;
    for (const std::string& message : m_messages) {
        if (message.rfind(prefix, 0) == 0) {
            result.push_back(message);
        }
    }
    return result;
}
