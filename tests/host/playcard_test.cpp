// A person's card at the table: HostGame decodes it, asks the rules and
// answers, in a real dealt game.
#include "hostharness.h"
#include "random.h"

#include <gtest/gtest.h>

#include <bit>

namespace {

// Ann at seat 1 with three computer seats; the game runs until her move.
class PlayCard : public ::testing::Test {
protected:
    void SetUp() override {
        host.join("Ann");
        processrandom::setSeed(21);
        host.game.receive(1, "CMD_startgame+Ann+100+0+");
        host.game.receive(1, "CMD_passcards+1+1+2+3+");
        host.runUntilPersonMoves();
        ASSERT_EQ(host.game.turn(), 1);
        host.clearSent();
    }
    std::vector<std::string> play(int sender, int seat, int slot) {
        host.clearSent();
        host.game.receive(sender, "CMD_playcard+" + std::to_string(seat) + "+" +
                                      std::to_string(slot) + "+");
        return host.to(sender);
    }
    HostHarness host;
};

} // namespace

TEST_F(PlayCard, ARefusalNamesItsCodeAndTheTurnStays) {
    const hearts::Round& round = host.game.round();
    const hearts::SlotMask legal = hearts::legalSlots(round, 1);
    const hearts::SlotMask held = round.hands[1].slotMask();
    ASSERT_NE(legal, 0);
    // An empty slot, and a card the rules refuse if there is one.
    EXPECT_EQ(play(1, 1, 14), std::vector<std::string>{"CMD_error+1+2+"});
    const hearts::SlotMask refused = static_cast<hearts::SlotMask>(held & ~legal);
    if (refused != 0) {
        const int slot = std::countr_zero(refused);
        const auto code = static_cast<int>(hearts::refusalFor(round, 1, slot));
        const auto answer = play(1, 1, slot);
        ASSERT_EQ(answer.size(), 1u);
        EXPECT_EQ(answer.front().rfind("CMD_error+1+" + std::to_string(code) + "+", 0), 0u);
    }
    EXPECT_EQ(host.game.turn(), 1);
    // A legal card goes to everyone and leaves Ann's hand.
    const int slot = std::countr_zero(legal);
    const int card = round.hands[1].at(slot);
    const auto answer = play(1, 1, slot);
    ASSERT_EQ(answer.size() >= 2, true);
    EXPECT_EQ(answer[0].rfind("CMD_heplayed+1+" + std::to_string(card) + "+", 0), 0u);
    EXPECT_EQ(answer[1], "CMD_heusecard+1+" + std::to_string(slot) + "+");
    EXPECT_FALSE(host.game.round().hands[1].holds(card));
}

TEST_F(PlayCard, OutOfTurnAndInAnotherSeatsNameIsIgnored) {
    host.join("Bob"); // connection 2 takes seat 2 mid-game
    host.clearSent();
    const int before = host.game.round().hands[1].count();
    host.game.receive(2, "CMD_playcard+1+1+");
    host.game.receive(2, "CMD_playcard+2+1+");
    EXPECT_TRUE(host.to(1, "CMD_heplayed").empty());
    EXPECT_EQ(host.game.round().hands[1].count(), before);
}

TEST(PlayCardPause, AfterTheQueenTheNextTurnWaitsOneTick) {
    HostHarness host;
    host.join("Ann");
    processrandom::setSeed(4);
    host.game.receive(1, "CMD_startgame+Ann+100+0+");
    host.game.receive(1, "CMD_justwatch+1+1");
    int queens = 0;
    for (int step = 0; step < 100000 && host.game.gamestarted(); ++step) {
        host.clearSent();
        host.runTimers(1);
        const auto seen = host.to(1);
        if (seen.size() == 1 && seen.front().find("+37+") == 14 &&
            seen.front().rfind("CMD_heplayed+", 0) == 0) {
            // The queen opened or continued a trick: one tick before the turn.
            ++queens;
            EXPECT_TRUE(host.game.timer1().enabled);
            EXPECT_EQ(host.game.timer1().tag, static_cast<int>(Pause::AfterQueen));
            host.clearSent();
            host.game.play(host.game.turn(), 1);
            EXPECT_TRUE(host.to(1, "CMD_heplayed").empty()) << "no card during the pause";
        }
    }
    EXPECT_GT(queens, 0);
}
