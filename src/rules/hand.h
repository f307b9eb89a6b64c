#pragma once

#include "cards.h"

#include <array>
#include <bit>
#include <cstdint>

namespace hearts {

// One seat's cards by slot, with masks kept in step for quick questions:
// the host's hands, the search's, and the cards a client holds.
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
        m_suitSlots[static_cast<std::size_t>(getsuit(card))] &= static_cast<SlotMask>(~bit);
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

// Small and asked at every card: defined here so that every caller may
// inline them.
inline SlotMask Hand::slotsOf(CardMask cards) const {
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

inline void Hand::take(int slot) {
    if (slot < 1 || slot > kSlots) {
        return;
    }
    if (const int card = at(slot); card != 0) {
        takeCard(slot, card);
    }
}

inline void Hand::put(int slot, int card) {
    take(slot);
    if (card >= 1 && card <= 52 && slot >= 1 && slot <= kSlots) {
        take(slotOf(card));
        putNew(slot, card, getsuit(card));
    }
}

} // namespace hearts
