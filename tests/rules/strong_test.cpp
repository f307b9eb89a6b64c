// The Strong computer player: its cards are legal, it decides from what its
// seat may know and nothing more, and it takes fewer points than Classic.
#include "cardtext.h"
#include "classic.h"
#include "players.h"
#include "rollout.h"
#include "treesearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <vector>

using namespace hearts;

namespace {

// A round dealt from a seed and passed by the Classic rules, ready to play.
Round dealtRound(std::uint32_t seed, int roundNumber, bool safe = false) {
    Random random{seed};
    Round round;
    startRound(round, roundNumber, safe);
    deal(round, random);
    if (round.passDirection != 0) {
        round.phase = Phase::Pass;
        for (int seat = 1; seat <= kSeats; ++seat) {
            choosePass(round, seat, computerPass(round.hands[static_cast<std::size_t>(seat)]));
        }
        exchangePasses(round);
    }
    round.turn = beginPlay(round);
    return round;
}

// Plays on with the rollout rules for `cards` cards.
int advance(Round& round, int seat, int cards) {
    for (int i = 0; i < cards; ++i) {
        if (trickComplete(round)) {
            seat = endTrick(round).taker;
        }
        const Hand& hand = round.hands[static_cast<std::size_t>(seat)];
        const int card = rolloutCard(round, legalCards(hand.held(), round.position()));
        round.leadTwoOfClubs = false;
        playCard(round, seat, hand.slotOf(card));
        seat = seat % kSeats + 1;
    }
    if (trickComplete(round)) {
        seat = endTrick(round).taker;
    }
    round.turn = seat;
    return seat;
}

} // namespace

TEST(Strong, TheLegalCardsAreTheRulesCards) {
    // Every position met in a few hundred rounds: the set of cards the
    // search considers is exactly the set the host accepts.
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        Round round = dealtRound(seed, static_cast<int>(seed % 4), seed % 3 == 0);
        int seat = round.turn;
        for (int played = 0; played < 52; ++played) {
            if (trickComplete(round)) {
                seat = endTrick(round).taker;
            }
            const Hand& hand = round.hands[static_cast<std::size_t>(seat)];
            CardMask expected = 0;
            for (int slot = 1; slot <= kSlots; ++slot) {
                if (refusalFor(round, seat, slot) == hearts::Refusal::None) {
                    expected |= CardMask{1} << hand.at(slot);
                }
            }
            const CardMask legal = legalCards(hand.held(), round.position());
            ASSERT_EQ(legal, expected) << "seed " << seed << " card " << played;
            const int card = rolloutCard(round, legal);
            ASSERT_TRUE((legal >> card) & 1) << "seed " << seed << " card " << played;
            round.leadTwoOfClubs = false;
            playCard(round, seat, hand.slotOf(card));
            seat = seat % kSeats + 1;
        }
    }
}

TEST(Strong, VoidsAndPlayedCardsAreRemembered) {
    Round round = dealtRound(5, 1);
    const int leader = round.turn;
    advance(round, leader, 4);
    int cards = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        cards += std::popcount(round.hands[static_cast<std::size_t>(seat)].held());
    }
    EXPECT_EQ(cards, 48);
    EXPECT_EQ(std::popcount(round.playedCards), 4);
    EXPECT_TRUE(round.playedCards & (CardMask{1} << hearts::kTwoOfClubs));
    // A seat that did not follow clubs is marked void in clubs, and only it.
    Round manual;
    startRound(manual, 0, false);
    manual.phase = Phase::Play;
    manual.hands[1].putNew(1, 2, hearts::kClubs);   // three of clubs
    manual.hands[2].putNew(1, 45, hearts::kHearts); // a heart
    playCard(manual, 1, 1);
    playCard(manual, 2, 1);
    EXPECT_EQ(manual.voidSuits[1], 0);
    EXPECT_EQ(manual.voidSuits[2], 1u << hearts::kClubs);
}

TEST(Strong, DecidesOnlyFromWhatItsSeatMayKnow) {
    // The other seats' cards dealt differently, each as many as before and
    // every known card where it is known: the same seed, the same choice.
    int compared = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        Round round = dealtRound(seed, 3); // passing across: the passed cards are known
        const int seat = advance(round, round.turn, static_cast<int>(seed % 20));
        const int receiver = passReceiver(seat, round.passDirection);
        CardMask fixed = 0;
        for (int card : round.passedCards[static_cast<std::size_t>(receiver)]) {
            fixed |= CardMask{1} << card;
        }
        // The cards of the other seats that are not known: dealt anew,
        // keeping each seat's count; a void shown stays void by giving the
        // seats only cards of suits they may hold (rotating among seats with
        // the same voids keeps that simple: here only seats with no voids
        // swap their unknown cards).
        std::vector<int> swappable;
        for (int other = 1; other <= kSeats; ++other) {
            if (other != seat && round.voidSuits[static_cast<std::size_t>(other)] == 0) {
                swappable.push_back(other);
            }
        }
        if (swappable.size() < 2) {
            continue;
        }
        std::vector<int> pool;
        for (int other : swappable) {
            const CardMask held = round.hands[static_cast<std::size_t>(other)].held() & ~fixed;
            for (CardMask left = held; left != 0; left &= left - 1) {
                pool.push_back(std::countr_zero(left));
            }
        }
        std::rotate(pool.begin(), pool.begin() + static_cast<long>(pool.size() / 2), pool.end());
        Round other = round;
        std::size_t next = 0;
        for (int s : swappable) {
            Hand& hand = other.hands[static_cast<std::size_t>(s)];
            const Hand& before = round.hands[static_cast<std::size_t>(s)];
            const CardMask keep = before.held() & fixed;
            hand.clear();
            int slot = 1;
            for (CardMask left = keep; left != 0; left &= left - 1) {
                const int card = std::countr_zero(left);
                hand.putNew(slot++, card, hearts::getsuit(card));
            }
            for (int n = before.count() - std::popcount(keep); n > 0; --n) {
                const int card = pool[next++];
                hand.putNew(slot++, card, hearts::getsuit(card));
            }
        }
        bool moved = false;
        for (int s : swappable) {
            moved = moved || other.hands[static_cast<std::size_t>(s)].held() !=
                                 round.hands[static_cast<std::size_t>(s)].held();
        }
        ASSERT_TRUE(moved);
        const int mine = strongPlay(round, seat, 99);
        EXPECT_EQ(round.hands[static_cast<std::size_t>(seat)].at(mine),
                  other.hands[static_cast<std::size_t>(seat)].at(strongPlay(other, seat, 99)))
            << "seed " << seed;
        ++compared;
    }
    EXPECT_GT(compared, 20);
}

TEST(Strong, WholeRoundsAreLegalAndScoreTwentySix) {
    RoundPlayers players;
    players.levels = {Level::Classic, Level::Strong, Level::Classic, Level::Strong, Level::Strong};
    players.budget.samples = 8;
    players.budget.iterations = 200;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        players.gameSeed = seed;
        Random random{seed};
        Round round;
        playRound(round, static_cast<int>(seed), seed % 2 == 0, random, players);
        int left = 0;
        int total = 0;
        for (int seat = 1; seat <= kSeats; ++seat) {
            left += round.hands[static_cast<std::size_t>(seat)].count();
            total += round.points[static_cast<std::size_t>(seat)];
        }
        EXPECT_EQ(left, 0) << "seed " << seed; // every card was played
        EXPECT_TRUE(total == 26 || total == 78) << "seed " << seed;
    }
}

// Duplicate: each deal played with the seat Strong and with it Classic; the
// seat's points both ways.
std::pair<long, long> duplicatePoints(std::uint32_t hands, int samples, bool strongCards) {
    long strong = 0;
    long classic = 0;
    SearchBudget budget;
    budget.samples = samples;
    budget.iterations = samples * 16;
    for (std::uint32_t hand = 0; hand < hands; ++hand) {
        const int seat = static_cast<int>(hand % 4) + 1;
        for (bool isStrong : {true, false}) {
            RoundPlayers players;
            players.gameSeed = hand;
            players.budget = budget;
            players.strongCards = strongCards;
            players.levels[static_cast<std::size_t>(seat)] =
                isStrong ? Level::Strong : Level::Classic;
            Random random{hand + 1000};
            Round round;
            playRound(round, static_cast<int>(hand / 4 % 4) + 1, false, random, players);
            (isStrong ? strong : classic) += round.points[static_cast<std::size_t>(seat)];
        }
    }
    return {strong, classic};
}

TEST(Strong, TakesFewerPointsThanClassicFromTheSameDeals) {
    const auto [strong, classic] = duplicatePoints(160, 24, true);
    EXPECT_LT(strong * 10, classic * 8) << strong << " against " << classic;
}

TEST(Strong, ItsPassAloneBeatsTheClassicPass) {
    // Both play their cards by the classic rules; only the pass differs.
    const auto [strong, classic] = duplicatePoints(2000, 0, false);
    EXPECT_LT(strong * 100, classic * 95) << strong << " against " << classic;
}

TEST(Strong, PassesTheDangerAndKeepsTheGuards) {
    struct Case {
        const char* what;
        std::vector<int> hand; // 13 cards
        std::vector<int> passed;
    };
    const std::vector<Case> cases = {
        {"the queen without guards, the ace and king of spades",
         {37, 38, 39, 27, 2, 3, 4, 5, 15, 16, 17, 41, 42},
         {37, 38, 39}},
        {"a guarded queen stays; high hearts go",
         {37, 27, 28, 29, 30, 2, 3, 4, 15, 16, 50, 51, 52},
         {50, 51, 52}},
    };
    for (const Case& c : cases) {
        Hand hand;
        int slot = 1;
        for (int card : c.hand) {
            hand.putNew(slot++, card, hearts::getsuit(card));
        }
        std::vector<int> passed;
        for (int s : strongPass(hand)) {
            passed.push_back(hand.at(s));
        }
        std::sort(passed.begin(), passed.end());
        EXPECT_EQ(passed, c.passed) << c.what;
    }
}

TEST(Strong, LevelNames) {
    EXPECT_EQ(levelNamed("classic"), Level::Classic);
    EXPECT_EQ(levelNamed("Strong"), Level::Strong);
    EXPECT_FALSE(levelNamed("hard").has_value());
    EXPECT_FALSE(levelNamed("").has_value());
    EXPECT_STREQ(levelName(Level::Strong), "strong");
}

namespace {

// A round late in play: the hands left, every other card played, the
// points taken so far, hearts broken.
Round lateRound(const std::array<const char*, kSeats + 1>& hands,
                const std::array<int, kSeats + 1>& points) {
    Round round;
    startRound(round, 4, false);
    CardMask held = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        int slot = 1;
        for (int c : hand(hands[static_cast<std::size_t>(seat)])) {
            round.hands[static_cast<std::size_t>(seat)].put(slot++, c);
            held |= cardBit(c);
        }
    }
    round.phase = Phase::Play;
    round.firstTrick = false;
    round.heartsBroken = true;
    round.playedCards = kAllCards & ~held;
    round.points = points;
    round.pointsTaker = kSeveralTakers;
    return round;
}

// Late in a round: seat 1 has taken the queen and eight hearts, every point
// so far, and has led the three of hearts; it still holds the ace and four
// of hearts. Seat 2 holds the king and two of hearts. Seats 3 and 4 have
// shown they hold no hearts and no clubs, seat 1 no diamonds.
Round runnerPosition() {
    Round round = lateRound({"", "AH 4H 3H AC", "KH 2H 2C 3C", "4D 5D 6D 7D", "8D 9D 10D JD"},
                            {0, 21, 0, 0, 0});
    round.pointsTaker = 1;
    const auto noHeartsNoClubs = static_cast<std::uint8_t>((1u << kHearts) | (1u << kClubs));
    round.voidSuits = {0, static_cast<std::uint8_t>(1u << kDiamonds), 0, noHeartsNoClubs,
                       noHeartsNoClubs};
    playCard(round, 1, round.hands[1].slotOf(card("3H")));
    round.turn = 2;
    return round;
}

} // namespace

TEST(Strong, TakesAHeartTrickToStopAMoon) {
    // Ducking with the two lets seat 1 lead the ace next, drop the king and
    // take all 26: the king must take the trick now.
    const Round round = runnerPosition();
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        const int slot = strongPlay(round, 2, seed);
        EXPECT_EQ(cardText(round.hands[2].at(slot)), "KH") << "seed " << seed;
    }
}

TEST(Strong, ItsCardComesFromTheSeatsViewAlone) {
    // The host's seat plays the card that the seat's view alone gives (the
    // hint a client computes from its own view of the same moment).
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        Round round = dealtRound(seed, 2);
        const int seat = advance(round, round.turn, static_cast<int>(seed % 17) + 1);
        const SeatView view = seatView(round, seat);
        EXPECT_EQ(view.hand.held(), round.hands[static_cast<std::size_t>(seat)].held());
        EXPECT_EQ(round.hands[static_cast<std::size_t>(seat)].at(strongPlay(round, seat, seed)),
                  strongCard(view, seed))
            << seed;
    }
}

TEST(Strong, ItsTreeCountsEveryDealAndTriesOnlyLegalCards) {
    SearchBudget budget;
    budget.iterations = 400;
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        Round round = dealtRound(seed, static_cast<int>(seed % 4) + 1);
        const int seat = advance(round, round.turn, static_cast<int>(seed * 5 % 23) + 1);
        const SeatView view = seatView(round, seat);
        const CardMask legal = legalCards(view.hand.held(), round.position());
        SearchRandom random{seed};
        const TreeResults results =
            searchTree(roundFrom(view), seat, knowledgeOf(view), random, budget,
                       std::chrono::steady_clock::now() + std::chrono::seconds(60), MoonPlan{});
        EXPECT_EQ(results.iterations, budget.iterations) << "seed " << seed;
        int visits = 0;
        for (int card = 1; card <= 52; ++card) {
            const auto at = static_cast<std::size_t>(card);
            const bool isLegal = ((legal >> card) & 1) != 0;
            EXPECT_EQ(results.visits[at] > 0, isLegal) << "seed " << seed << " " << cardText(card);
            EXPECT_GE(results.value[at], -budget.moonFear); // a moon let through
            EXPECT_LE(results.value[at], 1.0);
            visits += results.visits[at];
        }
        EXPECT_EQ(visits, budget.iterations) << "seed " << seed;
    }
}

TEST(Strong, CashesTheLastHeartForTheMoon) {
    // Seat 1 has taken the queen and eleven hearts; the ace of hearts takes
    // the last heart whoever holds it, and the two of clubs then loses a
    // trick without points: 26. Leading the club first may leave the two of
    // hearts to someone else.
    Round round = lateRound({"", "AH 2C", "3C 4C", "2H 5C", "6C 7C"}, {0, 24, 0, 0, 0});
    round.turn = 1;
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        const int slot = strongPlay(round, 1, seed);
        EXPECT_EQ(cardText(round.hands[1].at(slot)), "AH") << "seed " << seed;
    }
}

TEST(Strong, ItsRolloutsTakeASoleTakerOfPointsForARunner) {
    // However many tricks it took them in, a seat with every point so far
    // runs in the rollouts from runFrom points on; the searching seat
    // (planner) never runs unless it plans to.
    struct Case {
        const char* what;
        std::array<int, kSeats + 1> points;
        int planner;
        int runner;
    };
    const Case cases[] = {
        {"one seat with every point", {0, 0, 7, 0, 0}, 1, 2},
        {"two seats with points", {0, 3, 7, 0, 0}, 1, 0},
        {"too few points yet", {0, 0, 4, 0, 0}, 1, 0},
        {"the searching seat itself", {0, 0, 7, 0, 0}, 2, 0},
        {"nobody with points", {0, 0, 0, 0, 0}, 1, 0},
    };
    for (const Case& c : cases) {
        Round round = lateRound({"", "AH 2C", "3C 4C", "2H 5C", "6C 7C"}, c.points);
        MoonPlan plan;
        plan.planner = c.planner;
        EXPECT_EQ(runnerOf(round, plan), c.runner) << c.what;
    }
}

TEST(Strong, ItsTreeCountsAMoonAgainstASeatWorseThanItsPoints) {
    // Seat 1 has 24 points and leads the ace of hearts; the two of hearts
    // goes to it wherever it lies: a moon in every deal, whatever seat 2
    // plays, and its result is the fear below nothing.
    Round round = lateRound({"", "AH 2C", "3C 4C", "2H 5C", "6C 7C"}, {0, 24, 0, 0, 0});
    round.turn = 1;
    playCard(round, 1, round.hands[1].slotOf(card("AH")));
    round.turn = 2;
    const SeatView view = seatView(round, 2);
    for (const double fear : {0.0, 0.5}) {
        SearchBudget budget;
        budget.iterations = 200;
        budget.moonFear = fear;
        SearchRandom random{7};
        const TreeResults results =
            searchTree(roundFrom(view), 2, knowledgeOf(view), random, budget,
                       std::chrono::steady_clock::now() + std::chrono::seconds(60), MoonPlan{});
        ASSERT_EQ(results.iterations, budget.iterations);
        for (const char* text : {"3C", "4C"}) {
            const auto at = static_cast<std::size_t>(card(text));
            EXPECT_GT(results.visits[at], 0) << text;
            EXPECT_DOUBLE_EQ(results.value[at], -fear) << text << " fear " << fear;
        }
    }
}

TEST(Strong, ItsDealsGiveALikelyRunnerMoreHighCards) {
    // Seat 1's view at the start of a round: every deal gives each other seat
    // its thirteen cards; favouring seat 3 gives it more of the jacks and
    // above, favouring nobody gives every seat its share.
    const Round round = dealtRound(5, 4);
    const SeatView view = seatView(round, 1);
    CardMask high = 0;
    for (int c = 1; c <= 52; ++c) {
        high |= rankOf(c) >= rankOf(kJackOfDiamonds) ? cardBit(c) : 0;
    }
    for (const int favour : {1, 3}) {
        Knowledge knowledge = knowledgeOf(view);
        knowledge.favoured = 3;
        knowledge.favour = favour;
        knowledge.favouredCards = high;
        SearchRandom random{11};
        std::array<double, kSeats + 1> highHeld{};
        constexpr int kDeals = 2000;
        for (int deal = 0; deal < kDeals; ++deal) {
            std::array<CardMask, kSeats + 1> hands{};
            ASSERT_TRUE(sampleHands(knowledge, random, hands));
            EXPECT_EQ(hands[2] | hands[3] | hands[4], knowledge.unseen);
            for (int seat = 2; seat <= kSeats; ++seat) {
                const auto at = static_cast<std::size_t>(seat);
                ASSERT_EQ(std::popcount(hands[at]), 13);
                highHeld[at] += std::popcount(hands[at] & high) / static_cast<double>(kDeals);
            }
        }
        const double others = (highHeld[2] + highHeld[4]) / 2;
        if (favour == 1) {
            EXPECT_NEAR(highHeld[3], others, 0.15 * others);
        } else {
            EXPECT_GT(highHeld[3], 1.5 * others);
        }
    }
}
