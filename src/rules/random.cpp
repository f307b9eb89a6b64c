#include "random.h"

#include <chrono>

namespace hearts {

void Random::skip(int count) {
    // The computer's lead makes a hundred draws when none can hit.
    static constexpr Jump kHundred = jumpOf(100);
    if (count == 100) {
        seed = seed * kHundred.multiply + kHundred.add;
        return;
    }
    for (int i = 0; i < count; ++i) {
        draw(1);
    }
}

} // namespace hearts

namespace processrandom {

namespace {
hearts::Random g_random;
}

void setSeed(std::uint32_t seed) {
    g_random.seed = seed;
}

std::uint32_t seed() {
    return g_random.seed;
}

int draw(int n) {
    return g_random.draw(n);
}

hearts::Random& generator() {
    return g_random;
}

std::uint32_t clockSeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace processrandom
