#include "random.h"

#include <chrono>

namespace processrandom {

namespace {
std::uint32_t g_seed = 0;
}

void setSeed(std::uint32_t seed) {
    g_seed = seed;
}

std::uint32_t seed() {
    return g_seed;
}

int draw(int n) {
    g_seed = g_seed * 134775813u + 1u;
    return static_cast<int>((static_cast<std::uint64_t>(g_seed) * static_cast<std::uint32_t>(n)) >>
                            32);
}

std::uint32_t clockSeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace processrandom
