#pragma once

#include "sampling.h"
#include "strong.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <limits>

// The first Strong search's loop: deals of the unseen cards, each legal card
// played in every deal and the round played out, and the card that cost
// the seat the fewest points.
namespace hearts {

// `playOut(line, moon)` plays the round on from the seat after `seat` and
// scores it, the usual way or, when `moon`, with the seat running for every
// point (asked only when `withMoon`). Each card's cost is the cheaper of
// its two ways. Answers the cheapest card, or 0 when no deal agreed with
// what the seat knows.
template <typename PlayOut>
Card cheapestCard(const Round& base, int seat, CardMask legal, const Knowledge& knowledge,
                  SearchRandom& random, const SearchBudget& budget,
                  std::chrono::steady_clock::time_point deadline, bool withMoon, PlayOut playOut) {
    std::array<int, 13> candidates{};
    int candidateCount = 0;
    for (CardMask left = legal; left != 0; left &= left - 1) {
        candidates[static_cast<std::size_t>(candidateCount++)] = std::countr_zero(left);
    }
    std::array<long, 13> cost{};
    std::array<long, 13> moonCost{};
    Round sample = base;
    std::array<CardMask, kSeats + 1> hands{};
    int samples = 0;
    while (samples < budget.samples && std::chrono::steady_clock::now() < deadline) {
        if (!sampleHands(knowledge, random, hands)) {
            break;
        }
        for (int other = 1; other <= kSeats; ++other) {
            if (other != seat) {
                replaceHand(sample.hands[static_cast<std::size_t>(other)],
                            hands[static_cast<std::size_t>(other)]);
            }
        }
        // This seat's points when it plays the card and the round is played out.
        auto pointsAfter = [&](int card, bool moon) {
            Round line = sample;
            line.leadTwoOfClubs = false;
            playCard(line, seat, line.hands[static_cast<std::size_t>(seat)].slotOf(card));
            playOut(line, moon);
            return line.points[static_cast<std::size_t>(seat)];
        };
        for (int i = 0; i < candidateCount; ++i) {
            const int card = candidates[static_cast<std::size_t>(i)];
            cost[static_cast<std::size_t>(i)] += pointsAfter(card, false);
            if (withMoon) {
                moonCost[static_cast<std::size_t>(i)] += pointsAfter(card, true);
            }
        }
        ++samples;
    }
    if (samples == 0) {
        return kNoCard;
    }
    int best = 0;
    long bestCost = std::numeric_limits<long>::max();
    for (int i = 0; i < candidateCount; ++i) {
        long c = cost[static_cast<std::size_t>(i)];
        if (withMoon) {
            c = std::min(c, moonCost[static_cast<std::size_t>(i)]);
        }
        if (c < bestCost) {
            bestCost = c;
            best = candidates[static_cast<std::size_t>(i)];
        }
    }
    return best;
}

} // namespace hearts
