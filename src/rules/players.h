#pragma once

#include "round.h"
#include "strong.h"
#include "strong1.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// Who plays a computer seat, and a round played through by computer seats
// alone: for searches, benchmarks and the tests of the players.
namespace hearts {

// How a computer seat plays. Classic is the fixed rules of classic.cpp,
// Strong the search of strong.cpp; Strong1 the first Strong search, kept
// as a yardstick for the benchmarks and never offered at a table.
enum class Level : std::uint8_t { Classic, Strong, Strong1 };

// "classic", "strong" or "strong1" (any case); nothing for another word.
std::optional<Level> levelNamed(std::string_view name);
const char* levelName(Level level);

// How long the Strong decisions of rounds played through took.
struct SearchStats {
    long decisions = 0;
    double totalMilliseconds = 0;
    double slowestMilliseconds = 0;
};

// Who plays each seat of a round played through without a table.
struct RoundPlayers {
    std::array<Level, kSeats + 1> levels{}; // [1..4]; Classic unless told
    std::uint32_t gameSeed = 0;             // for the Strong seats' decisions
    SearchBudget budget{};                  // the Strong seats'
    SearchBudget budget1{};                 // the Strong1 seats'
    SearchStats* stats = nullptr;           // when set, the Strong decisions are timed
    SearchStats* stats1 = nullptr;          // and the Strong1 decisions
    // Off: the Strong seats pass by their rule but play by the classic
    // rules, which measures the pass alone.
    bool strongCards = true;
};

// The slot a searching level (Strong or Strong1) plays now.
int searchPlay(Level level, const Round& round, int seat, std::uint64_t seed,
               const SearchBudget& budget = {});

// A whole round from the deal to the score, with no text: the passes and
// cards of each seat as its level chooses. Answers the moon's seat or 0.
int playRound(Round& round, int roundNumber, bool safeFirstTrick, Random& random,
              const RoundPlayers& players);

// A whole round of four Classic seats, from the deal to the score.
void playComputerRound(Round& round, int roundNumber, bool safeFirstTrick, Random& random);

} // namespace hearts
