// The protocol stated once, and both ends held to it: every word one side
// sends has a handler on the other, and the messages end as the table says.
#include "hostgame.h"
#include "protocol.h"
#include "tablestate.h"
#include "tchat.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

class QuietEvents : public HostEvents {
public:
    void send(int, const std::string&) override {}
    void closeConnection(int) override {}
    void timerChanged(Timer) override {}
    int botSpeedMs() override { return 0; }
    void internalError(const std::string&) override {}
};

std::set<std::string> hostWords() {
    QuietEvents events;
    HostGame game(events);
    const auto words = game.routeWords();
    return {words.begin(), words.end()};
}

std::set<std::string> clientWords() {
    Tchat chat{QStringList{"Tester", "127.0.0.1"}};
    const auto words = chat.client().routeWords();
    return {words.begin(), words.end()};
}

bool sentBy(const protocol::Command& command, protocol::From side) {
    return command.from == side || command.from == protocol::From::Both;
}

} // namespace

TEST(Protocol, EveryWordSentHasAHandlerOnTheOtherSide) {
    const std::set<std::string> host = hostWords();
    const std::set<std::string> client = clientWords();
    for (const protocol::Command& command : protocol::kCommands) {
        const std::string word(command.word);
        if (sentBy(command, protocol::From::Client)) {
            EXPECT_TRUE(host.count(word)) << word << " has no handler on the host";
        }
        if (sentBy(command, protocol::From::Host)) {
            EXPECT_TRUE(client.count(word)) << word << " has no handler on the client";
        }
    }
    // And no side handles a word the protocol does not state.
    for (const std::string& word : host) {
        EXPECT_TRUE(sentBy(protocol::command(word), protocol::From::Client)) << word;
    }
    for (const std::string& word : client) {
        EXPECT_TRUE(sentBy(protocol::command(word), protocol::From::Host)) << word;
    }
}

TEST(Protocol, WhatTheHostSentInWholeGamesIsAllStated) {
    // The recorded games: every line's word is the host's to send, and ends
    // in "+" exactly when the protocol says.
    QFile golden(QString::fromLocal8Bit(HEARTS_GOLDEN_STREAMS));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    std::set<std::string> seen;
    while (!golden.atEnd()) {
        std::string line = golden.readLine().toStdString();
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
        }
        if (line.rfind("seed ", 0) == 0) {
            continue;
        }
        const std::string word = line.substr(0, line.find('+'));
        const protocol::Command& command = protocol::command(word);
        ASSERT_TRUE(sentBy(command, protocol::From::Host)) << line;
        if (word != "CMD_chat" && word != "CMD_action" && word != "CMD_playasound") {
            EXPECT_EQ(line.back() == '+', command.endsWithPlus) << line;
        }
        seen.insert(word);
    }
    EXPECT_GE(seen.size(), 14u);
}

TEST(Protocol, WhatTheClientSendsIsAllStated) {
    TableState state;
    std::vector<std::string> sent;
    state.send = [&](const std::string& line) { sent.push_back(line); };
    state.setPlayerName("Me");
    state.setHostFlag(true);
    for (const char* line : {"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Me", "CMD_startround+1+",
                             "CMD_mycards+1+1+1+2+2+3+3+4+4", "CMD_passcards+1+1+"}) {
        state.apply(line);
    }
    state.chooseCard(1);
    state.chooseCard(2);
    state.chooseCard(3);
    state.passButton();
    state.apply("CMD_nextplayer+1+0+");
    state.chooseCard(4);
    state.justWatchClicked();
    state.kickConnection(2);
    state.setSeatWatching(2, 1);
    state.chooseBotSpeed(500);
    state.sendStartGame("100", 1);
    const std::set<std::string> host = hostWords();
    ASSERT_EQ(sent.size(), 8u);
    for (const std::string& line : sent) {
        const std::string word = line.substr(0, line.find('+'));
        const protocol::Command& command = protocol::command(word);
        EXPECT_TRUE(sentBy(command, protocol::From::Client)) << line;
        EXPECT_TRUE(host.count(word)) << line;
        EXPECT_EQ(line.back() == '+', command.endsWithPlus) << line;
    }
}
