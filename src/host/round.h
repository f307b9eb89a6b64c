#pragma once

#include "cards.h"
#include "rules.h"

#include <array>
#include <bit>
#include <cstdint>

// A round of Hearts as a value: the four hands by slot, the trick on the
// table, the passing and the round's flags; and the rules and the computer
// players as functions over it. The host drives a Round with its messages
// and timers; a search or a benchmark plays one through without any text.
// Seats are 1..4, slots 1..13, cards 1..52 (0: none), as on the wire.
namespace hearts {

constexpr int kSeats = 4;
constexpr int kSlots = 13;

enum class Phase : std::uint8_t { None, Pass, Play };

// Why the pause timer runs, as its tag: the next round after ten ticks, the
// next trick's lead after three, the next turn one tick after the queen.
enum class Pause : int { None = 0, NextRound = 2, NextTrick = 3, AfterQueen = 4 };

// `pointsTaker` once a second trick with points has been taken.
constexpr int kSeveralTakers = 100;

// The process's generator as a value: seed := seed * 134775813 + 1 (mod
// 2^32); a draw from n values is the upper half of the 64-bit product of the
// new seed and n.
struct Random {
    std::uint32_t seed = 0;
    int draw(int n) {
        seed = seed * 134775813u + 1u;
        return static_cast<int>(
            (static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(n)) >> 32);
    }
    // As many draws as `count`, whatever they would have drawn, at once.
    void skip(int count);
};

using SlotMask = std::uint16_t; // bit s: slot s (1..13)
using CardMask = std::uint64_t; // bit c: card c (1..52)

constexpr CardMask suitCards(int suit) {
    return ((CardMask{1} << 13) - 1) << (13 * (suit - 1) + 1);
}
constexpr CardMask kHeartCards = suitCards(cards::kHearts);
constexpr CardMask kPointCards = kHeartCards | (CardMask{1} << cards::kQueenOfSpades);

// One seat's cards by slot, with masks kept in step for quick questions.
class Hand {
public:
    int at(int slot) const { return m_cards[static_cast<std::size_t>(slot)]; }
    CardMask held() const { return m_held; }
    SlotMask slotMask() const { return m_slots; }
    SlotMask slotsOfSuit(int suit) const { return m_suitSlots[static_cast<std::size_t>(suit)]; }
    int count() const { return std::popcount(m_held); }
    bool holds(int card) const { return (m_held >> card) & 1; }
    bool holdsSuit(int suit) const { return slotsOfSuit(suit) != 0; }
    // The slot of a card in this hand, 0 when it is not here.
    int slotOf(int card) const { return m_slotOf[static_cast<std::size_t>(card)]; }
    // The slots whose cards are in a set of cards.
    SlotMask slotsOf(CardMask cards) const;
    void put(int slot, int card);
    void take(int slot);
    // Takes the card known to be in a slot.
    void takeCard(int slot, int card) {
        const auto bit = static_cast<SlotMask>(1u << slot);
        m_cards[static_cast<std::size_t>(slot)] = 0;
        m_slotOf[static_cast<std::size_t>(card)] = 0;
        m_suitSlots[static_cast<std::size_t>(cards::getsuit(card))] &= static_cast<SlotMask>(~bit);
        m_slots &= static_cast<SlotMask>(~bit);
        m_held &= ~(CardMask{1} << card);
    }
    // Puts a card into a slot known to be empty, its suit known.
    void putNew(int slot, int card, int suit) {
        const auto bit = static_cast<SlotMask>(1u << slot);
        m_cards[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(card);
        m_slotOf[static_cast<std::size_t>(card)] = static_cast<std::uint8_t>(slot);
        m_suitSlots[static_cast<std::size_t>(suit)] |= bit;
        m_slots |= bit;
        m_held |= CardMask{1} << card;
    }
    void clear() { *this = Hand{}; }

private:
    std::array<std::uint8_t, kSlots + 1> m_cards{};
    std::array<std::uint8_t, 53> m_slotOf{};
    std::array<SlotMask, 5> m_suitSlots{};
    SlotMask m_slots = 0;
    CardMask m_held = 0;
};

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
    // What every seat has seen: the cards played this round, and the suits
    // each seat has shown it no longer holds (bit s: suit s).
    CardMask playedCards = 0;
    std::array<std::uint8_t, kSeats + 1> voidSuits{};

    // What the rules say of the next card.
    rules::PlayPosition position() const;
};

// --- the rules over values ---

// The seat that receives a seat's three cards in a pass direction.
int passReceiver(int seat, int direction);
// Why a seat may not play the card in a slot now (None: it may).
rules::Refusal refusalFor(const Round& round, int seat, int slot);
// The cards a hand may play now, as a set: rules::refusal over every card
// at once, for searches that ask it at every card.
CardMask legalCards(CardMask held, const rules::PlayPosition& at);
// The slots a seat may play now.
SlotMask legalSlots(const Round& round, int seat);
// The seat whose card wins the trick on the table so far: the highest card
// of the led suit.
int trickTaker(const std::array<int, kSeats + 1>& trickCards, int leader);
int trickPoints(const std::array<int, kSeats + 1>& trickCards);
// The seat that took all 26 points of a round, or 0.
int moonShooter(const std::array<int, kSeats + 1>& points);
// The winner once a score reaches the play-to score: the lowest score, and
// no tie for it; 0 while there is none.
int gameWinner(const std::array<int, kSeats + 1>& scores, int playTo);

// --- a round played ---

// A new round: hands empty, flags of a new round, the passing direction.
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
// shooter. Answers the moon's seat or 0.
int scoreRound(Round& round);

// --- the computer players ---

// The three slots a computer seat passes, in the order it chooses them.
std::array<int, 3> computerPass(const Hand& hand);
// The slot a computer seat plays now; 0 when its rules find none (which
// for a follow is a fault of the game).
int computerPlay(const Round& round, int seat, Random& random);

// A whole round of four computer seats, from the deal to the score, with
// no text: for searches and benchmarks.
void playComputerRound(Round& round, int roundNumber, bool safeFirstTrick, Random& random);

} // namespace hearts
