#pragma once

#include "seatview.h"

#include <array>
#include <cstdint>

// Deals of the cards a seat has not seen that agree with everything it
// knows: for the searches of the Strong players.
namespace hearts {

// The searches' own generator (splitmix64), apart from the game's, so a
// table without Strong seats draws exactly what it always drew.
struct SearchRandom {
    std::uint64_t state = 0;
    std::uint64_t next();
    // A value from 0 to n - 1.
    int below(int n) {
        return static_cast<int>((next() >> 32) * static_cast<std::uint64_t>(n) >> 32);
    }
};

// Everything a seat knows of where the other cards are.
struct Knowledge {
    int seat = 0;
    std::array<int, kSeats + 1> need{};       // cards each other seat holds, not known
    std::array<CardMask, kSeats + 1> known{}; // cards known in a seat's hand
    std::array<std::uint8_t, kSeats + 1> voids{};
    CardMask unseen = 0; // held by the others, where unknown
    // A seat dealt favouredCards `favour` times as readily as its share
    // says (0 for none): a likely runner's high cards.
    int favoured = 0;
    int favour = 1;
    CardMask favouredCards = 0;
};

Knowledge knowledgeOf(const SeatView& view);

// Deals the unseen cards to the other seats, each as many as it holds and
// none of a suit it has shown void in. Answers false when no such deal
// was found.
bool sampleHands(const Knowledge& k, SearchRandom& random, std::array<CardMask, kSeats + 1>& hands);

// A hand made of a set of cards, in slots from 1 up.
void replaceHand(Hand& hand, CardMask cards);

} // namespace hearts
