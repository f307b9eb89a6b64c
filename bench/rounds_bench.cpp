// Computer-only rounds through the rules alone, on one core: the deal, three
// passes, thirteen tricks and the score, with no text. A search that plays
// rounds out needs this to be fast.
#include "players.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ComputerRounds(benchmark::State& state) {
    hearts::Random random{1};
    hearts::Round round;
    int roundNumber = 0;
    long moons = 0;
    for (auto _ : state) {
        // The passing direction turns with the round number, as in a game.
        roundNumber = roundNumber % 4 + 1;
        hearts::playComputerRound(round, roundNumber, false, random);
        moons += round.points[1] == 0 && round.points[2] == 26 ? 1 : 0;
        benchmark::DoNotOptimize(round.points);
    }
    state.counters["rounds/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    benchmark::DoNotOptimize(moons);
}
BENCHMARK(BM_ComputerRounds);

} // namespace

BENCHMARK_MAIN();
