#pragma once

#include "clientconnection.h"

#include "wait.h"
#include "wiremessage.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

// Plays the host for one client connection over real loopback: sends host
// messages, waits until the client has handled them, and reads what the
// client sends back.
class HostPeer {
public:
    void start(ClientConnection& connection, const QString& playerName = QStringLiteral("Me")) {
        ASSERT_TRUE(m_server.listen(QHostAddress::LocalHost, 0));
        m_connection = &connection;
        QObject::connect(&connection, &ClientConnection::lineHandled,
                         [this](const QString&) { ++handled; });
        connection.setPlayerName(playerName);
        connection.connectTo(QStringLiteral("127.0.0.1"), QString::number(m_server.serverPort()));
        ASSERT_TRUE(waitUntil([this] { return m_server.hasPendingConnections(); }));
        m_peer = m_server.nextPendingConnection();
        // The list's first line.
        ASSERT_TRUE(waitUntil([this] { return handled >= 1; }));
    }

    void send(std::initializer_list<std::string> messages) {
        QByteArray bytes;
        for (const std::string& message : messages) {
            bytes += QByteArray::fromStdString(wire::frame(message));
        }
        const int target = handled + static_cast<int>(messages.size());
        m_peer->write(bytes);
        m_peer->flush();
        ASSERT_TRUE(waitUntil([&] { return handled >= target; })) << *messages.begin();
    }
    void send(const std::string& message) { send({message}); }

    // Logs the client in as a number and announces its own arrival.
    void arrive(int number, const std::string& name = "Me") {
        send({"CMD_sendlogininfo+" + std::to_string(number),
              "CMD_newplayerinfo+" + std::to_string(number) + "+" + name});
        fromClient();
    }

    // Everything the client has sent since the last call, as messages.
    std::vector<std::string> fromClient(int waitMs = 0) {
        if (waitMs > 0) {
            spin(waitMs);
        }
        QCoreApplication::processEvents();
        std::vector<std::string> messages;
        m_framer.feed(m_peer->readAll().toStdString(), messages);
        return messages;
    }

    int handled = 0;

private:
    QTcpServer m_server;
    QTcpSocket* m_peer = nullptr;
    ClientConnection* m_connection = nullptr;
    wire::Framer m_framer;
};
