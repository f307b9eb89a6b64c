#pragma once

#include "cards.h"

#include <iterator>
#include <utility>

// Which cards a hand may play, stated once: a short list of rules in the
// order the host checks them, each saying which cards it allows. A card is
// legal when every rule allows it (legalCards); a card that is not is
// refused with the code of the first rule that does not allow it (refusal).
// The host judges every card with these; the client marks the cards its
// player may not play; the computer players choose among legalCards.
namespace hearts {

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
    Card ledCard = kNoCard;
    bool firstTrick = false;
    bool safeFirstTrick = false;
    bool heartsBroken = false;
    constexpr bool leading() const { return ledCard == kNoCard; }
    constexpr bool safeTrick() const { return firstTrick && safeFirstTrick; }
};

namespace rule {

constexpr CardMask kAny = ~CardMask{0};

// The round opens with the two of clubs.
constexpr CardMask leadTwoOfClubs(CardMask, const PlayPosition& at) {
    return at.leadTwoOfClubs ? cardBit(kTwoOfClubs) : kAny;
}
// Only a card in the hand.
constexpr CardMask heldCard(CardMask held, const PlayPosition&) {
    return held;
}
// No point card leads the safe first trick.
constexpr CardMask safeLead(CardMask, const PlayPosition& at) {
    return at.leading() && at.safeTrick() ? ~kPointCards : kAny;
}
// No heart leads before hearts are broken, unless the hand holds nothing else.
constexpr CardMask heartsBroken(CardMask held, const PlayPosition& at) {
    return at.leading() && !at.heartsBroken && (held & ~kHeartCards) != 0 ? ~kHeartCards : kAny;
}
// A card of the led suit while the hand holds one.
constexpr CardMask followSuit(CardMask held, const PlayPosition& at) {
    if (at.leading()) {
        return kAny;
    }
    const CardMask led = suitCards(getsuit(at.ledCard));
    return (held & led) != 0 ? led : kAny;
}
// No point card on the safe first trick while the hand holds another card
// (a hand of nothing but points could not go on otherwise).
constexpr CardMask safeFollow(CardMask held, const PlayPosition& at) {
    return !at.leading() && at.safeTrick() && (held & ~kPointCards) != 0 ? ~kPointCards : kAny;
}

struct Rule {
    Refusal refusal;
    CardMask (*allowed)(CardMask held, const PlayPosition& at);
};

// In the host's order: the first rule that refuses a card names the code.
inline constexpr Rule kRules[] = {
    {Refusal::LeadTwoOfClubs, leadTwoOfClubs}, {Refusal::NoCard, heldCard},
    {Refusal::SafeFirstTrick, safeLead},       {Refusal::HeartsNotBroken, heartsBroken},
    {Refusal::FollowSuit, followSuit},         {Refusal::SafeFirstTrick, safeFollow},
};

// Every rule at once, each call known when compiled, so that the searches,
// which ask at every card, pay for no call through a pointer.
template <std::size_t... Index>
constexpr CardMask allowedByAll(CardMask held, const PlayPosition& at,
                                std::index_sequence<Index...>) {
    return (kRules[Index].allowed(held, at) & ...);
}

} // namespace rule

// The cards a hand may play now.
constexpr CardMask legalCards(CardMask held, const PlayPosition& at) {
    return rule::allowedByAll(held, at, std::make_index_sequence<std::size(rule::kRules)>());
}

// Why a card may not be played now; None when it may. No card (0) is
// never held.
constexpr Refusal refusal(CardMask held, Card card, const PlayPosition& at) {
    for (const rule::Rule& r : rule::kRules) {
        if ((r.allowed(held, at) & cardBit(card)) == 0) {
            return r.refusal;
        }
    }
    return Refusal::None;
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

} // namespace hearts
