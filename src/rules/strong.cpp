// The Strong computer player: its pass by rule, and its card from a tree
// searched over deals of the unseen cards, the moon reckoned with both ways.
#include "strong.h"

#include "rollout.h"
#include "sampling.h"
#include "treesearch.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdlib>

namespace hearts {

namespace {

constexpr CardMask bit(int card) {
    return CardMask{1} << card;
}
constexpr int kQueen = kQueenOfSpades;
// The jacks, queens, kings and aces.
constexpr CardMask kHighCards = [] {
    CardMask high = 0;
    for (int card = 1; card <= 52; ++card) {
        high |= rankOf(card) >= rankOf(kJackOfDiamonds) ? bit(card) : 0;
    }
    return high;
}();

} // namespace

int defaultIterations() {
    constexpr int kIterations = 8000;
    static const int iterations = [] {
        const char* text = std::getenv("HEARTS_SEARCH_ITERATIONS");
        if (text == nullptr) {
            return kIterations;
        }
        char* end = nullptr;
        const long told = std::strtol(text, &end, 10);
        return end != text && *end == '\0' && told >= 1 && told <= 1000000 ? static_cast<int>(told)
                                                                           : kIterations;
    }();
    return iterations;
}

std::uint64_t decisionSeed(std::uint32_t gameSeed, int roundNumber, const Round& round, int seat) {
    SearchRandom mix{(static_cast<std::uint64_t>(gameSeed) << 32) ^
                     (static_cast<std::uint64_t>(roundNumber) << 8) ^
                     static_cast<std::uint64_t>(seat)};
    mix.state ^= round.playedCards * 0x9E3779B97F4A7C15ull;
    return mix.next();
}

std::array<int, 3> strongPass(const Hand& hand) {
    const CardMask held = hand.held();
    const int spadesBelowQueen = std::popcount(held & suitCards(kSpades) & (bit(kQueen) - 1));
    const bool holdsQueen = (held & bit(kQueen)) != 0;
    std::array<int, 53> danger{};
    for (CardMask left = held; left != 0; left &= left - 1) {
        const int card = std::countr_zero(left);
        const int suit = getsuit(card);
        const int inSuit = std::popcount(held & suitCards(suit));
        int score = rankOf(card);
        if (suit == kSpades) {
            if (card == kQueen) {
                score = spadesBelowQueen >= 4 ? 0 : 100;
            } else if (card > kQueen) {
                score = spadesBelowQueen >= 4 ? 4 : holdsQueen ? 60 : 50;
            } else {
                score = -10; // low spades guard against the queen
            }
        } else if (suit == kHearts) {
            score += 3;
        } else if (inSuit <= 2) {
            score += 8; // a suit to empty, then throw points on it
        }
        danger[static_cast<std::size_t>(card)] = score;
    }
    std::array<int, 3> chosen{};
    CardMask left = held;
    for (int& slot : chosen) {
        int best = 0;
        for (CardMask scan = left; scan != 0; scan &= scan - 1) {
            const int card = std::countr_zero(scan);
            if (best == 0 ||
                danger[static_cast<std::size_t>(card)] > danger[static_cast<std::size_t>(best)]) {
                best = card;
            }
        }
        slot = hand.slotOf(best);
        left &= ~bit(best);
    }
    return chosen;
}

Card strongCard(const SeatView& view, std::uint64_t seed, const SearchBudget& budget) {
    const Round seen = roundFrom(view);
    const CardMask legal = legalCards(view.hand.held(), seen.position());
    if (legal == 0) {
        return kNoCard;
    }
    if ((legal & (legal - 1)) == 0) {
        return std::countr_zero(legal);
    }
    const auto started = std::chrono::steady_clock::now();
    const auto deadline = started + std::chrono::milliseconds(budget.maxMilliseconds);
    const int seat = view.seat;
    // An opponent with every point so far may be running: its deals hold
    // more high cards, and every seat in the tree fears its moon.
    const int threat = soleTaker(view.points);
    const bool threatened = threat >= 1 && threat <= kSeats && threat != seat;
    Knowledge knowledge = knowledgeOf(view);
    SearchBudget searched = budget;
    if (threatened) {
        knowledge.favoured = threat;
        knowledge.favour = budget.moonFavour;
        knowledge.favouredCards = kHighCards;
    } else {
        searched.moonFear = 0;
    }
    SearchRandom random{seed};

    // The moon is weighed once this seat has taken enough points and nobody
    // else any: the rollouts, with the others stopping a run they see, say
    // whether running for it pays.
    const int taken = view.points[static_cast<std::size_t>(seat)];
    const bool tryMoon = threat == seat && taken >= budget.moonFrom;
    MoonPlan others;
    others.runFrom = budget.runFrom;
    others.seenFrom = budget.seenFrom;
    others.planner = seat;
    others.stoppers = 1u << seat;
    MoonPlan mine = others;
    mine.shooter = seat;
    mine.stoppers = 0x1Eu & ~(1u << seat);
    const TreeResults stay = searchTree(seen, seat, knowledge, random, searched, deadline, others);
    Card best = mostTried(stay, legal);
    if (tryMoon && best != kNoCard) {
        // Running for the moon is the other plan: its best line against the
        // usual one's, from a tree of half the size (a yes or a no), in
        // which the others fear this seat's moon.
        SearchBudget half = budget;
        half.iterations = std::max(1, budget.iterations / 2);
        const TreeResults run = searchTree(seen, seat, knowledge, random, half, deadline, mine);
        const Card runCard = mostTried(run, legal);
        if (runCard != kNoCard && run.value[static_cast<std::size_t>(runCard)] >
                                      stay.value[static_cast<std::size_t>(best)]) {
            best = runCard;
        }
    }
    return best != kNoCard ? best : rolloutCard(seen, legal);
}

int strongPlay(const Round& round, int seat, std::uint64_t seed, const SearchBudget& budget) {
    const Card card = strongCard(seatView(round, seat), seed, budget);
    return card == kNoCard ? 0 : round.hands[static_cast<std::size_t>(seat)].slotOf(card);
}

} // namespace hearts
