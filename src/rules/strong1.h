#pragma once

#include "strong.h"

namespace hearts {

// The first Strong player: samples deals, rolls every legal card out with
// every seat ducking, and weighs the moon only after taking eight points
// alone. Kept as it was, as a fixed opponent to measure the Strong player
// against ("strong1").
int strong1Play(const Round& round, int seat, std::uint64_t seed, const SearchBudget& budget = {});

} // namespace hearts
