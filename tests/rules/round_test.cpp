// The rulebook on values: a position is a hearts::Round built from cards
// written as in a book, and each rule is asked about it.
#include "players.h"

#include "cardtext.h"

#include <gtest/gtest.h>

#include <set>

using hearts::Refusal;
using hearts::Round;

namespace {

void give(Round& round, int seat, const std::string& cardsInSlots) {
    hearts::Hand& hand = round.hands[static_cast<std::size_t>(seat)];
    hand.clear();
    const auto dealt = ::hand(cardsInSlots);
    for (std::size_t i = 0; i < dealt.size(); ++i) {
        hand.put(static_cast<int>(i) + 1, dealt[i]);
    }
}

// A trick in play: the cards on the table by seat ("" none) and its leader.
void table(Round& round, std::array<const char*, 4> bySeat, int leader) {
    for (int seat = 1; seat <= 4; ++seat) {
        const std::string text = bySeat[static_cast<std::size_t>(seat - 1)];
        round.trickCards[static_cast<std::size_t>(seat)] = text.empty() ? 0 : card(text);
    }
    round.leader = leader;
    round.ledCard = round.trickCards[static_cast<std::size_t>(leader)];
}

} // namespace

TEST(Rules, EveryCheckInItsOrderWithItsCode) {
    struct Case {
        const char* what;
        const char* hand;
        int slot;
        bool leadTwoOfClubs;
        bool firstTrick;
        bool safe;
        bool heartsBroken;
        const char* led; // "" leads
        Refusal refusal;
    };
    const Case cases[] = {
        {"first card must be the two of clubs", "3C 2C", 1, true, true, false, false, "",
         Refusal::LeadTwoOfClubs},
        {"that even from an empty slot", "2C", 5, true, true, false, false, "",
         Refusal::LeadTwoOfClubs},
        {"the two of clubs leads", "3C 2C", 2, true, true, false, false, "", Refusal::None},
        {"empty slot", "3C", 2, false, false, false, false, "", Refusal::NoCard},
        {"slot out of range", "3C", 14, false, false, false, false, "", Refusal::NoCard},
        {"slot zero", "3C", 0, false, false, false, false, "", Refusal::NoCard},
        {"heart led before broken", "5H 3C", 1, false, false, false, false, "",
         Refusal::HeartsNotBroken},
        {"heart led holding only hearts", "5H 6H", 1, false, false, false, false, "",
         Refusal::None},
        {"heart led once broken", "5H 3C", 1, false, false, false, true, "", Refusal::None},
        {"must follow suit", "3C 4D", 1, false, false, false, false, "9D", Refusal::FollowSuit},
        {"follows suit", "3C 4D", 2, false, false, false, false, "9D", Refusal::None},
        {"cannot follow: any card", "3C 4S", 2, false, false, false, false, "9D", Refusal::None},
        {"safe first trick: queen", "QS 4D", 1, false, true, true, false, "2C",
         Refusal::SafeFirstTrick},
        {"safe first trick: heart", "AH 4D", 1, false, true, true, false, "2C",
         Refusal::SafeFirstTrick},
        {"safe first trick: other card", "AH 4D", 2, false, true, true, false, "2C", Refusal::None},
        {"first trick, option off", "QS 4D", 1, false, true, false, false, "2C", Refusal::None},
        {"only point cards on the safe trick", "QS AH", 1, false, true, true, false, "2C",
         Refusal::None},
        {"the follow rule before the safe rule", "QS 3C", 1, false, true, true, false, "2C",
         Refusal::FollowSuit},
    };
    for (const Case& c : cases) {
        Round round;
        give(round, 1, c.hand);
        round.leadTwoOfClubs = c.leadTwoOfClubs;
        round.firstTrick = c.firstTrick;
        round.safeFirstTrick = c.safe;
        round.heartsBroken = c.heartsBroken;
        if (std::string(c.led).empty()) {
            round.leader = 1;
        } else {
            table(round, {"", c.led, "", ""}, 2);
        }
        EXPECT_EQ(hearts::refusalFor(round, 1, c.slot), c.refusal) << c.what;
        // The legal slots are the slots whose cards are not refused.
        const bool legal =
            c.slot >= 1 && c.slot <= 13 && ((hearts::legalSlots(round, 1) >> c.slot) & 1) != 0;
        EXPECT_EQ(legal, c.refusal == Refusal::None) << c.what;
    }
}

TEST(Rules, TheHighestCardOfTheLedSuitTakesTheTrickAndItsPoints) {
    struct Case {
        const char* what;
        int leader;
        std::array<const char*, 4> trick; // by seat
        int taker;
        int points;
    };
    const Case cases[] = {
        {"the leader keeps it against a higher spade", 1, {"9D", "KS", "3D", "2D"}, 1, 0},
        {"higher of the led suit wins", 3, {"AC", "5D", "2D", "JD"}, 4, 0},
        {"queen and two hearts are 15", 2, {"QS", "3C", "5H", "AH"}, 2, 15},
        {"a leader at seat 4 beaten by seat 1", 4, {"KH", "2H", "3H", "QH"}, 1, 4},
    };
    for (const Case& c : cases) {
        Round round;
        table(round, c.trick, c.leader);
        const hearts::TrickEnd end = hearts::endTrick(round);
        EXPECT_EQ(end.taker, c.taker) << c.what;
        EXPECT_EQ(end.points, c.points) << c.what;
        EXPECT_EQ(round.points[static_cast<std::size_t>(c.taker)], c.points) << c.what;
        EXPECT_EQ(round.tricks[static_cast<std::size_t>(c.taker)], 1) << c.what;
        EXPECT_EQ(round.ledCard, 0);
        EXPECT_FALSE(round.firstTrick);
    }
}

TEST(Rules, TheTakerOfPointsAndThenSeveral) {
    Round round;
    table(round, {"AC", "2C", "3C", "4C"}, 1);
    hearts::endTrick(round);
    EXPECT_EQ(round.pointsTaker, 0);
    table(round, {"AD", "2D", "3H", "4D"}, 1);
    hearts::endTrick(round);
    EXPECT_EQ(round.pointsTaker, 1);
    // The same seat taking points again counts as several takers too.
    table(round, {"AS", "2S", "3H", "4S"}, 1);
    hearts::endTrick(round);
    EXPECT_EQ(round.pointsTaker, hearts::kSeveralTakers);
    // ...where the sole taker of every point so far is still seat 1, until
    // another seat takes one.
    EXPECT_EQ(hearts::soleTaker(round.points), 1);
    table(round, {"2H", "KH", "4H", "5H"}, 1);
    hearts::endTrick(round);
    EXPECT_EQ(hearts::soleTaker(round.points), hearts::kSeveralTakers);
    EXPECT_EQ(hearts::soleTaker({0, 0, 0, 0, 0}), 0);
    EXPECT_EQ(hearts::soleTaker({0, 0, 0, 0, 13}), 4);
}

TEST(Rules, TheQueenDoesNotBreakHearts) {
    Round round;
    give(round, 1, "QS 5H 3D");
    table(round, {"", "", "", "4C"}, 4);
    hearts::playCard(round, 1, 1);
    EXPECT_FALSE(round.heartsBroken);
    EXPECT_EQ(round.trickCards[1], card("QS"));
    EXPECT_EQ(round.hands[1].count(), 2);
    give(round, 3, "5H");
    hearts::playCard(round, 3, 1);
    EXPECT_TRUE(round.heartsBroken);
}

TEST(Rules, TheDealForSeed7AndEveryCardOnce) {
    Round round;
    hearts::Random random{7};
    hearts::deal(round, random);
    // Deck places go round the table: place p to seat (p-1)%4+1.
    const std::vector<int> seat1 = {35, 45, 27, 37, 51, 46, 10, 50, 43, 4, 34, 52, 19};
    for (int slot = 1; slot <= 13; ++slot) {
        EXPECT_EQ(round.hands[1].at(slot), seat1[static_cast<std::size_t>(slot - 1)]) << slot;
    }
    std::set<int> all;
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(round.hands[static_cast<std::size_t>(seat)].count(), 13);
        for (int slot = 1; slot <= 13; ++slot) {
            all.insert(round.hands[static_cast<std::size_t>(seat)].at(slot));
        }
    }
    EXPECT_EQ(all.size(), 52u);
}

TEST(Rules, TheDealIsTheShuffleAsWrittenForManySeeds) {
    // The shuffle as the rule reads, one draw at a time: each card in turn
    // takes the first free place drawn; places go round the table.
    for (std::uint32_t seed = 0; seed < 3000; seed += 7) {
        hearts::Random plain{seed * 2654435761u};
        std::array<int, 53> deck{};
        for (int next = 1; next <= 52; ++next) {
            int place = 0;
            do {
                place = plain.draw(52) + 1;
            } while (deck[static_cast<std::size_t>(place)] != 0);
            deck[static_cast<std::size_t>(place)] = next;
        }
        Round round;
        hearts::Random fast{seed * 2654435761u};
        hearts::deal(round, fast);
        ASSERT_EQ(fast.seed, plain.seed) << seed;
        for (int place = 1; place <= 52; ++place) {
            ASSERT_EQ(
                round.hands[static_cast<std::size_t>((place - 1) % 4 + 1)].at((place - 1) / 4 + 1),
                deck[static_cast<std::size_t>(place)])
                << seed << " place " << place;
        }
    }
}

TEST(Rules, AHundredDrawsSkippedAtOnceAreAHundredDraws) {
    hearts::Random one{12345};
    hearts::Random other{12345};
    for (int i = 0; i < 100; ++i) {
        one.draw(13);
    }
    other.skip(100);
    EXPECT_EQ(one.seed, other.seed);
}

TEST(Rules, PassesGoRoundAndComeInTheSlotsPassedFrom) {
    struct Case {
        int round;
        std::array<int, 4> receiverOf; // by seat
    };
    const Case cases[] = {{1, {2, 3, 4, 1}}, {2, {4, 1, 2, 3}}, {3, {3, 4, 1, 2}}};
    for (const Case& c : cases) {
        Round round;
        hearts::startRound(round, c.round, false);
        hearts::Random random{3};
        hearts::deal(round, random);
        round.phase = hearts::Phase::Pass;
        std::array<std::array<int, 3>, 5> given{};
        for (int seat : {3, 1, 4, 2}) {
            for (int k = 0; k < 3; ++k) {
                given[static_cast<std::size_t>(seat)][static_cast<std::size_t>(k)] =
                    round.hands[static_cast<std::size_t>(seat)].at(k + 2);
            }
            EXPECT_FALSE(hearts::allPassed(round));
            ASSERT_TRUE(hearts::choosePass(round, seat, {2, 3, 4}));
            // A second pass of the same seat is no pass.
            EXPECT_FALSE(hearts::choosePass(round, seat, {5, 6, 7}));
        }
        ASSERT_TRUE(hearts::allPassed(round));
        hearts::exchangePasses(round);
        for (int seat = 1; seat <= 4; ++seat) {
            const int receiver = c.receiverOf[static_cast<std::size_t>(seat - 1)];
            EXPECT_EQ(hearts::passReceiver(seat, c.round), receiver);
            for (int k = 0; k < 3; ++k) {
                EXPECT_EQ(round.hands[static_cast<std::size_t>(receiver)].at(k + 2),
                          given[static_cast<std::size_t>(seat)][static_cast<std::size_t>(k)]);
            }
            EXPECT_EQ(round.hands[static_cast<std::size_t>(seat)].count(), 13);
        }
    }
}

TEST(Rules, APassIsThreeDifferentSlotsThatHoldCards) {
    Round round;
    hearts::startRound(round, 1, false);
    give(round, 1, "2C 3C 4C 5C 6C 7C 8C");
    round.phase = hearts::Phase::Pass;
    for (const std::array<int, 3>& slots :
         {std::array<int, 3>{2, 2, 4}, {2, 3, 14}, {0, 3, 4}, {2, 3, 9}, {1, 3, 1}}) {
        EXPECT_FALSE(hearts::choosePass(round, 1, slots));
    }
    EXPECT_FALSE(round.passed[1]);
    EXPECT_EQ(round.hands[1].count(), 7);
    round.phase = hearts::Phase::Play;
    EXPECT_FALSE(hearts::choosePass(round, 1, {1, 2, 3})) << "only while passing";
    round.phase = hearts::Phase::Pass;
    EXPECT_TRUE(hearts::choosePass(round, 1, {5, 6, 7}));
    EXPECT_EQ(round.hands[1].count(), 4);
}

TEST(Rules, TheTwoOfClubsOpensPlay) {
    Round round;
    hearts::startRound(round, 4, false);
    EXPECT_EQ(round.passDirection, 0) << "round four passes nothing";
    give(round, 3, "5D 2C");
    EXPECT_EQ(hearts::beginPlay(round), 3);
    EXPECT_TRUE(round.leadTwoOfClubs);
    EXPECT_EQ(round.phase, hearts::Phase::Play);
}

TEST(Rules, TheMoonGivesTheOthersTwentySix) {
    struct Case {
        std::array<int, 5> points;
        int moon;
        std::array<int, 5> scored;
    };
    const Case cases[] = {
        {{0, 3, 0, 13, 10}, 0, {0, 3, 0, 13, 10}},
        {{0, 0, 26, 0, 0}, 2, {0, 26, 0, 26, 26}},
    };
    for (const Case& c : cases) {
        Round round;
        round.points = c.points;
        EXPECT_EQ(hearts::scoreRound(round), c.moon);
        EXPECT_EQ(round.points, c.scored);
    }
}

TEST(Rules, TheWinnerIsTheUniqueLowestScoreOnceOneIsReached) {
    struct Case {
        int playTo;
        std::array<int, 5> scores;
        int winner;
    };
    const Case cases[] = {
        {100, {0, 100, 70, 70, 90}, 0}, {100, {0, 104, 65, 80, 90}, 2},
        {100, {0, 99, 65, 80, 90}, 0},  {100, {0, 100, 99, 101, 120}, 2},
        {100, {0, 40, 50, 60, 100}, 1}, {50, {0, 60, 60, 70, 55}, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hearts::gameWinner(c.scores, c.playTo), c.winner);
    }
}

TEST(Rules, AComputerRoundThroughTheRulesAlone) {
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        Round round;
        hearts::Random random{seed};
        hearts::playComputerRound(round, static_cast<int>(seed % 4), seed % 2 == 0, random);
        int points = 0;
        int tricks = 0;
        for (int seat = 1; seat <= 4; ++seat) {
            points += round.points[static_cast<std::size_t>(seat)];
            tricks += round.tricks[static_cast<std::size_t>(seat)];
            EXPECT_EQ(round.hands[static_cast<std::size_t>(seat)].count(), 0) << seed;
        }
        EXPECT_EQ(tricks, 13) << seed;
        EXPECT_TRUE(points == 26 || points == 78) << seed;
    }
}
