#include "hostharness.h"
#include "random.h"

#include "cardtext.h"

#include <gtest/gtest.h>

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
    host.game.receive(1, "CMD_startgame+Ann+abc+1+");
    // A play-to text that is no number counts as 100 and is sent on unchanged.
    EXPECT_EQ(host.game.playto(), 100);
    EXPECT_TRUE(host.game.safefirsttrick());
    const auto toAnn = host.to(1);
    ASSERT_GE(toAnn.size(), 4u);
    EXPECT_EQ(toAnn[0], "CMD_startgame+Ann+abc+1+");
    EXPECT_EQ(toAnn[1], "CMD_startround+1+");
    EXPECT_EQ(toAnn[2].rfind("CMD_mycards+1+1+", 0), 0u);
    EXPECT_EQ(toAnn[3], "CMD_passcards+1+1+");
    EXPECT_EQ(host.game.phase(), "pass");
    // The empty seats passed at once; the people have not.
    EXPECT_TRUE(host.game.players()[3].passed);
    EXPECT_TRUE(host.game.players()[4].passed);
    EXPECT_FALSE(host.game.players()[1].passed);
}

TEST(RoundFlow, StartGameOnlyFromConnectionOne) {
    HostHarness host;
    humans(host, 2);
    host.game.receive(2, "CMD_startgame+Bob+100+0+");
    EXPECT_FALSE(host.game.gamestarted());
    host.game.receive(1, "CMD_startgame+Ann+100+0+");
    EXPECT_TRUE(host.game.gamestarted());
}

TEST(RoundFlow, PassDirectionsAndTheExchange) {
    struct Case {
        int round;
        std::array<int, 4> receiverOf; // by seat
    };
    const Case cases[] = {{1, {2, 3, 4, 1}}, {2, {4, 1, 2, 3}}, {3, {3, 4, 1, 2}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.round);
        HostHarness host;
        humans(host, 4);
        host.game.receive(1, "CMD_startgame+Ann+100+0+");
        // Skip to the wanted round by playing nothing: set the round and deal again.
        while (host.game.roundnum() < c.round) {
            host.game.startround();
        }
        ASSERT_EQ(host.game.passdir(), c.round);
        std::array<std::array<int, 3>, 5> given{};
        for (int seat = 1; seat <= 4; ++seat) {
            for (int k = 0; k < 3; ++k) {
                given[seat][k] = host.game.players()[seat].cards[k + 2];
            }
        }
        host.clearSent();
        // The people pass in any order; only the fourth pass exchanges.
        for (int seat : {3, 1, 4, 2}) {
            host.game.receive(seat, "CMD_passcards+" + std::to_string(seat) + "+2+3+4+");
            EXPECT_EQ(
                host.to(seat, "CMD_passedcards"),
                (std::vector<std::string>{"CMD_passedcards+" + std::to_string(seat) + "+2+3+4+"}));
            if (seat != 2) {
                EXPECT_TRUE(host.to(seat, "CMD_mycards").empty());
            }
        }
        for (int seat = 1; seat <= 4; ++seat) {
            const int receiver = c.receiverOf[seat - 1];
            const auto& hand = host.game.players()[receiver].cards;
            for (int k = 0; k < 3; ++k) {
                EXPECT_EQ(hand[k + 2], given[seat][k]);
            }
            const auto mycards = host.to(receiver, "CMD_mycards");
            ASSERT_EQ(mycards.size(), 1u);
            EXPECT_EQ(mycards[0], "CMD_mycards+" + std::to_string(receiver) + "+2+" +
                                      std::to_string(given[seat][0]) + "+3+" +
                                      std::to_string(given[seat][1]) + "+4+" +
                                      std::to_string(given[seat][2]));
        }
        EXPECT_EQ(host.game.phase(), "play");
        EXPECT_TRUE(host.game.lead2clubs());
    }
}

TEST(RoundFlow, BadPassesAreIgnored) {
    HostHarness host;
    humans(host, 4);
    host.game.receive(1, "CMD_startgame+Ann+100+0+");
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
    EXPECT_FALSE(host.game.players()[1].passed);
    host.game.receive(1, "CMD_passcards+1+5+6+7+");
    EXPECT_TRUE(host.game.players()[1].passed);
    // An empty slot once passed, and a second pass, change nothing.
    host.clearSent();
    host.game.receive(1, "CMD_passcards+1+8+9+10+");
    EXPECT_TRUE(host.sent.empty());
}

TEST(RoundFlow, RoundFourHasNoPassAndTheTwoOfClubsLeads) {
    HostHarness host;
    humans(host, 1);
    host.game.receive(1, "CMD_startgame+Ann+100+0+");
    host.game.startround();
    host.game.startround();
    host.clearSent();
    host.game.startround();
    ASSERT_EQ(host.game.roundnum(), 4);
    const auto toAnn = host.to(1);
    ASSERT_EQ(toAnn.size(), 3u);
    EXPECT_EQ(toAnn[0], "CMD_startround+4+");
    EXPECT_EQ(toAnn[1].rfind("CMD_mycards+1+", 0), 0u);
    int holder = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        for (int slot = 1; slot <= 13; ++slot) {
            holder = host.game.players()[seat].cards[slot] == 1 ? seat : holder;
        }
    }
    EXPECT_EQ(toAnn[2], "CMD_nextplayer+" + std::to_string(holder) + "+0+");
}

TEST(RoundFlow, EndOfRoundScoresAndTheMoon) {
    struct Case {
        std::array<int, 4> points;
        std::string message;
    };
    const Case cases[] = {
        {{3, 0, 13, 10}, "CMD_endround+0+1+3+3+2+0+0+3+13+13+4+10+10"},
        {{0, 26, 0, 0}, "CMD_endround+2+1+26+26+2+0+0+3+26+26+4+26+26"},
    };
    for (const Case& c : cases) {
        HostHarness host;
        humans(host, 1);
        for (int seat = 1; seat <= 4; ++seat) {
            host.game.players()[seat].roundpoints = c.points[seat - 1];
        }
        host.game.endround();
        EXPECT_EQ(host.to(1, "CMD_endround"), (std::vector<std::string>{c.message}));
        EXPECT_EQ(host.game.timer1().tag, 2);
        // The next round starts ten ticks later.
        host.clearSent();
        for (int tick = 0; tick < 9; ++tick) {
            host.game.timer1Timer();
        }
        EXPECT_TRUE(host.to(1, "CMD_startround").empty());
    }
}

TEST(RoundFlow, TheWinnerIsTheUniqueLowestScore) {
    struct Case {
        int playto;
        std::array<int, 4> scores;
        std::string winner; // empty: another round
    };
    const Case cases[] = {
        {100, {100, 70, 70, 90}, ""},
        {100, {104, 65, 80, 90}, "CMD_winner+2+Klot+"},
        {100, {99, 65, 80, 90}, ""},
        {100, {100, 99, 101, 120}, "CMD_winner+2+Klot+"},
        {100, {40, 50, 60, 100}, "CMD_winner+1+Ann+"},
        {0, {0, 0, 0, 0}, ""},
        {0, {3, 5, 7, 11}, "CMD_winner+1+Ann+"},
        {50, {60, 60, 70, 55}, "CMD_winner+4+Kling+"},
    };
    for (const Case& c : cases) {
        HostHarness host;
        humans(host, 1);
        host.game.setScores(c.playto, c.scores);
        const bool over = host.game.checkforwin();
        EXPECT_EQ(over, !c.winner.empty());
        const auto sent = host.to(1, "CMD_winner");
        EXPECT_EQ(sent.empty() ? std::string() : sent.front(), c.winner);
    }
}
