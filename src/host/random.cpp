#include "random.h"

#include <chrono>

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
