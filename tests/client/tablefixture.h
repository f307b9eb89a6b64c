#pragma once

#include "board.h"
#include "clientconnection.h"
#include "clienttable.h"

#include "wait.h"
#include "wiremessage.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// A client table on a real loopback connection to a host played by the
// test: the test sends host messages and reads what the client sends back.
class TableFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(hostServer.listen(QHostAddress::LocalHost, 0));
        table = std::make_unique<ClientTable>(connection, board);
        TableContext& context = table->context();
        context.statusLine = [this](const QString& line) { statusLines.push_back(line); };
        context.playsounds = [this](const QString& cue) { cues.push_back(cue); };
        context.messageBox = [this](const QString& text) { boxes.push_back(text); };
        justWatch.setCheckable(true);
        context.JustWatch1 = &justWatch;
        QObject::connect(&connection, &ClientConnection::lineHandled,
                         [this](const QString&) { ++handled; });
        connection.setPlayerName(QStringLiteral("Me"));
        connection.connectTo(QStringLiteral("127.0.0.1"), QString::number(hostServer.serverPort()));
        ASSERT_TRUE(waitUntil([this] { return hostServer.hasPendingConnections(); }));
        peer = hostServer.nextPendingConnection();
        // The list's first line.
        ASSERT_TRUE(waitUntil([this] { return handled >= 1; }));
    }

    // Sends host messages and waits until the client has handled them.
    void host(std::initializer_list<std::string> messages) {
        QByteArray bytes;
        for (const std::string& message : messages) {
            bytes += QByteArray::fromStdString(wire::frame(message));
        }
        const int target = handled + static_cast<int>(messages.size());
        peer->write(bytes);
        peer->flush();
        ASSERT_TRUE(waitUntil([&] { return handled >= target; })) << *messages.begin();
    }
    void host(const std::string& message) { host({message}); }

    // Logs in as a number and sees the own arrival.
    void arrive(int number) {
        host({"CMD_sendlogininfo+" + std::to_string(number),
              "CMD_newplayerinfo+" + std::to_string(number) + "+Me"});
        fromClient();
    }

    // Everything the client has sent since the last call, as messages.
    std::vector<std::string> fromClient(int waitMs = 0) {
        if (waitMs > 0) {
            spin(waitMs);
        }
        QCoreApplication::processEvents();
        pending += peer->readAll().toStdString();
        std::vector<std::string> messages;
        wire::Framer framer;
        framer.feed(pending, messages);
        pending.erase(0, pending.rfind(wire::kEndByte) == std::string::npos
                             ? 0
                             : pending.rfind(wire::kEndByte) + 1);
        return messages;
    }

    Board::SeatWidgets& at(int position) { return board.seat[static_cast<std::size_t>(position)]; }

    QTcpServer hostServer;
    QTcpSocket* peer = nullptr;
    ClientConnection connection;
    Board board;
    QAction justWatch;
    std::unique_ptr<ClientTable> table;
    std::vector<QString> statusLines;
    std::vector<QString> cues;
    std::vector<QString> boxes;
    std::string pending;
    int handled = 0;
};
