#pragma once

#include "round.h"

#include <array>

// What one seat may know of a round: its own hand, the cards it passed and
// to whom, and everything shown on the table (the cards played, the trick,
// the voids shown, the points and tricks taken, how many cards each seat
// holds). The Strong player decides from this alone; the host makes it
// from its round, a client from what it was told, and both come to the
// same view of the same moment.
namespace hearts {

struct SeatView {
    int seat = 0;
    Hand hand;
    std::array<int, kSeats + 1> cardsHeld{}; // every seat's count, [1..4]
    // The seat that received this seat's pass and the cards it was given,
    // while the round's play is on (none before, or on a hand that holds).
    int passedTo = 0;
    CardMask passedCards = 0;
    std::array<int, kSeats + 1> trickCards{};
    std::array<int, kSeats + 1> points{};
    std::array<int, kSeats + 1> tricks{};
    std::array<std::uint8_t, kSeats + 1> voidSuits{};
    CardMask playedCards = 0;
    int leader = 0;
    int ledCard = 0;
    int pointsTaker = 0;
    int jackTaker = 0;
    bool leadTwoOfClubs = false;
    bool heartsBroken = false;
    bool firstTrick = false;
    bool safeFirstTrick = false;
    HouseRules rules{};
};

// The view of a seat of a round that holds every hand.
SeatView seatView(const Round& round, int seat);

// A round as the seat sees it: its own hand, the other hands empty, the
// table as shown. A search deals the unseen cards into it.
Round roundFrom(const SeatView& view);

} // namespace hearts
