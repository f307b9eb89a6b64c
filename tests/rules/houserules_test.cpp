// House rules over values: each rule's legal cards, points and moons, the
// passing without a held hand, the code and names the table sends, and
// whole rounds of every level summing to each variant's total.
#include "cardtext.h"
#include "classic.h"
#include "houserules.h"
#include "players.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace hearts;

namespace {

HouseRules rulesOf(const char* names) {
    const auto rules = houseRulesNamed(names);
    EXPECT_TRUE(rules.has_value()) << names;
    return rules.value_or(HouseRules{});
}

// A round in play with hands given by name, seat 1 to lead.
Round handBuilt(const HouseRules& rules, std::array<const char*, kSeats + 1> hands) {
    Round round;
    round.rules = rules;
    startRound(round, 4, false);
    for (int seat = 1; seat <= kSeats; ++seat) {
        const std::vector<int> cards = hand(hands[static_cast<std::size_t>(seat)]);
        for (std::size_t i = 0; i < cards.size(); ++i) {
            round.hands[static_cast<std::size_t>(seat)].put(static_cast<int>(i) + 1, cards[i]);
        }
    }
    round.phase = Phase::Play;
    round.firstTrick = false;
    round.turn = 1;
    return round;
}

// Plays one trick from seat 1 by card names and takes it.
TrickEnd playTrick(Round& round, std::array<const char*, kSeats> cards) {
    for (int k = 0; k < kSeats; ++k) {
        const int seat = k + 1;
        Hand& held = round.hands[static_cast<std::size_t>(seat)];
        playCard(round, seat, held.slotOf(card(cards[static_cast<std::size_t>(k)])));
    }
    return endTrick(round);
}

} // namespace

TEST(HouseRules, CodesNamesAndSentences) {
    struct Case {
        const char* names;
        const char* code;
    };
    for (const Case& c :
         {Case{"none", ""}, Case{"jack", "J"}, Case{"queen", "Q"}, Case{"subtract", "S"},
          Case{"nohold", "N"}, Case{"nohold,jack,subtract,queen", "JQSN"}}) {
        const HouseRules rules = rulesOf(c.names);
        EXPECT_EQ(houseRulesCode(rules), c.code) << c.names;
        EXPECT_EQ(houseRulesFromCode(c.code), rules) << c.names;
        EXPECT_EQ(rules.standard(), std::string(c.code).empty()) << c.names;
    }
    // Letters a later copy may add are passed over; unknown names refused.
    EXPECT_EQ(houseRulesFromCode("XJZ"), rulesOf("jack"));
    EXPECT_FALSE(houseRulesNamed("jack,joker").has_value());
    EXPECT_EQ(houseRulesSentence({}, false), "");
    EXPECT_EQ(houseRulesSentence(rulesOf("queen"), true),
              "House rules: no points on the first trick and the queen of spades breaks hearts.");
}

TEST(HouseRules, TheQueenBreaksHeartsOnlyUnderItsRule) {
    for (bool rule : {false, true}) {
        HouseRules rules;
        rules.queenBreaksHearts = rule;
        Round round = handBuilt(rules, {"", "2S 3H 4C", "QS 5H 6C", "KS 7H 8C", "AS 9H 10C"});
        playTrick(round, {"2S", "QS", "KS", "AS"}); // seat 4 takes it and leads
        const Hand& leader = round.hands[4];
        EXPECT_EQ(round.heartsBroken, rule);
        EXPECT_EQ(refusal(leader.held(), card("9H"), round.position()),
                  rule ? Refusal::None : Refusal::HeartsNotBroken);
        EXPECT_EQ(breaksHearts(card("QS"), rules), rule);
        EXPECT_TRUE(breaksHearts(card("2H"), rules));
    }
}

TEST(HouseRules, PointsAndMoonsOfEachVariant) {
    struct Case {
        const char* rules;
        bool moon;        // seat 1 takes every heart and the queen
        bool jackToSeat1; // else seat 2 takes the jack
        std::array<int, kSeats + 1> points;
    };
    const Case cases[] = {
        {"none", false, true, {0, 13, 13, 0, 0}},
        {"jack", false, true, {0, 3, 13, 0, 0}},
        {"jack", false, false, {0, 13, 3, 0, 0}},
        {"none", true, true, {0, 0, 26, 26, 26}},
        {"subtract", true, true, {0, -26, 0, 0, 0}},
        {"jack,subtract", true, true, {0, -36, 0, 0, 0}},
        {"jack", true, false, {0, 0, 16, 26, 26}},
    };
    for (const Case& c : cases) {
        const HouseRules rules = rulesOf(c.rules);
        Round round;
        round.rules = rules;
        if (c.moon) {
            round.points = {0, 26, 0, 0, 0};
            round.pointsTaker = 1;
        } else {
            round.points = {0, 13, 13, 0, 0};
            round.pointsTaker = kSeveralTakers;
        }
        round.jackTaker = c.jackToSeat1 ? 1 : 2;
        const int moon = scoreRound(round);
        EXPECT_EQ(moon, c.moon ? 1 : 0) << c.rules;
        EXPECT_EQ(round.points, c.points) << c.rules << (c.moon ? " moon" : "");
        EXPECT_EQ(std::accumulate(round.points.begin() + 1, round.points.end(), 0),
                  roundTotal(rules, c.moon))
            << c.rules;
    }
    // The jack's trick counts -10 to its taker as it is taken, for the table
    // to show; the points that make a moon stay the hearts and the queen.
    Round round = handBuilt(rulesOf("jack"), {"", "2D", "JD", "3D", "2H"});
    const TrickEnd end = playTrick(round, {"2D", "JD", "3D", "2H"});
    EXPECT_EQ(end.taker, 2);
    EXPECT_EQ(end.points, 1);
    EXPECT_EQ(round.jackTaker, 2);
    EXPECT_EQ(trickScore({0, card("2D"), card("JD"), card("3D"), card("2H")}, round.rules), -9);
    EXPECT_EQ(trickScore({0, card("2D"), card("JD"), card("3D"), card("2H")}, HouseRules{}), 1);
}

TEST(HouseRules, PassingWithoutAHeldHand) {
    const HouseRules standard;
    const HouseRules noHold = rulesOf("nohold");
    const int standardDirections[] = {1, 2, 3, 0, 1, 2, 3, 0};
    const int noHoldDirections[] = {1, 2, 3, 1, 2, 3, 1, 2};
    for (int round = 1; round <= 8; ++round) {
        EXPECT_EQ(passDirectionOf(round, standard), standardDirections[round - 1]) << round;
        EXPECT_EQ(passDirectionOf(round, noHold), noHoldDirections[round - 1]) << round;
    }
}

TEST(HouseRules, WholeRoundsOfEveryLevelAddUpToTheVariantsTotal) {
    const char* variants[] = {"none",     "jack",   "queen",
                              "subtract", "nohold", "jack,queen,subtract,nohold"};
    for (const char* names : variants) {
        const HouseRules rules = rulesOf(names);
        int moons = 0;
        for (std::uint32_t seed = 1; seed <= 24; ++seed) {
            RoundPlayers players;
            players.gameSeed = seed;
            players.budget.samples = 8;
            players.budget1.samples = 8;
            players.levels = {Level::Classic, Level::Strong, Level::Classic, Level::Strong1,
                              static_cast<Level>(seed % 3)};
            Random random{seed};
            Round round;
            round.rules = rules;
            const int moon =
                playRound(round, static_cast<int>(seed % 8) + 1, seed % 2 == 0, random, players);
            moons += moon != 0;
            int cardsLeft = 0;
            for (int seat = 1; seat <= kSeats; ++seat) {
                cardsLeft += round.hands[static_cast<std::size_t>(seat)].count();
            }
            ASSERT_EQ(cardsLeft, 0) << names << " seed " << seed;
            EXPECT_EQ(std::popcount(round.playedCards), 52);
            EXPECT_EQ(std::accumulate(round.points.begin() + 1, round.points.end(), 0),
                      roundTotal(rules, moon != 0))
                << names << " seed " << seed;
        }
        EXPECT_LT(moons, 24) << names;
    }
}
