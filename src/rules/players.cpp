// Rounds played through by computer seats, each by its level.
#include "players.h"

#include "classic.h"

#include <algorithm>
#include <cctype>
#include <chrono>

namespace hearts {

std::optional<Level> levelNamed(std::string_view name) {
    std::string lower;
    for (char c : name) {
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (lower == "classic") {
        return Level::Classic;
    }
    if (lower == "strong") {
        return Level::Strong;
    }
    if (lower == "strong1") {
        return Level::Strong1;
    }
    return std::nullopt;
}

const char* levelName(Level level) {
    switch (level) {
    case Level::Strong:
        return "strong";
    case Level::Strong1:
        return "strong1";
    case Level::Classic:
        break;
    }
    return "classic";
}

int searchPlay(Level level, const Round& round, int seat, std::uint64_t seed,
               const SearchBudget& budget) {
    return level == Level::Strong1 ? strong1Play(round, seat, seed, budget)
                                   : strongPlay(round, seat, seed, budget);
}

int playRound(Round& round, int roundNumber, bool safeFirstTrick, Random& random,
              const RoundPlayers& players) {
    auto level = [&](int seat) { return players.levels[static_cast<std::size_t>(seat)]; };
    auto strong = [&](int seat) { return level(seat) != Level::Classic; };
    startRound(round, roundNumber, safeFirstTrick);
    deal(round, random);
    if (round.passDirection != 0) {
        round.phase = Phase::Pass;
        for (int seat = 1; seat <= kSeats; ++seat) {
            const Hand& hand = round.hands[static_cast<std::size_t>(seat)];
            choosePass(round, seat, strong(seat) ? strongPass(hand) : computerPass(hand));
        }
        exchangePasses(round);
    }
    int seat = beginPlay(round);
    // The computer's choices are legal by their rules (the host checks them
    // all the same); here they are simply played.
    for (int trick = 0; trick < kSlots && seat != 0; ++trick) {
        for (int card = 0; card < kSeats; ++card) {
            int slot = 0;
            if (strong(seat) && players.strongCards) {
                const auto started = std::chrono::steady_clock::now();
                const std::uint64_t seed = decisionSeed(players.gameSeed, roundNumber, round, seat);
                const bool first = level(seat) == Level::Strong1;
                slot = searchPlay(level(seat), round, seat, seed,
                                  first ? players.budget1 : players.budget);
                if (SearchStats* stats = first ? players.stats1 : players.stats) {
                    const double ms = std::chrono::duration<double, std::milli>(
                                          std::chrono::steady_clock::now() - started)
                                          .count();
                    ++stats->decisions;
                    stats->totalMilliseconds += ms;
                    stats->slowestMilliseconds = std::max(stats->slowestMilliseconds, ms);
                }
            } else {
                slot = computerPlay(round, seat, random);
            }
            if (slot == 0) {
                return 0;
            }
            round.leadTwoOfClubs = false;
            playCard(round, seat, slot);
            seat = seat % kSeats + 1;
        }
        seat = endTrick(round).taker;
    }
    return scoreRound(round);
}

void playComputerRound(Round& round, int roundNumber, bool safeFirstTrick, Random& random) {
    playRound(round, roundNumber, safeFirstTrick, random, RoundPlayers{});
}

} // namespace hearts
