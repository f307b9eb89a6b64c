#pragma once

#include "board.h"
#include "clientconnection.h"
#include "clienttable.h"

#include "hostpeer.h"

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
        table = std::make_unique<ClientTable>(connection, board);
        TableContext& context = table->context();
        context.statusLine = [this](const QString& line) { statusLines.push_back(line); };
        context.playsounds = [this](const QString& cue) { cues.push_back(cue); };
        context.messageBox = [this](const QString& text) { boxes.push_back(text); };
        justWatch.setCheckable(true);
        context.JustWatch1 = &justWatch;
        peer.start(connection);
    }

    void host(std::initializer_list<std::string> messages) { peer.send(messages); }
    void host(const std::string& message) { peer.send(message); }
    void arrive(int number) { peer.arrive(number); }
    std::vector<std::string> fromClient(int waitMs = 0) { return peer.fromClient(waitMs); }

    Board::SeatWidgets& at(int position) { return board.seat[static_cast<std::size_t>(position)]; }

    ClientConnection connection;
    HostPeer peer;
    Board board;
    QAction justWatch;
    std::unique_ptr<ClientTable> table;
    std::vector<QString> statusLines;
    std::vector<QString> cues;
    std::vector<QString> boxes;
};
