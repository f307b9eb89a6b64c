#pragma once

#include "cards.h"
#include "hand.h"
#include "houserules.h"
#include "legality.h"
#include "random.h"

#include <array>
#include <cstdint>

// A round of Hearts as a value: the four hands by slot, the trick on the
// table, the passing and the round's flags; and the rules and the computer
// players as functions over it. The host drives a Round with its messages
// and timers; a search or a benchmark plays one through without any text.
// Seats are 1..4, slots 1..13, cards 1..52 (0: none), as on the wire.
namespace hearts {

enum class Phase : std::uint8_t { None, Pass, Play };

// `pointsTaker` once a second trick with points has been taken.
constexpr int kSeveralTakers = 100;

struct Round {
    std::array<Hand, kSeats + 1> hands{};     // [1..4]
    std::array<int, kSeats + 1> trickCards{}; // the cards on the table
    std::array<int, kSeats + 1> points{};     // this round's points
    std::array<int, kSeats + 1> tricks{};     // this round's tricks
    std::array<bool, kSeats + 1> passed{};
    std::array<std::array<int, 3>, kSeats + 1> passSlots{};
    std::array<std::array<int, 3>, kSeats + 1> passedCards{}; // received, in order
    Phase phase = Phase::None;
    int passDirection = 0; // 1 left, 2 right, 3 across, 0 no passing
    int turn = 0;
    int ledCard = 0;
    int leader = 0;
    bool leadTwoOfClubs = false;
    bool heartsBroken = false;
    bool firstTrick = false;
    bool safeFirstTrick = false;
    int pointsTaker = 0;
    int jackTaker = 0; // who took the jack of diamonds, 0 while nobody has
    HouseRules rules{};
    // What every seat has seen: the cards played this round, and the suits
    // each seat has shown it no longer holds (bit s: suit s).
    CardMask playedCards = 0;
    std::array<std::uint8_t, kSeats + 1> voidSuits{};

    // What the rules say of the next card.
    PlayPosition position() const;
};

// --- the rules over values ---

// The seat that receives a seat's three cards in a pass direction.
int passReceiver(int seat, int direction);
// Why a seat may not play the card in a slot now (None: it may).
Refusal refusalFor(const Round& round, int seat, int slot);
// The slots a seat may play now.
SlotMask legalSlots(const Round& round, int seat);
// The seat whose card wins the trick on the table so far: the highest card
// of the led suit.
int trickTaker(const std::array<int, kSeats + 1>& trickCards, int leader);
int trickPoints(const std::array<int, kSeats + 1>& trickCards);
// A trick's points as its taker counts them under the house rules: the
// jack of diamonds' -10 too.
int trickScore(const std::array<int, kSeats + 1>& trickCards, const HouseRules& rules);
// A trick taken, added to a round's tally: its points (hearts and the
// queen) to the taker, who has taken points (`pointsTaker`), and who took
// the jack of diamonds. Answers the trick's points.
int tallyTrick(const std::array<int, kSeats + 1>& trickCards, int taker,
               std::array<int, kSeats + 1>& points, int& pointsTaker, int& jackTaker);
// Whether a card played breaks hearts: a heart, or the queen of spades by
// the house rule.
constexpr bool breaksHearts(Card card, const HouseRules& rules) {
    return isHeart(card) || (card == kQueenOfSpades && rules.queenBreaksHearts);
}
// The seat that has taken every point of the round so far, 0 while nobody
// has taken any, kSeveralTakers once two seats have (however many tricks
// with points one seat took, unlike `pointsTaker`).
int soleTaker(const std::array<int, kSeats + 1>& points);
// The seat that took all 26 points of a round, or 0.
int moonShooter(const std::array<int, kSeats + 1>& points);
// The winner once a score reaches the play-to score: the lowest score, and
// no tie for it; 0 while there is none.
int gameWinner(const std::array<int, kSeats + 1>& scores, int playTo);

// --- a round played ---

// The passing direction of a round (1 left, 2 right, 3 across, 0 none):
// they go round left, right, across, and a hand without passing unless the
// house rules leave it out.
int passDirectionOf(int roundNumber, const HouseRules& rules);
// A new round: hands empty, flags of a new round, the passing direction;
// the house rules stay.
void startRound(Round& round, int roundNumber, bool safeFirstTrick);
// Shuffles 52 cards with the generator and deals them in turn, seat 1 first.
void deal(Round& round, Random& random);
// A seat's three cards set aside for passing (checked: three different
// slots that hold cards). Answers false and changes nothing otherwise.
bool choosePass(Round& round, int seat, const std::array<int, 3>& slots);
bool allPassed(const Round& round);
// The cards change hands, each into the slots its receiver passed from.
void exchangePasses(Round& round);
// The seat holding the two of clubs leads; play begins.
int beginPlay(Round& round);

// A card put on the table (its checks passed): the hand gives it up.
void playCard(Round& round, int seat, int slot);
bool trickComplete(const Round& round);
struct TrickEnd {
    int taker = 0;
    int points = 0;
};
// The full trick is taken: its points and the lead go to the taker.
TrickEnd endTrick(Round& round);
// Scores the round: a moon gives 26 to the others and nothing to its
// shooter (or, by the house rule, takes 26 off the shooter and gives the
// others nothing); then the jack of diamonds, under its house rule, takes
// 10 off its taker. Answers the moon's seat or 0.
int scoreRound(Round& round);

} // namespace hearts
