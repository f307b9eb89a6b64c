#pragma once

// Cards are numbers 1..52: clubs 1..13, diamonds 14..26, spades 27..39,
// hearts 40..52, each suit from the two up to the ace; 0 is no card.
namespace cards {

constexpr int kNone = 0;
constexpr int kTwoOfClubs = 1;
constexpr int kQueenOfSpades = 37;
constexpr int kKingOfSpades = 38;
constexpr int kAceOfSpades = 39;

constexpr int kClubs = 1;
constexpr int kDiamonds = 2;
constexpr int kSpades = 3;
constexpr int kHearts = 4;

// Suit 1..4 of a card, 0 for anything that is not a card.
constexpr int getsuit(int card) {
    return card >= 1 && card <= 52 ? (card - 1) / 13 + 1 : 0;
}
constexpr bool isHeart(int card) {
    return getsuit(card) == kHearts;
}
// The queen of spades and the hearts carry the round's 26 points.
constexpr bool isPointCard(int card) {
    return card == kQueenOfSpades || isHeart(card);
}

} // namespace cards
