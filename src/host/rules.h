#pragma once

#include "cards.h"

#include <cstdint>
#include <span>

// The rules of a single card play as functions over values, shared by the
// host, which judges every card, and the client, which marks the cards a
// player may not play before the host is asked.
namespace rules {

// Why a card is refused; the number is the code the host sends.
enum class Refusal : int {
    None = 0,
    LeadTwoOfClubs = 1,
    NoCard = 2,
    HeartsNotBroken = 3,
    FollowSuit = 4,
    SafeFirstTrick = 5,
};

// What the table says about the next card.
struct PlayPosition {
    // The round's first card is still to come and must be the two of clubs.
    bool leadTwoOfClubs = false;
    // The trick's first card, 0 while the trick has none.
    int ledCard = cards::kNone;
    bool firstTrick = false;
    bool safeFirstTrick = false;
    bool heartsBroken = false;
};

// The hand as the cards it holds; empty entries (0) are ignored.
using Hand = std::span<const int>;
// The hand as a set: bit c for card c.
using HeldCards = std::uint64_t;

constexpr HeldCards heldCards(Hand hand) {
    HeldCards held = 0;
    for (int card : hand) {
        if (card >= 1 && card <= 52) {
            held |= HeldCards{1} << card;
        }
    }
    return held;
}

constexpr HeldCards kHearts = ((HeldCards{1} << 13) - 1) << 40;
constexpr HeldCards kPoints = kHearts | (HeldCards{1} << cards::kQueenOfSpades);
constexpr HeldCards suitOf(int suit) {
    return ((HeldCards{1} << 13) - 1) << (13 * (suit - 1) + 1);
}

// The checks of a card in the host's order. A seat with nothing but point
// cards may discard one even on a safe first trick: otherwise no round could
// go on.
constexpr Refusal refusal(HeldCards held, int card, const PlayPosition& at) {
    if (at.leadTwoOfClubs && card != cards::kTwoOfClubs) {
        return Refusal::LeadTwoOfClubs;
    }
    if (card == cards::kNone) {
        return Refusal::NoCard;
    }
    const bool safeTrick = at.firstTrick && at.safeFirstTrick;
    if (at.ledCard == cards::kNone) {
        if (cards::isPointCard(card) && safeTrick) {
            return Refusal::SafeFirstTrick;
        }
        if (cards::isHeart(card) && !at.heartsBroken && (held & ~kHearts) != 0) {
            return Refusal::HeartsNotBroken;
        }
        return Refusal::None;
    }
    const int led = cards::getsuit(at.ledCard);
    if (cards::getsuit(card) != led && (held & suitOf(led)) != 0) {
        return Refusal::FollowSuit;
    }
    if (cards::isPointCard(card) && safeTrick && (held & ~kPoints) != 0) {
        return Refusal::SafeFirstTrick;
    }
    return Refusal::None;
}

constexpr Refusal refusal(Hand hand, int card, const PlayPosition& at) {
    return refusal(heldCards(hand), card, at);
}

// What a player is told when the host refuses a card; empty for a code the
// game does not know.
constexpr const char* refusalText(int code) {
    switch (static_cast<Refusal>(code)) {
    case Refusal::LeadTwoOfClubs:
        return "You must lead the 2 of clubs.";
    case Refusal::NoCard:
        return "Invalid Card.";
    case Refusal::HeartsNotBroken:
        return "You cannot lead a heart until hearts are broken.";
    case Refusal::FollowSuit:
        return "You must follow suit.";
    case Refusal::SafeFirstTrick:
        return "The First Trick is Safe from point cards.";
    default:
        return "";
    }
}

// The points a trick carries: one per heart, 13 for the queen of spades.
constexpr int cardPoints(int card) {
    return cards::isHeart(card) ? 1 : card == cards::kQueenOfSpades ? 13 : 0;
}

} // namespace rules
