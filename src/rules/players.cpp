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
    return std::nullopt;
}

const char* levelName(Level level) {
    return level == Level::Strong ? "strong" : "classic";
}

int playRound(Round& round, int roundNumber, bool safeFirstTrick, Random& random,
              const RoundPlayers& players) {
    auto strong = [&](int seat) {
        return players.levels[static_cast<std::size_t>(seat)] == Level::Strong;
    };
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
                slot = strongPlay(round, seat,
                                  decisionSeed(players.gameSeed, roundNumber, round, seat),
                                  players.budget);
                if (SearchStats* stats = players.stats) {
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
