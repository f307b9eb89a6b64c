#pragma once

#include <QTcpSocket>

#include <string>
#include <vector>

// A plain peer on a real loopback connection that speaks wire messages: it
// sends whole messages and collects the ones it receives, in order.
class RawClient {
public:
    // Connects to this machine's port, from a loopback address of its own
    // (127.0.0.2 and so on) when one is given.
    bool connectTo(quint16 port, int timeoutMs = 3000, const QString& from = QString());
    void send(const std::string& text);
    void sendBytes(const std::string& bytes);
    // Waits until a received message starts with `prefix`; answers it, or
    // an empty text on time-out.
    std::string waitFor(const std::string& prefix, int timeoutMs = 5000);
    // Takes in what has arrived so far.
    void pump();
    bool waitClosed(int timeoutMs = 5000);
    std::vector<std::string>& messages() { return m_messages; }
    // Messages starting with `prefix`.
    std::vector<std::string> with(const std::string& prefix) const;
    QTcpSocket& socket() { return m_socket; }

private:
    QTcpSocket m_socket;
    std::string m_pending;
    std::vector<std::string> m_messages;
    std::size_t m_searched = 0;
};
