#pragma once

#include <cstdint>

namespace hearts {

// The game's generator as a value: seed := seed * 134775813 + 1 (mod 2^32);
// a draw from n values is the upper half of the 64-bit product of the new
// seed and n.
struct Random {
    std::uint32_t seed = 0;
    int draw(int n) {
        seed = seed * 134775813u + 1u;
        return static_cast<int>(
            (static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(n)) >> 32);
    }
    // As many draws as `count`, whatever they would have drawn, at once.
    void skip(int count);
};

// The generator's step taken n times: seed := A^n * seed + C_n.
struct Jump {
    std::uint32_t multiply = 1;
    std::uint32_t add = 0;
};

constexpr Jump jumpOf(int steps) {
    Jump jump;
    for (int i = 0; i < steps; ++i) {
        jump.multiply *= 134775813u;
        jump.add = jump.add * 134775813u + 1u;
    }
    return jump;
}

} // namespace hearts

// The process's one generator: host and client draw from the same
// sequence, so a fixed seed replays a game exactly.
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
