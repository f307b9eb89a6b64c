#include "cards.h"
#include "hostharness.h"
#include "random.h"

#include "cardtext.h"

#include <gtest/gtest.h>

#include <set>

TEST(Cards, SuitsAndPointCards) {
    struct Case {
        int card;
        int suit;
        bool points;
    };
    const Case cases[] = {{0, 0, false},  {1, 1, false},  {13, 1, false}, {14, 2, false},
                          {26, 2, false}, {27, 3, false}, {37, 3, true},  {38, 3, false},
                          {39, 3, false}, {40, 4, true},  {52, 4, true},  {53, 0, false},
                          {-1, 0, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(cards::getsuit(c.card), c.suit) << c.card;
        EXPECT_EQ(cards::isPointCard(c.card), c.points) << c.card;
    }
    EXPECT_EQ(card("2C"), 1);
    EXPECT_EQ(card("QS"), 37);
    EXPECT_EQ(card("AH"), 52);
    EXPECT_EQ(card("10D"), 22);
}

TEST(ProcessRandom, TheLinearCongruentialGeneratorAndItsDraw) {
    processrandom::setSeed(7);
    std::vector<int> draws;
    for (int i = 0; i < 5; ++i) {
        draws.push_back(processrandom::draw(52));
    }
    EXPECT_EQ(draws, (std::vector<int>{11, 43, 13, 36, 3}));
    EXPECT_EQ(processrandom::seed(), 275106944u);
    // The product is taken in 64 bits: the largest seed stays below n.
    processrandom::setSeed(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        const int value = processrandom::draw(13);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 13);
    }
}

TEST(Deal, GoldenDealForSeed7AndEveryCardOnce) {
    HostHarness host;
    host.join("Ann");
    processrandom::setSeed(7);
    host.game.dealcards();
    const auto& players = host.game.players();
    // Deck positions go round the table: position p to seat (p-1)%4+1.
    const std::vector<int> seat1 = {35, 45, 27, 37, 51, 46, 10, 50, 43, 4, 34, 52, 19};
    for (int slot = 1; slot <= 13; ++slot) {
        EXPECT_EQ(players[1].cards[slot], seat1[slot - 1]) << slot;
    }
    EXPECT_EQ(players[2].cards[1], 9);
    EXPECT_EQ(players[3].cards[1], 42);
    EXPECT_EQ(players[4].cards[1], 5);
    std::multiset<int> all;
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(players[seat].cardsLeft(), 13);
        for (int slot = 1; slot <= 13; ++slot) {
            all.insert(players[seat].cards[slot]);
        }
    }
    EXPECT_EQ(all.size(), 52u);
    EXPECT_EQ(std::set<int>(all.begin(), all.end()).size(), 52u);
    // Only the connected seat gets its hand, in slot order.
    const auto mine = host.to(1, "CMD_mycards");
    ASSERT_EQ(mine.size(), 1u);
    EXPECT_EQ(mine[0], "CMD_mycards+1+1+35+2+45+3+27+4+37+5+51+6+46+7+10+8+50+9+43+10+4+11+34+"
                       "12+52+13+19");
    EXPECT_TRUE(host.to(2).empty());
}

TEST(SuitTests, CheckForSuitAndOther) {
    HostHarness host;
    host.setHand(1, hand("2C 5D AH"));
    host.game.setTrickState(card("3D"), 2);
    EXPECT_TRUE(host.game.checkforsuit(1));
    // Played away, the slot holds 0 and no longer matches.
    host.game.players()[1].cards[2] = 0;
    EXPECT_FALSE(host.game.checkforsuit(1));
    EXPECT_TRUE(host.game.checkforother(1));
    host.setHand(1, hand("2H 5H AH"));
    EXPECT_FALSE(host.game.checkforother(1));
    host.setHand(1, {});
    EXPECT_FALSE(host.game.checkforother(1));
}
