#include "hostharness.h"
#include "random.h"

#include "cardtext.h"

#include <gtest/gtest.h>

using protocol::Command;

namespace {

std::vector<std::string> humans(HostHarness& host, int count) {
    std::vector<std::string> names = {"Ann", "Bob", "Cy", "Di"};
    names.resize(static_cast<std::size_t>(count));
    for (const auto& name : names) {
        host.join(name);
    }
    return names;
}

} // namespace

TEST(RoundFlow, StartGameBroadcastsAndDealsWithPassing) {
    HostHarness host;
    humans(host, 2);
    host.join("Watcher5"); // number 3 is a seat: make it leave to keep seats 3, 4 empty
    host.game.departure(3);
    processrandom::setSeed(11);
    host.clearSent();
    host.request(1, Command::Startgame, "Ann", "abc", "1");
    // A play-to text that is no number counts as 100, and so it goes out.
    EXPECT_EQ(host.game.playto(), 100);
    EXPECT_TRUE(host.game.safefirsttrick());
    const auto toAnn = host.to(1);
    ASSERT_GE(toAnn.size(), 4u);
    EXPECT_EQ(toAnn[0], protocol::build(Command::Startgame, "Ann", "100", "1"));
    EXPECT_EQ(toAnn[1], protocol::build(Command::Startround, 1));
    EXPECT_EQ(toAnn[2].rfind("CMD_mycards+1+1+", 0), 0u);
    EXPECT_EQ(toAnn[3], protocol::build(Command::Passcards, 1, 1));
    EXPECT_EQ(std::string(host.game.phase()), "pass");
    // The empty seats passed at once; the people have not.
    EXPECT_TRUE(host.game.round().passed[3]);
    EXPECT_TRUE(host.game.round().passed[4]);
    EXPECT_FALSE(host.game.round().passed[1]);
}

TEST(RoundFlow, StartGameOnlyFromConnectionOne) {
    HostHarness host;
    humans(host, 2);
    host.request(2, Command::Startgame, "Bob", "100", "0");
    EXPECT_FALSE(host.game.gamestarted());
    host.request(1, Command::Startgame, "Ann", "100", "0");
    EXPECT_TRUE(host.game.gamestarted());
}

TEST(RoundFlow, TheFourthPassExchangesAndEachGetsItsThreeCards) {
    HostHarness host;
    humans(host, 4);
    processrandom::setSeed(8);
    host.request(1, Command::Startgame, "Ann", "100", "0");
    std::array<std::array<int, 3>, 5> given{};
    for (int seat = 1; seat <= 4; ++seat) {
        for (int k = 0; k < 3; ++k) {
            given[static_cast<std::size_t>(seat)][static_cast<std::size_t>(k)] =
                host.game.round().hands[static_cast<std::size_t>(seat)].at(k + 2);
        }
    }
    host.clearSent();
    // The people pass in any order; only the fourth pass exchanges.
    for (int seat : {3, 1, 4, 2}) {
        host.request(seat, Command::Passcards, seat, 2, 3, 4);
        EXPECT_EQ(host.to(seat, Command::Passedcards),
                  (std::vector<std::string>{protocol::build(Command::Passedcards, seat, 2, 3, 4)}));
        if (seat != 2) {
            EXPECT_TRUE(host.to(seat, Command::Mycards).empty());
        }
    }
    // Round one passes to the left: seat 1's cards go to seat 2.
    for (int seat = 1; seat <= 4; ++seat) {
        const int receiver = seat % 4 + 1;
        const auto& g = given[static_cast<std::size_t>(seat)];
        EXPECT_EQ(host.to(receiver, Command::Mycards),
                  (std::vector<std::string>{"CMD_mycards+" + std::to_string(receiver) + "+2+" +
                                            std::to_string(g[0]) + "+3+" + std::to_string(g[1]) +
                                            "+4+" + std::to_string(g[2])}));
    }
    EXPECT_EQ(std::string(host.game.phase()), "play");
    EXPECT_TRUE(host.game.round().leadTwoOfClubs);
    EXPECT_EQ(host.to(1, Command::Nextplayer).size(), 1u);
}

TEST(RoundFlow, BadPassesAreIgnored) {
    HostHarness host;
    humans(host, 4);
    host.request(1, Command::Startgame, "Ann", "100", "0");
    host.clearSent();
    const char* bad[] = {
        "CMD_passcards+1+2+2+4+",  // repeated slot
        "CMD_passcards+1+2+3+14+", // out of range
        "CMD_passcards+1+0+3+4+",  // slot 0
        "CMD_passcards+1+2+3+",    // missing slot
        "CMD_passcards+2+2+3+4+",  // in another seat's name
    };
    for (const char* line : bad) {
        host.game.receive(1, line);
    }
    EXPECT_TRUE(host.sent.empty());
    EXPECT_FALSE(host.game.round().passed[1]);
    host.request(1, Command::Passcards, 1, 5, 6, 7);
    EXPECT_TRUE(host.game.round().passed[1]);
    // An empty slot once passed, and a second pass, change nothing.
    host.clearSent();
    host.request(1, Command::Passcards, 1, 8, 9, 10);
    EXPECT_TRUE(host.sent.empty());
}

TEST(RoundFlow, AWholeGameOfRoundsEndsWithItsWinner) {
    HostHarness host;
    humans(host, 1);
    processrandom::setSeed(30);
    host.request(1, Command::Startgame, "Ann", "50", "0");
    host.request(1, Command::Justwatch, 1, "1");
    host.runTimers();
    EXPECT_FALSE(host.game.gamestarted());
    // Every round: points that make 26, or a moon's 78; the pause of ten
    // ticks before the next; no passing in every fourth round.
    const auto ends = host.to(1, Command::Endround);
    ASSERT_EQ(static_cast<int>(ends.size()), host.game.roundnum());
    const auto passes = host.to(1, Command::Passcards);
    EXPECT_EQ(static_cast<int>(passes.size()), host.game.roundnum() - host.game.roundnum() / 4);
    const auto winner = host.to(1, Command::Winner);
    ASSERT_EQ(winner.size(), 1u);
    std::array<int, 5> scores{};
    for (int seat = 1; seat <= 4; ++seat) {
        scores[static_cast<std::size_t>(seat)] = host.game.players()[seat].score;
    }
    const int seat = hearts::gameWinner(scores, 50);
    ASSERT_NE(seat, 0);
    EXPECT_EQ(winner.front().rfind("CMD_winner+" + std::to_string(seat) + "+", 0), 0u);
}
