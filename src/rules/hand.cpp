#include "hand.h"

namespace hearts {

SlotMask Hand::slotsOf(CardMask cards) const {
    SlotMask found = 0;
    if ((m_held & cards) == 0) {
        return 0;
    }
    for (SlotMask left = m_slots; left != 0; left &= left - 1) {
        const int slot = std::countr_zero(left);
        if ((cards >> at(slot)) & 1) {
            found |= static_cast<SlotMask>(1u << slot);
        }
    }
    return found;
}

void Hand::put(int slot, int card) {
    take(slot);
    if (card >= 1 && card <= 52 && slot >= 1 && slot <= kSlots) {
        take(slotOf(card));
        putNew(slot, card, getsuit(card));
    }
}

void Hand::take(int slot) {
    if (slot < 1 || slot > kSlots) {
        return;
    }
    if (const int card = at(slot); card != 0) {
        takeCard(slot, card);
    }
}

} // namespace hearts
