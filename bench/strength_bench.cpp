// The Strong computer player against the Classic ones, as duplicate: every
// hand is dealt from its own seed and played twice with the same passing
// direction, once with one Strong seat among three Classic and once with
// that seat Classic too. The Strong seat goes round the four places.
//
//   strength_bench [--hands N] [--samples K] [--seed S] [--pass-only]
//
// (--pass-only: the Strong seat passes as Strong but plays as Classic)
//
// prints the seat's mean points per hand both ways, the difference with its
// 95 % confidence interval, the moons, and the Strong decisions' times.
#include "players.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Outcome {
    int points = 0;
    int moon = 0; // the seat that shot the moon, or 0
};

// One hand; `seat` is the seat measured, Strong when `strong`.
Outcome playHand(std::uint32_t seed, int roundNumber, int seat, bool strong,
                 const hearts::SearchBudget& budget, hearts::SearchStats& stats, bool passOnly) {
    hearts::RoundPlayers players;
    players.strongCards = !passOnly;
    players.stats = &stats;
    players.gameSeed = seed;
    players.budget = budget;
    if (strong) {
        players.levels[static_cast<std::size_t>(seat)] = hearts::Level::Strong;
    }
    hearts::Random random{seed};
    hearts::Round round;
    Outcome outcome;
    outcome.moon = hearts::playRound(round, roundNumber, false, random, players);
    outcome.points = round.points[static_cast<std::size_t>(seat)];
    return outcome;
}

long argument(int argc, char** argv, const char* name, long fallback) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) {
            char* end = nullptr;
            const long value = std::strtol(argv[i + 1], &end, 10);
            if (end == argv[i + 1] || *end != '\0' || value < 0) {
                std::fprintf(stderr, "%s wants a number, not '%s'\n", name, argv[i + 1]);
                std::exit(2);
            }
            return value;
        }
    }
    return fallback;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::puts("usage: strength_bench [--hands N] [--samples K] [--seed S] [--pass-only]");
            return 0;
        }
    }
    bool passOnly = false;
    for (int i = 1; i < argc; ++i) {
        passOnly = passOnly || std::strcmp(argv[i], "--pass-only") == 0;
    }
    const long hands = argument(argc, argv, "--hands", 1000);
    const auto firstSeed = static_cast<std::uint32_t>(argument(argc, argv, "--seed", 1));
    hearts::SearchBudget budget;
    budget.samples = static_cast<int>(argument(argc, argv, "--samples", budget.samples));

    double sumStrong = 0;
    double sumClassic = 0;
    double sumDiff = 0;
    double sumDiffSquared = 0;
    long moonsByStrong = 0;
    long moonsAgainstStrong = 0;
    long moonsByClassic = 0;
    long moonsAgainstClassic = 0;
    hearts::SearchStats stats;
    const auto started = std::chrono::steady_clock::now();
    for (long hand = 0; hand < hands; ++hand) {
        const auto seed = static_cast<std::uint32_t>(firstSeed + hand);
        const int seat = static_cast<int>(hand % hearts::kSeats) + 1;
        // Round numbers 1..4 turn the passing direction: left, right,
        // across, none.
        const int roundNumber = static_cast<int>(hand / hearts::kSeats % 4) + 1;
        const Outcome strong = playHand(seed, roundNumber, seat, true, budget, stats, passOnly);
        const Outcome classic = playHand(seed, roundNumber, seat, false, budget, stats, passOnly);
        const double a = strong.points;
        const double b = classic.points;
        sumStrong += a;
        sumClassic += b;
        sumDiff += a - b;
        sumDiffSquared += (a - b) * (a - b);
        moonsByStrong += strong.moon == seat;
        moonsAgainstStrong += strong.moon != 0 && strong.moon != seat;
        moonsByClassic += classic.moon == seat;
        moonsAgainstClassic += classic.moon != 0 && classic.moon != seat;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const double n = static_cast<double>(hands);
    const double meanDiff = sumDiff / n;
    const double variance = hands > 1 ? (sumDiffSquared - n * meanDiff * meanDiff) / (n - 1) : 0;
    const double halfWidth = 1.96 * std::sqrt(variance / n);
    const double meanClassic = sumClassic / n;
    std::printf("hands %ld, %d samples a decision, %.1f s (%.2f ms a Strong hand)\n", hands,
                budget.samples, seconds, 1000 * seconds / n);
    std::printf("seat Strong:  %.3f points a hand\n", sumStrong / n);
    std::printf("seat Classic: %.3f points a hand\n", meanClassic);
    std::printf("difference:   %+.3f points a hand, 95%% CI [%+.3f, %+.3f]\n", meanDiff,
                meanDiff - halfWidth, meanDiff + halfWidth);
    if (meanClassic > 0) {
        std::printf("Strong takes %.1f%% fewer points (95%% CI %.1f%% .. %.1f%%)\n",
                    -100 * meanDiff / meanClassic, -100 * (meanDiff + halfWidth) / meanClassic,
                    -100 * (meanDiff - halfWidth) / meanClassic);
    }
    std::printf("moons with the seat Strong:  shot by it %ld, against it %ld\n", moonsByStrong,
                moonsAgainstStrong);
    std::printf("moons with the seat Classic: shot by it %ld, against it %ld\n", moonsByClassic,
                moonsAgainstClassic);
    if (stats.decisions > 0) {
        std::printf(
            "Strong decisions: %ld, %.2f ms on average, the slowest %.1f ms (limit %d ms)\n",
            stats.decisions, stats.totalMilliseconds / static_cast<double>(stats.decisions),
            stats.slowestMilliseconds, budget.maxMilliseconds);
    }
    return 0;
}
