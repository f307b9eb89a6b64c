// The Strong player as it stood when the moons came in, kept unchanged as
// the yardstick of the searches that follow it.
#include "strong1.h"

#include "rollout.h"
#include "search.h"

#include <bit>
#include <chrono>

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
    // Taking every point is weighed only while this seat has taken them all.
    const int taken = round.points[static_cast<std::size_t>(seat)];
    const bool tryMoon =
        taken > 0 && (round.pointsTaker == seat || round.pointsTaker == 0) && taken >= 8;
    const Card best = cheapestCard(
        round, seat, legal, knowledge, random, budget, deadline, tryMoon,
        [seat](Round& line, bool moon) { playOut(line, seat % kSeats + 1, moon ? seat : 0); });
    return hand.slotOf(best != kNoCard ? best : rolloutCard(round, legal));
}

} // namespace hearts
