#include "hostharness.h"

#include "cardtext.h"

#include <gtest/gtest.h>

namespace {

// Four people at the table, in the middle of a round, seat 1 to play.
class PlayCard : public ::testing::Test {
protected:
    void SetUp() override {
        host.joinAll({"Ann", "Bob", "Cy", "Di"});
        for (int seat = 2; seat <= 4; ++seat) {
            host.setHand(seat, hand("5C 6C"));
        }
        host.game.setPlay(1);
        host.game.setRoundFlags(false, false, false, 0);
        host.clearSent();
    }
    // Seat plays its slot; answers what went to that seat.
    std::vector<std::string> play(int seat, int slot) {
        host.clearSent();
        host.game.receive(seat, "CMD_playcard+" + std::to_string(seat) + "+" +
                                    std::to_string(slot) + "+");
        return host.to(seat);
    }
    HostHarness host;
};

} // namespace

TEST_F(PlayCard, ChecksInTheirOrderWithTheirCodes) {
    struct Case {
        const char* what;
        const char* hand;
        int slot;
        bool lead2clubs;
        bool firsttrick;
        bool safe;
        bool heartsbroken;
        const char* led; // "" leads
        std::string answer;
    };
    const Case cases[] = {
        {"first card must be the two of clubs", "3C 2C", 1, true, true, false, false, "",
         "CMD_error+1+1+"},
        {"code 1 even from an empty slot", "2C", 5, true, true, false, false, "", "CMD_error+1+1+"},
        {"the two of clubs leads", "3C 2C", 2, true, true, false, false, "", "CMD_heplayed+1+1+1+"},
        {"empty slot", "3C", 2, false, false, false, false, "", "CMD_error+1+2+"},
        {"slot out of range", "3C", 14, false, false, false, false, "", "CMD_error+1+2+"},
        {"slot zero", "3C", 0, false, false, false, false, "", "CMD_error+1+2+"},
        {"heart led before broken", "5H 3C", 1, false, false, false, false, "", "CMD_error+1+3+"},
        {"heart led holding only hearts", "5H 6H", 1, false, false, false, false, "",
         "CMD_heplayed+1+43+1+"},
        {"heart led once broken", "5H 3C", 1, false, false, false, true, "",
         "CMD_heplayed+1+43+1+"},
        {"must follow suit, card named", "3C 4D", 1, false, false, false, false, "9D",
         "CMD_error+1+4+2+"},
        {"follows suit", "3C 4D", 2, false, false, false, false, "9D", "CMD_heplayed+1+16+1+"},
        {"cannot follow: any card", "3C 4S", 2, false, false, false, false, "9D",
         "CMD_heplayed+1+29+1+"},
        {"safe first trick: queen", "QS 4D", 1, false, true, true, false, "2C", "CMD_error+1+5+"},
        {"safe first trick: heart", "AH 4D", 1, false, true, true, false, "2C", "CMD_error+1+5+"},
        {"safe first trick: other card", "AH 4D", 2, false, true, true, false, "2C",
         "CMD_heplayed+1+16+1+"},
        {"first trick, option off", "QS 4D", 1, false, true, false, false, "2C",
         "CMD_heplayed+1+37+1+"},
        {"only point cards on the safe trick", "QS AH", 1, false, true, true, false, "2C",
         "CMD_heplayed+1+37+1+"},
        {"follow rule before the safe rule", "QS 3C", 1, false, true, true, false, "2C",
         "CMD_error+1+4+37+"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.setHand(1, hand(c.hand));
        for (int seat = 2; seat <= 4; ++seat) {
            host.game.players()[seat].trickcard = 0;
        }
        host.game.setLead2clubs(c.lead2clubs);
        host.game.setRoundFlags(c.firsttrick, c.safe, c.heartsbroken, 0);
        const bool leading = std::string(c.led).empty();
        host.game.setTrickState(leading ? 0 : card(c.led), leading ? 1 : 2);
        if (!leading) {
            host.game.players()[2].trickcard = card(c.led);
        }
        const auto answer = play(1, c.slot);
        ASSERT_FALSE(answer.empty());
        EXPECT_EQ(answer.front(), c.answer);
        if (answer.front().rfind("CMD_heplayed", 0) == 0) {
            ASSERT_GE(answer.size(), 2u);
            EXPECT_EQ(answer[1], "CMD_heusecard+1+" + std::to_string(c.slot) + "+");
            EXPECT_FALSE(host.game.lead2clubs());
            host.runTimers();
            host.game.setPlay(1);
        } else {
            EXPECT_EQ(answer.size(), 1u) << "a refusal is the only answer";
            EXPECT_EQ(host.game.turn(), 1);
        }
    }
}

TEST_F(PlayCard, OutOfTurnOutOfPhaseAndOtherSendersAreIgnored) {
    host.setHand(1, hand("3C"));
    host.setHand(2, hand("4C"));
    EXPECT_TRUE(play(2, 1).empty());
    // Seat 2 cannot play in seat 1's name.
    host.clearSent();
    host.game.receive(2, "CMD_playcard+1+1+");
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(host.game.players()[1].cards[1], card("3C"));
}

TEST_F(PlayCard, TheQueenDoesNotBreakHeartsAndPausesOneTick) {
    host.setHand(1, hand("QS 5H 3D"));
    host.game.setTrickState(card("4C"), 4);
    host.game.players()[4].trickcard = card("4C");
    play(1, 1);
    EXPECT_FALSE(host.game.heartsbroken());
    // The next turn waits for one tick of the pause timer.
    EXPECT_TRUE(host.to(1, "CMD_nextplayer").empty());
    EXPECT_TRUE(host.game.timer1().enabled);
    EXPECT_EQ(host.game.timer1().tag, 4);
    // No second card from the same seat while the pause runs.
    EXPECT_TRUE(play(1, 2).empty());
    host.game.timer1Timer();
    EXPECT_EQ(host.to(1, "CMD_nextplayer"), (std::vector<std::string>{"CMD_nextplayer+2+3+"}));
}

TEST_F(PlayCard, TricksAreWonByTheHighestCardOfTheLedSuit) {
    struct Case {
        const char* what;
        int leader;
        std::array<const char*, 4> trick; // by seat
        int winner;
        int points;
    };
    const Case cases[] = {
        {"leader keeps it against a higher spade", 1, {"9D", "KS", "3D", "2D"}, 1, 0},
        {"higher of the led suit wins", 3, {"AC", "5D", "2D", "JD"}, 4, 0},
        {"queen and two hearts are 15", 2, {"QS", "3C", "5H", "AH"}, 2, 15},
        {"leader at seat 4 beaten by seat 1", 4, {"KH", "2H", "3H", "QH"}, 1, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HostHarness table;
        table.joinAll({"Ann", "Bob", "Cy", "Di"});
        for (int seat = 1; seat <= 4; ++seat) {
            table.game.players()[seat].trickcard = card(c.trick[seat - 1]);
        }
        table.game.setTrickState(card(c.trick[c.leader - 1]), c.leader);
        table.clearSent();
        table.game.endtrick();
        EXPECT_EQ(table.to(1, "CMD_tooktrick"),
                  (std::vector<std::string>{"CMD_tooktrick+" + std::to_string(c.winner) + "+1+"}));
        EXPECT_EQ(table.game.players()[c.winner].roundpoints, c.points);
        EXPECT_EQ(table.game.pointstaker(), c.points > 0 ? c.winner : 0);
        EXPECT_EQ(table.game.ledcard(), 0);
        // The winner leads three ticks later.
        EXPECT_EQ(table.game.timer1().tag, 3);
    }
}

TEST_F(PlayCard, PointsTakerBecomes100OnTheSecondTrickWithPoints) {
    auto trick = [&](std::array<const char*, 4> cardsBySeat, int leader) {
        for (int seat = 1; seat <= 4; ++seat) {
            host.game.players()[seat].trickcard = card(cardsBySeat[seat - 1]);
        }
        host.game.setTrickState(card(cardsBySeat[leader - 1]), leader);
        host.game.endtrick();
    };
    trick({"AC", "2C", "3C", "4C"}, 1);
    EXPECT_EQ(host.game.pointstaker(), 0);
    trick({"AD", "2D", "3H", "4D"}, 1);
    EXPECT_EQ(host.game.pointstaker(), 1);
    trick({"AS", "2S", "3H", "4S"}, 1);
    EXPECT_EQ(host.game.pointstaker(), 100);
}
