#pragma once

#include "round.h"

#include <array>
#include <cstdint>

// The Strong computer player: it counts the cards, reads the voids, samples
// deals of the cards it has not seen that agree with everything it knows,
// plays each of its legal cards out to the end of the round in every sample,
// and plays the card that cost it the fewest points on average.
namespace hearts {

// The Strong player's own generator (splitmix64), apart from the game's, so
// a table without Strong seats draws exactly what it always drew.
struct SearchRandom {
    std::uint64_t state = 0;
    std::uint64_t next();
    // A value from 0 to n - 1.
    int below(int n) {
        return static_cast<int>((next() >> 32) * static_cast<std::uint64_t>(n) >> 32);
    }
};

struct SearchBudget {
    int samples = 64;          // deals of the unseen cards for one decision
    int maxMilliseconds = 150; // the search stops here, whatever is left
};

// The three slots a Strong seat passes: the cards most likely to cost it
// points (the queen of spades without guards, high spades without the
// queen, high hearts, high cards of suits short enough to empty).
std::array<int, 3> strongPass(const Hand& hand);

// The slot a Strong seat plays now. It reads only what the seat may know:
// its own hand, the cards it passed, the cards played and the trick on the
// table, the voids shown, the points taken, and how many cards each seat
// holds.
int strongPlay(const Round& round, int seat, std::uint64_t seed, const SearchBudget& budget = {});

// The seed of one decision: from the game's seed and the moment of the
// round, so a game replays its choices however the search is scheduled.
std::uint64_t decisionSeed(std::uint32_t gameSeed, int roundNumber, const Round& round, int seat);

// The card the rollouts play for a seat: duck under the trick, throw the
// queen and high hearts when void, lead low.
int rolloutCard(const Round& round, CardMask legal);

// Plays a round on from the seat to play to its end with rolloutCard for
// every seat (the shooter, when not 0, runs for every point instead), and
// scores it.
void playOut(Round& round, int nextSeat, int shooter = 0);

} // namespace hearts
