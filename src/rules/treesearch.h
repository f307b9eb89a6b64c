#pragma once

#include "rollout.h"
#include "sampling.h"
#include "strong.h"

#include <chrono>

// The Strong player's look-ahead: a game tree of what its seat knows, grown
// by UCT over deals of the unseen cards (information-set UCT), every seat
// choosing its own cards to take the fewest points, and the rollouts'
// policies below the tree.
namespace hearts {

// The card of `seat` tried most often at the tree's root after
// `budget.iterations` deals, or 0 when no deal agreed with what the seat
// knows. Below the tree the round is played out as `plan` says.
Card treeSearchCard(const Round& base, int seat, CardMask legal, const Knowledge& knowledge,
                    SearchRandom& random, const SearchBudget& budget,
                    std::chrono::steady_clock::time_point deadline, const MoonPlan& plan);

} // namespace hearts
