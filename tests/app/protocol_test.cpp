// The protocol stated once, and both ends held to it: every command one
// side sends has a handler on the other, the messages end as the table
// says, and every field out of its bounds is refused at the edge, before
// any handler runs, on both ends.
#include "../client/recordedevents.h"
#include "hostgame.h"
#include "protocol.h"
#include "tablestate.h"
#include "tchat.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using protocol::Command;
using protocol::Side;

std::set<Command> hostCommands() {
    const auto commands = HostGame::handledCommands();
    return {commands.begin(), commands.end()};
}

std::set<Command> clientCommands() {
    Tchat chat{QStringList{"Tester", "127.0.0.1"}};
    const auto commands = chat.client().handledCommands();
    return {commands.begin(), commands.end()};
}

bool sentBy(Command command, Side side) {
    const protocol::CommandInfo& info = protocol::info(command);
    return (side == Side::Client ? info.fromClient : info.fromHost).sent;
}

} // namespace

TEST(Protocol, EveryCommandSentHasAHandlerOnTheOtherSide) {
    const std::set<Command> host = hostCommands();
    const std::set<Command> client = clientCommands();
    for (const protocol::CommandInfo& info : protocol::kCommands) {
        const std::string word(info.word);
        EXPECT_EQ(host.count(info.command) == 1, sentBy(info.command, Side::Client))
            << word << ": handled by the host exactly when clients send it";
        EXPECT_EQ(client.count(info.command) == 1, sentBy(info.command, Side::Host))
            << word << ": handled by the client exactly when the host sends it";
        EXPECT_EQ(protocol::commandNamed(info.word), info.command) << word;
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
        const std::optional<protocol::Message> message = protocol::read(line, Side::Host);
        ASSERT_TRUE(message.has_value()) << line;
        const protocol::CommandInfo& info = protocol::info(message->command());
        if (info.command != Command::Chat && info.command != Command::Action) {
            EXPECT_EQ(line.back() == '+', info.endsWithPlus) << line;
        }
        seen.insert(std::string(info.word));
    }
    EXPECT_GE(seen.size(), 14u);
}

TEST(Protocol, WhatTheClientSendsIsAllStated) {
    TableState state;
    RecordedEvents events;
    const std::vector<std::string>& sent = events.sent;
    state.setEvents(&events);
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
    state.chooseCard(1);
    state.justWatchClicked();
    state.kickConnection(2);
    state.setSeatWatching(2, protocol::WatchMode::Watch);
    state.chooseBotSpeed(500);
    state.sendStartGame("100", 1);
    const std::set<Command> host = hostCommands();
    ASSERT_EQ(sent.size(), 8u);
    for (const std::string& line : sent) {
        const std::optional<protocol::Message> message = protocol::read(line, Side::Client);
        ASSERT_TRUE(message.has_value()) << line;
        EXPECT_TRUE(host.count(message->command())) << line;
        EXPECT_EQ(line.back() == '+', protocol::info(message->command()).endsWithPlus) << line;
    }
}
