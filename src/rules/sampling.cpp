// Deals of the unseen cards: the knowledge of a seat, and hands sampled
// to agree with it.
#include "sampling.h"

#include <algorithm>
#include <bit>

namespace hearts {

namespace {
constexpr CardMask bit(int card) {
    return CardMask{1} << card;
}
} // namespace

std::uint64_t SearchRandom::next() {
    state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

Knowledge knowledgeOf(const SeatView& view) {
    Knowledge k;
    k.seat = view.seat;
    CardMask elsewhere = kAllCards & ~view.hand.held() & ~view.playedCards;
    if (view.passedTo != 0) {
        // The cards this seat passed stay with their receiver until played.
        const CardMask stillThere = view.passedCards & elsewhere;
        k.known[static_cast<std::size_t>(view.passedTo)] = stillThere;
        elsewhere &= ~stillThere;
    }
    for (int other = 1; other <= kSeats; ++other) {
        const auto at = static_cast<std::size_t>(other);
        if (other != view.seat) {
            k.need[at] = view.cardsHeld[at] - std::popcount(k.known[at]);
            k.voids[at] = view.voidSuits[at];
        }
    }
    k.unseen = elsewhere;
    return k;
}

// Deals the unseen cards to the other seats, each as many as it holds and
// none of a suit it has shown void in. The most constrained cards go first;
// a deal that runs into a corner starts again, and in the end the voids give
// way rather than the counts.
bool sampleHands(const Knowledge& k, SearchRandom& random,
                 std::array<CardMask, kSeats + 1>& hands) {
    std::array<int, 52> order{};
    int count = 0;
    for (CardMask left = k.unseen; left != 0; left &= left - 1) {
        order[static_cast<std::size_t>(count++)] = std::countr_zero(left);
    }
    // Bit s of a suit's mask: seat s may hold cards of that suit.
    auto suitSeats = [&](bool keepVoids) {
        std::array<int, kHearts + 1> seats{};
        for (int suit = kClubs; suit <= kHearts; ++suit) {
            for (int seat = 1; seat <= kSeats; ++seat) {
                const auto at = static_cast<std::size_t>(seat);
                if (seat != k.seat && (!keepVoids || ((k.voids[at] >> suit) & 1) == 0)) {
                    seats[static_cast<std::size_t>(suit)] |= 1 << seat;
                }
            }
        }
        return seats;
    };
    const std::array<int, kHearts + 1> withVoids = suitSeats(true);
    const std::array<int, kHearts + 1> withoutVoids = suitSeats(false);
    int wanting = 0; // bit s: seat s still needs cards
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (seat != k.seat && k.need[static_cast<std::size_t>(seat)] > 0) {
            wanting |= 1 << seat;
        }
    }
    for (int attempt = 0; attempt < 40; ++attempt) {
        const bool keepVoids = attempt < 39;
        const std::array<int, kHearts + 1>& allowed = keepVoids ? withVoids : withoutVoids;
        for (int i = count - 1; i > 0; --i) {
            std::swap(order[static_cast<std::size_t>(i)],
                      order[static_cast<std::size_t>(random.below(i + 1))]);
        }
        std::array<int, kSeats + 1> need = k.need;
        int open = wanting;
        // Cards that only one or two seats may hold are placed first: a
        // stable sort by how many seats may hold the card's suit.
        std::array<int, 52> sorted{};
        int placed = 0;
        for (int seats = 0; seats <= kSeats; ++seats) {
            for (int i = 0; i < count; ++i) {
                const int card = order[static_cast<std::size_t>(i)];
                if (std::popcount(static_cast<unsigned>(
                        allowed[static_cast<std::size_t>(getsuit(card))] & open)) == seats) {
                    sorted[static_cast<std::size_t>(placed++)] = card;
                }
            }
        }
        order = sorted;
        hands = k.known;
        bool cornered = false;
        for (int i = 0; i < count && !cornered; ++i) {
            const int card = order[static_cast<std::size_t>(i)];
            const int seats = allowed[static_cast<std::size_t>(getsuit(card))] & open;
            const bool favoured = (k.favouredCards & bit(card)) != 0;
            auto shareOf = [&](int seat) {
                const int share = ((seats >> seat) & 1) * need[static_cast<std::size_t>(seat)];
                return favoured && seat == k.favoured ? share * k.favour : share;
            };
            int room = 0;
            for (int seat = 1; seat <= kSeats; ++seat) {
                room += shareOf(seat);
            }
            if (room == 0) {
                cornered = true;
                break;
            }
            // A seat with more room is the likelier holder.
            int pick = random.below(room);
            for (int seat = 1; seat <= kSeats; ++seat) {
                const auto at = static_cast<std::size_t>(seat);
                const int share = shareOf(seat);
                if (pick < share) {
                    hands[at] |= bit(card);
                    if (--need[at] == 0) {
                        open &= ~(1 << seat);
                    }
                    break;
                }
                pick -= share;
            }
        }
        if (!cornered) {
            return true;
        }
    }
    return false;
}

void replaceHand(Hand& hand, CardMask cards) {
    hand.clear();
    int slot = 1;
    for (CardMask left = cards; left != 0; left &= left - 1) {
        const int card = std::countr_zero(left);
        hand.putNew(slot++, card, getsuit(card));
    }
}

} // namespace hearts
