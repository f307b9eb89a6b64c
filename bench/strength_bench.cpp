// Two computer levels measured in duplicate play: every hand is dealt from
// its own seed and played twice with the same passing direction, once with
// the measured seat at level A among three seats at level B, and once with
// that seat at level B too. The measured seat goes round the four places.
//
//   strength_bench [--levels A,B] [--hands N] [--iterations K] [--seed S]
//                  [--jobs J] [--rules jack,queen,subtract,nohold]
//                  [--pass-only] [--exploration C] [--run-from P] [--seen-from P]
//                  [--moon-from P] [--moon-fear F] [--moon-favour W]
//
// Levels: strong, strong1 (the first Strong search, kept as a yardstick),
// classic; the default is strong,classic. --iterations sets the Strong seats'
// deals a decision (its tree's iterations) and --exploration its UCT
// constant; --rules plays house rules (the jack of diamonds -10, the queen
// breaks hearts, the moon subtracts 26, no hand without passing);
// --pass-only has searching seats pass by their rule but play as Classic;
// --run-from, --seen-from and --moon-from set the Strong search's moon
// thresholds, --moon-fear and --moon-favour its guard against an opponent
// with every point so far (see SearchBudget).
//
// Prints the seat's mean points a hand both ways, the difference with its
// 95 % confidence interval, the moons shot by and against the seat both
// ways with their 95 % intervals, and the decisions' times of each level.
#include "players.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Outcome {
    int points = 0;
    int moon = 0; // the seat that shot the moon, or 0
};

struct Setup {
    hearts::Level measured = hearts::Level::Strong;
    hearts::Level others = hearts::Level::Classic;
    hearts::SearchBudget budget;
    hearts::HouseRules rules;
    bool passOnly = false;
};

// Per level: the decisions' times of one worker.
struct Times {
    hearts::SearchStats strong;
    hearts::SearchStats strong1;
};

Outcome playHand(const Setup& setup, std::uint32_t seed, int roundNumber, int seat,
                 hearts::Level measured, Times& times) {
    hearts::RoundPlayers players;
    players.strongCards = !setup.passOnly;
    players.stats = &times.strong;
    players.stats1 = &times.strong1;
    players.gameSeed = seed;
    players.budget = setup.budget;
    players.levels.fill(setup.others);
    players.levels[static_cast<std::size_t>(seat)] = measured;
    hearts::Random random{seed};
    hearts::Round round;
    round.rules = setup.rules;
    Outcome outcome;
    outcome.moon = hearts::playRound(round, roundNumber, false, random, players);
    outcome.points = round.points[static_cast<std::size_t>(seat)];
    return outcome;
}

const char* value(int argc, char** argv, const char* name) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) {
            return argv[i + 1];
        }
    }
    return nullptr;
}

long argument(int argc, char** argv, const char* name, long fallback) {
    const char* text = value(argc, argv, name);
    if (text == nullptr) {
        return fallback;
    }
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || number < 0) {
        std::fprintf(stderr, "%s wants a number, not '%s'\n", name, text);
        std::exit(2);
    }
    return number;
}

hearts::Level level(const std::string& name) {
    const auto found = hearts::levelNamed(name);
    if (!found) {
        std::fprintf(stderr, "no level '%s' (strong, strong1, classic)\n", name.c_str());
        std::exit(2);
    }
    return *found;
}

// A mean and the half width of its 95 % interval.
struct Estimate {
    double mean = 0;
    double halfWidth = 0;
};
Estimate estimate(const std::vector<double>& values) {
    const auto n = static_cast<double>(values.size());
    Estimate e;
    if (values.empty()) {
        return e;
    }
    double sum = 0;
    for (double v : values) {
        sum += v;
    }
    e.mean = sum / n;
    double squares = 0;
    for (double v : values) {
        squares += (v - e.mean) * (v - e.mean);
    }
    e.halfWidth = values.size() > 1 ? 1.96 * std::sqrt(squares / (n - 1) / n) : 0;
    return e;
}

void printRate(const char* what, const std::vector<double>& a, const std::vector<double>& b,
               const char* nameA, const char* nameB) {
    const Estimate ea = estimate(a);
    const Estimate eb = estimate(b);
    std::vector<double> diff(a.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        diff[i] = a[i] - b[i];
    }
    const Estimate ed = estimate(diff);
    std::printf("%s per 1000 hands: %s %.1f [%.1f, %.1f], %s %.1f [%.1f, %.1f], "
                "difference %+.1f [%+.1f, %+.1f]\n",
                what, nameA, 1000 * ea.mean, 1000 * (ea.mean - ea.halfWidth),
                1000 * (ea.mean + ea.halfWidth), nameB, 1000 * eb.mean,
                1000 * (eb.mean - eb.halfWidth), 1000 * (eb.mean + eb.halfWidth), 1000 * ed.mean,
                1000 * (ed.mean - ed.halfWidth), 1000 * (ed.mean + ed.halfWidth));
}

void printTimes(const char* name, const hearts::SearchStats& stats, int limit) {
    if (stats.decisions > 0) {
        std::printf("%s decisions: %ld, %.2f ms on average, the slowest %.1f ms (limit %d ms)\n",
                    name, stats.decisions,
                    stats.totalMilliseconds / static_cast<double>(stats.decisions),
                    stats.slowestMilliseconds, limit);
    }
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::puts(
                "usage: strength_bench [--levels A,B] [--hands N] [--iterations K] [--seed S]\n"
                "                      [--jobs J] [--rules jack,queen,subtract,nohold]\n"
                "                      [--pass-only] [--exploration C] [--run-from P]\n"
                "                      [--seen-from P] [--moon-from P] [--moon-fear F]\n"
                "                      [--moon-favour W]\n"
                "levels: strong, strong1, classic");
            return 0;
        }
    }
    Setup setup;
    for (int i = 1; i < argc; ++i) {
        setup.passOnly = setup.passOnly || std::strcmp(argv[i], "--pass-only") == 0;
    }
    if (const char* levels = value(argc, argv, "--levels")) {
        const std::string text = levels;
        const std::size_t comma = text.find(',');
        if (comma == std::string::npos) {
            std::fprintf(stderr, "--levels wants two levels: A,B\n");
            return 2;
        }
        setup.measured = level(text.substr(0, comma));
        setup.others = level(text.substr(comma + 1));
    }
    if (const char* rules = value(argc, argv, "--rules")) {
        const auto named = hearts::houseRulesNamed(rules);
        if (!named) {
            std::fprintf(stderr, "--rules wants names from jack,queen,subtract,nohold\n");
            return 2;
        }
        setup.rules = *named;
    }
    const long hands = argument(argc, argv, "--hands", 1000);
    const auto firstSeed = static_cast<std::uint32_t>(argument(argc, argv, "--seed", 1));
    const long jobs = std::max(1L, argument(argc, argv, "--jobs", 1));
    setup.budget.iterations =
        static_cast<int>(argument(argc, argv, "--iterations", setup.budget.iterations));
    if (const char* exploration = value(argc, argv, "--exploration")) {
        setup.budget.exploration = std::atof(exploration);
    }
    setup.budget.runFrom =
        static_cast<int>(argument(argc, argv, "--run-from", setup.budget.runFrom));
    setup.budget.seenFrom =
        static_cast<int>(argument(argc, argv, "--seen-from", setup.budget.seenFrom));

    setup.budget.moonFrom =
        static_cast<int>(argument(argc, argv, "--moon-from", setup.budget.moonFrom));
    if (const char* fear = value(argc, argv, "--moon-fear")) {
        setup.budget.moonFear = std::atof(fear);
    }
    setup.budget.moonFavour =
        static_cast<int>(argument(argc, argv, "--moon-favour", setup.budget.moonFavour));
    const auto count = static_cast<std::size_t>(hands);
    std::vector<double> pointsA(count), pointsB(count), moonsByA(count), moonsByB(count),
        moonsAgainstA(count), moonsAgainstB(count);
    std::vector<Times> times(static_cast<std::size_t>(jobs));
    const auto started = std::chrono::steady_clock::now();
    std::vector<std::thread> workers;
    for (long job = 0; job < jobs; ++job) {
        workers.emplace_back([&, job] {
            Times& mine = times[static_cast<std::size_t>(job)];
            for (long hand = job; hand < hands; hand += jobs) {
                const auto seed = static_cast<std::uint32_t>(firstSeed + hand);
                const int seat = static_cast<int>(hand % hearts::kSeats) + 1;
                // Round numbers 1..4 turn the passing direction.
                const int roundNumber = static_cast<int>(hand / hearts::kSeats % 4) + 1;
                const Outcome a = playHand(setup, seed, roundNumber, seat, setup.measured, mine);
                const Outcome b = playHand(setup, seed, roundNumber, seat, setup.others, mine);
                const auto at = static_cast<std::size_t>(hand);
                pointsA[at] = a.points;
                pointsB[at] = b.points;
                moonsByA[at] = a.moon == seat;
                moonsByB[at] = b.moon == seat;
                moonsAgainstA[at] = a.moon != 0 && a.moon != seat;
                moonsAgainstB[at] = b.moon != 0 && b.moon != seat;
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const char* nameA = hearts::levelName(setup.measured);
    const char* nameB = hearts::levelName(setup.others);
    std::printf("%s against %s: %ld hands in duplicate, %d deals a Strong decision, %.1f s\n",
                nameA, nameB, hands, setup.budget.iterations, seconds);
    std::vector<double> diff(count);
    for (std::size_t i = 0; i < count; ++i) {
        diff[i] = pointsA[i] - pointsB[i];
    }
    const Estimate ea = estimate(pointsA);
    const Estimate eb = estimate(pointsB);
    const Estimate ed = estimate(diff);
    std::printf("seat %s: %.3f points a hand [%.3f, %.3f]\n", nameA, ea.mean,
                ea.mean - ea.halfWidth, ea.mean + ea.halfWidth);
    std::printf("seat %s: %.3f points a hand [%.3f, %.3f]\n", nameB, eb.mean,
                eb.mean - eb.halfWidth, eb.mean + eb.halfWidth);
    std::printf("difference: %+.3f points a hand, 95%% CI [%+.3f, %+.3f]\n", ed.mean,
                ed.mean - ed.halfWidth, ed.mean + ed.halfWidth);
    if (eb.mean > 0) {
        std::printf("%s takes %.1f%% fewer points (95%% CI %.1f%% .. %.1f%%)\n", nameA,
                    -100 * ed.mean / eb.mean, -100 * (ed.mean + ed.halfWidth) / eb.mean,
                    -100 * (ed.mean - ed.halfWidth) / eb.mean);
    }
    printRate("moons shot against the seat", moonsAgainstA, moonsAgainstB, nameA, nameB);
    printRate("moons shot by the seat", moonsByA, moonsByB, nameA, nameB);
    Times total;
    for (const Times& t : times) {
        for (auto [from, to] :
             {std::pair{&t.strong, &total.strong}, {&t.strong1, &total.strong1}}) {
            to->decisions += from->decisions;
            to->totalMilliseconds += from->totalMilliseconds;
            to->slowestMilliseconds = std::max(to->slowestMilliseconds, from->slowestMilliseconds);
        }
    }
    printTimes("strong", total.strong, setup.budget.maxMilliseconds);
    printTimes("strong1", total.strong1, setup.budget.maxMilliseconds);
    return 0;
}
