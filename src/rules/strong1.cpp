// The Strong player as it stood when the moons came in, kept unchanged as
// the yardstick of the searches that follow it.
#include "strong1.h"

#include "rollout.h"
#include "sampling.h"

#include <bit>
#include <chrono>
#include <limits>

namespace hearts {

int strong1Play(const Round& round, int seat, std::uint64_t seed, const SearchBudget& budget) {
    const Hand& hand = round.hands[static_cast<std::size_t>(seat)];
    const CardMask legal = legalCards(hand.held(), round.position());
    if (legal == 0) {
        return 0;
    }
    if ((legal & (legal - 1)) == 0) {
        return hand.slotOf(std::countr_zero(legal));
    }
    const auto started = std::chrono::steady_clock::now();
    const auto deadline = started + std::chrono::milliseconds(budget.maxMilliseconds);
    const Knowledge knowledge = knowledgeOf(seatView(round, seat));
    SearchRandom random{seed};

    std::array<int, 13> candidates{};
    int candidateCount = 0;
    for (CardMask left = legal; left != 0; left &= left - 1) {
        candidates[static_cast<std::size_t>(candidateCount++)] = std::countr_zero(left);
    }
    // Taking every point is weighed only while this seat has taken them all.
    const int taken = round.points[static_cast<std::size_t>(seat)];
    const bool tryMoon =
        taken > 0 && (round.pointsTaker == seat || round.pointsTaker == 0) && taken >= 8;
    std::array<long, 13> cost{};
    std::array<long, 13> moonCost{};

    Round sample = round;
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
        // This seat's points when it plays the card and the round is played
        // out (with this seat running for every point when it shoots).
        auto pointsAfter = [&](int card, int shooter) {
            Round line = sample;
            line.leadTwoOfClubs = false;
            playCard(line, seat, line.hands[static_cast<std::size_t>(seat)].slotOf(card));
            playOut(line, seat % kSeats + 1, shooter);
            return line.points[static_cast<std::size_t>(seat)];
        };
        for (int i = 0; i < candidateCount; ++i) {
            const int card = candidates[static_cast<std::size_t>(i)];
            cost[static_cast<std::size_t>(i)] += pointsAfter(card, 0);
            if (tryMoon) {
                moonCost[static_cast<std::size_t>(i)] += pointsAfter(card, seat);
            }
        }
        ++samples;
    }
    if (samples == 0) {
        return hand.slotOf(rolloutCard(round, legal));
    }
    int best = 0;
    long bestCost = std::numeric_limits<long>::max();
    for (int i = 0; i < candidateCount; ++i) {
        long c = cost[static_cast<std::size_t>(i)];
        if (tryMoon) {
            c = std::min(c, moonCost[static_cast<std::size_t>(i)]);
        }
        if (c < bestCost) {
            bestCost = c;
            best = candidates[static_cast<std::size_t>(i)];
        }
    }
    return hand.slotOf(best);
}

} // namespace hearts
