#pragma once

#include "round.h"

// How the searches play a round on to its end once a card is chosen: quick
// fixed policies for every seat, and the round scored.
namespace hearts {

// 0 for a two up to 12 for an ace.
constexpr int rankOf(Card card) {
    return (card - 1) % 13;
}

// The card a seat plays in the rollouts: duck under the trick, throw the
// queen and high hearts when void, lead low.
int rolloutCard(const Round& round, CardMask legal);

// The card of a seat that runs for every point: it takes tricks with its
// highest cards, leads from the top, and throws no points away.
int shootingCard(const Round& round, CardMask legal);

// The seat to play after `seat` played, ending the trick when it is full;
// 0 when the round is over.
int seatAfter(Round& round, int seat);

// Plays a round on from the seat to play to its end with rolloutCard for
// every seat (the shooter, when not 0, runs for every point instead), and
// scores it.
void playOut(Round& round, int nextSeat, int shooter = 0);

// Who runs for the moon in a rollout that reckons with moons.
struct MoonPlan {
    // A seat set on running from now on, 0 for none.
    int shooter = 0;
    // A seat that has taken every point so far, at least this many, is
    // taken to run for the rest.
    int runFrom = 5;
    // The others see a run coming once the runner holds this many points,
    // and from then on play to stop it.
    int seenFrom = 4;
    // A seat that never runs unless it is the shooter: the searching seat,
    // whose plans are weighed one by one.
    int planner = 0;
    // The seats that stop a runner once seen (bit s: seat s). The searching
    // seat counts on nobody but itself to stop an opponent's run, and on
    // every opponent to stop its own.
    unsigned stoppers = 0x1E;
};

// The runner of the round as it stands under a plan, 0 for none: a runner
// stops running as soon as anyone else takes a point.
int runnerOf(const Round& round, const MoonPlan& plan);

// The card of a seat that sees a runner coming: it takes a trick the runner
// would win when it can, puts its points on a trick someone else takes, and
// keeps its hearts off the runner's tricks.
int stoppingCard(const Round& round, int seat, CardMask legal, int runner);

// Plays a round on to its end as playOut does, with the runners of the plan
// running and, once they are seen, the others stopping them; the seat that
// shot the moon, 0 for none.
int playOutWithMoons(Round& round, int nextSeat, const MoonPlan& plan);

} // namespace hearts
