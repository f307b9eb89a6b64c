#include "cards.h"
#include "random.h"

#include "cardtext.h"

#include <gtest/gtest.h>

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
        EXPECT_EQ(hearts::getsuit(c.card), c.suit) << c.card;
        EXPECT_EQ(hearts::isPointCard(c.card), c.points) << c.card;
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
