#pragma once

#include "round.h"

#include <cstdint>

// The process's one pseudo-random generator (hearts::Random): host and
// client draw from the same sequence, so a fixed seed replays a game
// exactly.
namespace processrandom {

void setSeed(std::uint32_t seed);
std::uint32_t seed();
// A value from 0 to n - 1.
int draw(int n);
// The generator itself, for the rules that draw.
hearts::Random& generator();
// A seed from the clock, as taken at start-up.
std::uint32_t clockSeed();

} // namespace processrandom
