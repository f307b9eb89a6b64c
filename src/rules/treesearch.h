#pragma once

#include "rollout.h"
#include "sampling.h"
#include "strong.h"

#include <array>
#include <chrono>

// The Strong player's look-ahead: a game tree of what its seat knows, grown
// by UCT over deals of the unseen cards (information-set UCT), every seat
// choosing its own cards to take the fewest points, and the rollouts'
// policies below the tree.
namespace hearts {

// What the tree found at its root: for each card (by card number) how often
// it was tried and the seat's average result from it (0 to 1, 1 for no
// points).
struct TreeResults {
    std::array<int, 53> visits{};
    std::array<double, 53> value{};
    int iterations = 0; // 0: no deal agreed with what the seat knows
};

// Grows the tree from `seat`'s turn over `budget.iterations` deals (fewer
// at the deadline); below it the round is played out as `plan` says.
TreeResults searchTree(const Round& base, int seat, const Knowledge& knowledge,
                       SearchRandom& random, const SearchBudget& budget,
                       std::chrono::steady_clock::time_point deadline, const MoonPlan& plan);

// The legal card tried most often, 0 when the tree saw no deal.
Card mostTried(const TreeResults& results, CardMask legal);

} // namespace hearts
