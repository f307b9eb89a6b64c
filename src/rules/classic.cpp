// The computer's moves for a seat that nobody plays: a fixed order of
// simple rules over the hand in slot order and the trick on the table.
// Each rule is a question about slot masks, so the same choices come
// without scanning the hand again and again.
#include "classic.h"

namespace hearts {

namespace {

constexpr int kQueen = kQueenOfSpades;
constexpr int kKing = kKingOfSpades;
constexpr int kAce = kAceOfSpades;

// The lowest slot of a mask, 0 for none.
int firstSlot(SlotMask mask) {
    return mask == 0 ? 0 : std::countr_zero(mask);
}

int lastSlot(SlotMask mask) {
    return mask == 0 ? 0 : 15 - std::countl_zero(mask);
}

// The first slot of a mask at or after `start`, going round past 13.
int firstSlotFrom(SlotMask mask, int start) {
    const auto from = static_cast<SlotMask>(mask & ~((1u << start) - 1u));
    return from != 0 ? firstSlot(from) : firstSlot(mask);
}

// A slot's bit; none for slot 0, which holds no card.
SlotMask maskOfSlot(int slot) {
    return slot == 0 ? 0 : static_cast<SlotMask>(1u << slot);
}

// Point cards may not go on a safe first trick.
bool restricted(const Round& round) {
    return round.firstTrick && round.safeFirstTrick;
}

int lead(const Round& round, const Hand& hand, Random& random) {
    if (round.leadTwoOfClubs) {
        if (const int slot = hand.slotOf(kTwoOfClubs); slot != 0) {
            return slot;
        }
    }
    const bool heartsAllowed = round.heartsBroken || (hand.held() & ~kHeartCards) == 0;
    const SlotMask heartSlots = hand.slotsOfSuit(kHearts);
    const SlotMask noHigh = static_cast<SlotMask>(
        hand.slotMask() & ~maskOfSlot(hand.slotOf(kQueen)) & ~maskOfSlot(hand.slotOf(kKing)) &
        ~maskOfSlot(hand.slotOf(kAce)) & (heartsAllowed ? 0xFFFF : ~heartSlots));
    // A hundred draws of a slot; a hand where none can hit draws them all.
    if (noHigh == 0) {
        random.skip(100);
    } else {
        for (int draw = 0; draw < 100; ++draw) {
            const int slot = random.draw(kSlots) + 1;
            if ((noHigh >> slot) & 1) {
                return slot;
            }
        }
    }
    const int start = random.draw(kSlots) + 1;
    const bool heartsNow = heartsAllowed && !round.firstTrick && !round.safeFirstTrick;
    const SlotMask noQueen = static_cast<SlotMask>(
        hand.slotMask() & ~maskOfSlot(hand.slotOf(kQueen)) & (heartsNow ? 0xFFFF : ~heartSlots));
    if (noQueen != 0) {
        return firstSlotFrom(noQueen, start);
    }
    return lastSlot(
        static_cast<SlotMask>(hand.slotMask() & (heartsAllowed ? 0xFFFF : ~heartSlots)));
}

// The queen goes onto a spade trick that a higher spade already takes, or
// onto any trick the seat cannot follow.
int followQueen(const Round& round, const Hand& hand) {
    const int queenSlot = hand.slotOf(kQueen);
    if (getsuit(round.ledCard) == kSpades) {
        bool highSpadeOut = false;
        for (int seat = 1; seat <= kSeats; ++seat) {
            const int card = round.trickCards[static_cast<std::size_t>(seat)];
            highSpadeOut = highSpadeOut || card == kKing || card == kAce;
        }
        return highSpadeOut && queenSlot != 0 && !restricted(round) ? queenSlot : 0;
    }
    if (hand.holdsSuit(getsuit(round.ledCard))) {
        return 0;
    }
    return queenSlot != 0 && !restricted(round) ? queenSlot : 0;
}

int findFollow(const Round& round, const Hand& hand) {
    const SlotMask suit = hand.slotsOfSuit(getsuit(round.ledCard));
    if (const int slot = firstSlot(static_cast<SlotMask>(suit & ~maskOfSlot(hand.slotOf(kQueen))));
        slot != 0) {
        return slot;
    }
    return firstSlot(suit);
}

// Points go to a trick that the round's one taker of points so far will
// not take: spoiling a moon.
int throwPointShoot(const Round& round, const Hand& hand) {
    const int winning = trickTaker(round.trickCards, round.leader);
    if (winning == round.pointsTaker || restricted(round)) {
        return 0;
    }
    return firstSlot(hand.slotsOf(kPointCards));
}

int throwPointNoShoot(const Round& round, const Hand& hand) {
    if (restricted(round)) {
        return 0;
    }
    if (const int queenSlot = hand.slotOf(kQueen); queenSlot != 0) {
        return queenSlot;
    }
    const CardMask hearts = hand.held() & kHeartCards;
    return hearts == 0 ? 0 : hand.slotOf(63 - std::countl_zero(hearts));
}

int throwAny(const Round& round, const Hand& hand) {
    if (restricted(round)) {
        if (const int slot = firstSlot(hand.slotsOf(~kPointCards)); slot != 0) {
            return slot;
        }
    }
    return firstSlot(hand.slotMask());
}

} // namespace

std::array<int, 3> computerPass(const Hand& hand) {
    std::array<int, 3> chosen{};
    std::size_t count = 0;
    // Offers the slots whose cards qualify, in order, until three are chosen.
    auto offer = [&](auto&& qualifies, bool downwards) {
        for (int i = 1; i <= kSlots && count < 3; ++i) {
            const int slot = downwards ? kSlots + 1 - i : i;
            if (!qualifies(hand.at(slot))) {
                continue;
            }
            bool already = false;
            for (std::size_t k = 0; k < count; ++k) {
                already = already || chosen[k] == slot;
            }
            if (!already) {
                chosen[count++] = slot;
            }
        }
    };
    auto divisibleBy = [](int divisor) {
        return [divisor](int card) { return card != 0 && card % divisor == 0; };
    };
    // The high hearts, then the aces, then cards of three more fixed groups,
    // then anything.
    offer([](int card) { return card > 42; }, true);
    offer(divisibleBy(13), false);
    offer(divisibleBy(12), false);
    offer(divisibleBy(11), false);
    offer(divisibleBy(10), false);
    offer([](int) { return true; }, false);
    return chosen;
}

int computerPlay(const Round& round, int seat, Random& random) {
    const Hand& hand = round.hands[static_cast<std::size_t>(seat)];
    if (round.ledCard == 0) {
        return lead(round, hand, random);
    }
    if (const int slot = followQueen(round, hand); slot != 0) {
        return slot;
    }
    if (const int slot = findFollow(round, hand); slot != 0) {
        return slot;
    }
    const bool anyTaker = round.pointsTaker == 0 || round.pointsTaker == kSeveralTakers;
    const int thrown = anyTaker ? throwPointNoShoot(round, hand) : throwPointShoot(round, hand);
    return thrown != 0 ? thrown : throwAny(round, hand);
}

} // namespace hearts
