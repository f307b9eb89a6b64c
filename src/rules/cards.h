#pragma once

#include <bit>
#include <cstdint>

// Cards, seats and slots as the whole game numbers them, on the wire too.
// A card is 1..52: clubs 1..13, diamonds 14..26, spades 27..39, hearts
// 40..52, each suit from the two up to the ace; 0 is no card. A seat is
// 1..4, a slot (a card's place in a hand as dealt) 1..13. Sets of cards and
// of slots are bit masks: bit c for card c, bit s for slot s.
namespace hearts {

using Card = int;
using Seat = int;
using Slot = int;
using CardMask = std::uint64_t;
using SlotMask = std::uint16_t;

constexpr int kSeats = 4;
constexpr int kSlots = 13;

constexpr Card kNoCard = 0;
constexpr Card kTwoOfClubs = 1;
constexpr Card kJackOfDiamonds = 23;
constexpr Card kQueenOfSpades = 37;
constexpr Card kKingOfSpades = 38;
constexpr Card kAceOfSpades = 39;

constexpr int kClubs = 1;
constexpr int kDiamonds = 2;
constexpr int kSpades = 3;
constexpr int kHearts = 4;

constexpr bool isCard(Card card) {
    return card >= 1 && card <= 52;
}
// Suit 1..4 of a card, 0 for anything that is not a card.
constexpr int getsuit(Card card) {
    return isCard(card) ? (card - 1) / 13 + 1 : 0;
}
constexpr bool isHeart(Card card) {
    return getsuit(card) == kHearts;
}
// The queen of spades and the hearts carry the round's 26 points.
constexpr bool isPointCard(Card card) {
    return card == kQueenOfSpades || isHeart(card);
}
// The points a card carries: one per heart, 13 for the queen of spades.
constexpr int cardPoints(Card card) {
    return isHeart(card) ? 1 : card == kQueenOfSpades ? 13 : 0;
}

constexpr CardMask cardBit(Card card) {
    return CardMask{1} << card;
}
constexpr SlotMask slotBit(Slot slot) {
    return static_cast<SlotMask>(1u << slot);
}
constexpr CardMask suitCards(int suit) {
    return ((CardMask{1} << 13) - 1) << (13 * (suit - 1) + 1);
}
constexpr CardMask kAllCards = ((CardMask{1} << 52) - 1) << 1;
constexpr CardMask kHeartCards = suitCards(kHearts);
constexpr CardMask kPointCards = kHeartCards | cardBit(kQueenOfSpades);
constexpr int countCards(CardMask cards) {
    return std::popcount(cards);
}

} // namespace hearts
