// A person's card at the table: HostGame decodes it, asks the rules and
// answers, in a real dealt game.
#include "hostharness.h"
#include "random.h"

#include "cardtext.h"

#include <gtest/gtest.h>

#include <bit>

using protocol::Command;

namespace {

// The first seed from which seat 1 is dealt the two of clubs.
std::uint32_t seedDealingSeatOneTheTwo() {
    for (std::uint32_t seed = 1;; ++seed) {
        hearts::Round round;
        hearts::Random random{seed};
        hearts::startRound(round, 1, false);
        hearts::deal(round, random);
        if (round.hands[1].holds(hearts::kTwoOfClubs)) {
            return seed;
        }
    }
}

// Ann at seat 1 with three computer seats, holding the two of clubs: she
// passes three other cards and the game runs until her lead.
class PlayCard : public ::testing::Test {
protected:
    void SetUp() override {
        host.join("Ann");
        processrandom::setSeed(seedDealingSeatOneTheTwo());
        host.request(1, Command::Startgame, "Ann", "100", "0");
        std::string others;
        for (int slot = 1; slot <= 13 && others.size() < 9; ++slot) {
            const int card = host.game.round().hands[1].at(slot);
            if (card != hearts::kTwoOfClubs) {
                others += cardText(card) + " ";
            }
        }
        host.pass(1, others);
        host.runUntilPersonMoves();
        ASSERT_EQ(host.game.turn(), 1);
        ASSERT_TRUE(host.game.round().hands[1].holds(hearts::kTwoOfClubs));
        host.clearSent();
    }
    std::vector<std::string> play(int sender, int seat, int slot) {
        host.clearSent();
        host.request(sender, Command::Playcard, seat, slot);
        return host.to(sender);
    }
    // A card Ann holds that is not the two of clubs.
    int anotherSlot() const {
        const hearts::Hand& hand = host.game.round().hands[1];
        for (int slot = 1; slot <= 13; ++slot) {
            if (hand.at(slot) != 0 && hand.at(slot) != hearts::kTwoOfClubs) {
                return slot;
            }
        }
        return 0;
    }
    HostHarness host;
};

} // namespace

TEST_F(PlayCard, ARefusalNamesItsCodeAndTheTurnStays) {
    // Before the two of clubs, any other card.
    EXPECT_EQ(play(1, 1, anotherSlot()),
              std::vector<std::string>{protocol::build(Command::Error, 1, 1)});
    // A slot that no hand has is not a request at all.
    EXPECT_TRUE(play(1, 1, 14).empty());
    EXPECT_EQ(host.game.turn(), 1);
    // The two goes to everyone and leaves Ann's hand.
    const int two = host.slotOf(1, "2C");
    const auto answer = host.play(1, "2C");
    ASSERT_GE(answer.size(), 2u);
    EXPECT_EQ(answer[0], protocol::build(Command::Heplayed, 1, hearts::kTwoOfClubs, 12));
    EXPECT_EQ(answer[1], protocol::build(Command::Heusecard, 1, two));
    EXPECT_FALSE(host.game.round().hands[1].holds(hearts::kTwoOfClubs));
    // Later, the slot it left is empty: "Invalid Card." when it is her turn.
    host.runUntilPersonMoves();
    if (host.game.gamestarted() && host.game.turn() == 1) {
        EXPECT_EQ(play(1, 1, two), std::vector<std::string>{protocol::build(Command::Error, 1, 2)});
    }
}

TEST_F(PlayCard, OutOfTurnAndInAnotherSeatsNameIsIgnored) {
    host.join("Bob"); // connection 2 takes seat 2 mid-game
    host.clearSent();
    const int before = host.game.round().hands[1].count();
    host.request(2, Command::Playcard, 1, 1);
    host.request(2, Command::Playcard, 2, 1);
    EXPECT_TRUE(host.to(1, Command::Heplayed).empty());
    EXPECT_EQ(host.game.round().hands[1].count(), before);
}

TEST(PlayCardPause, AfterTheQueenTheNextTurnWaitsOneTick) {
    HostHarness host;
    host.join("Ann");
    processrandom::setSeed(4);
    host.request(1, Command::Startgame, "Ann", "100", "0");
    host.request(1, Command::Justwatch, 1, "1");
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
            EXPECT_EQ(host.game.timer1().tag, Pause::AfterQueen);
            host.clearSent();
            host.game.play(host.game.turn(), 1);
            EXPECT_TRUE(host.to(1, Command::Heplayed).empty()) << "no card during the pause";
        }
    }
    EXPECT_GT(queens, 0);
}
