#pragma once

#include "seatview.h"

#include <array>
#include <cstdint>

// The Strong computer player: it counts the cards, reads the voids, and
// grows one tree of the cards still to come over many deals of the cards it
// has not seen, each agreeing with everything it knows; in the tree every
// seat picks its own cards for its own sake, and below it the round is played
// out by quick rules (an opponent who has taken every point running for the
// moon, this seat stopping it). It plays the card the tree tried most, or
// runs for the moon where a second tree, with it running, says that pays.
namespace hearts {

// The tree's iterations a decision unless told: 8000, or the environment's
// HEARTS_SEARCH_ITERATIONS (1 to 1000000).
int defaultIterations();

struct SearchBudget {
    // The first Strong's deals a decision, each card played out once in each.
    int samples = 64;
    // The look-ahead's deals, one per iteration of its tree (8000, or
    // HEARTS_SEARCH_ITERATIONS for a slow machine), and how much the tree
    // favours cards seldom tried (its results run 0 to 1).
    int iterations = defaultIterations();
    double exploration = 0.3;
    int maxMilliseconds = 150; // the search stops here, whatever is left
    // In the rollouts a seat with every point so far, at least runFrom,
    // runs for the moon; the others stop it once it has seenFrom.
    int runFrom = 5;
    int seenFrom = 4;
    // This seat weighs running for the moon once it holds this many points,
    // every one taken so far.
    int moonFrom = 8;
    // While one opponent has taken every point so far, a moon against a
    // seat counts in the tree this much (of a round's result) worse than its
    // 26 points, and the deals give that opponent the jacks and above
    // moonFavour times as readily as the others: a seat that has run so far
    // likely holds the cards to go on, and a moon let through costs more
    // than its points in a game.
    double moonFear = 0.5;
    int moonFavour = 3;
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

// The card a Strong seat plays, from its view alone (the hint a player
// is given is this card for the player's seat); 0 for none.
Card strongCard(const SeatView& view, std::uint64_t seed, const SearchBudget& budget = {});

// The seed of one decision: from the game's seed and the moment of the
// round, so a game replays its choices however the search is scheduled.
std::uint64_t decisionSeed(std::uint32_t gameSeed, int roundNumber, const Round& round, int seat);

} // namespace hearts
