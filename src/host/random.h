#pragma once

#include <cstdint>

// The process's one pseudo-random generator: seed := seed * 134775813 + 1
// (mod 2^32); a draw from n values is the upper half of the 64-bit product of
// the new seed and n. Host and client draw from the same sequence, so a
// fixed seed replays a game exactly.
namespace processrandom {

void setSeed(std::uint32_t seed);
std::uint32_t seed();
// A value from 0 to n - 1.
int draw(int n);
// A seed from the clock, as taken at start-up.
std::uint32_t clockSeed();

} // namespace processrandom
