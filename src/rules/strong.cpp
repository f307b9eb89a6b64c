// The Strong computer player's search: determinized sampling of the unseen
// cards and rollouts of every legal card to the end of the round.
#include "strong.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <limits>

namespace hearts {

namespace {

constexpr int kQueen = kQueenOfSpades;
constexpr CardMask bit(int card) {
    return CardMask{1} << card;
}
constexpr CardMask kHighSpades = bit(kKingOfSpades) | bit(kAceOfSpades);

// 0 for a two up to 12 for an ace.
constexpr int rankOf(int card) {
    return (card - 1) % 13;
}
int lowestCard(CardMask cards) {
    return std::countr_zero(cards);
}
int highestCard(CardMask cards) {
    return 63 - std::countl_zero(cards);
}
// The card of the lowest (or highest) rank, whatever its suit.
template <bool highest> int byRank(CardMask cards) {
    int best = 0;
    for (CardMask left = cards; left != 0; left &= left - 1) {
        const int card = std::countr_zero(left);
        if (best == 0 || (highest ? rankOf(card) > rankOf(best) : rankOf(card) < rankOf(best))) {
            best = card;
        }
    }
    return best;
}
// The cards of a suit below a card of it.
CardMask belowIn(int card) {
    const CardMask suit = suitCards(getsuit(card));
    return suit & (bit(card) - 1);
}

int cardsOnTable(const Round& round) {
    int count = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        count += round.trickCards[static_cast<std::size_t>(seat)] != 0;
    }
    return count;
}

// A seat that tries to take every point: it takes tricks with its highest
// cards and leads from the top.
int shootingCard(const Round& round, CardMask legal) {
    if (round.ledCard == 0) {
        return byRank<true>(legal);
    }
    const CardMask led = legal & suitCards(getsuit(round.ledCard));
    if (led != 0) {
        return highestCard(led);
    }
    return byRank<false>(legal & ~kPointCards) != 0 ? byRank<false>(legal & ~kPointCards)
                                                    : byRank<false>(legal);
}

} // namespace

std::uint64_t SearchRandom::next() {
    state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t decisionSeed(std::uint32_t gameSeed, int roundNumber, const Round& round, int seat) {
    SearchRandom mix{(static_cast<std::uint64_t>(gameSeed) << 32) ^
                     (static_cast<std::uint64_t>(roundNumber) << 8) ^
                     static_cast<std::uint64_t>(seat)};
    mix.state ^= round.playedCards * 0x9E3779B97F4A7C15ull;
    return mix.next();
}

int rolloutCard(const Round& round, CardMask legal) {
    if ((legal & (legal - 1)) == 0) {
        return lowestCard(legal);
    }
    const bool queenOut = (round.playedCards & bit(kQueen)) == 0;
    if (round.ledCard == 0) {
        // Low leads, never the queen or a high spade that could catch it.
        CardMask safe = legal & ~kHeartCards & ~bit(kQueen);
        if (queenOut) {
            safe &= ~kHighSpades;
        }
        if (safe == 0) {
            safe = legal & ~bit(kQueen);
        }
        return byRank<false>(safe != 0 ? safe : legal);
    }
    const CardMask ledSuit = suitCards(getsuit(round.ledCard));
    if ((legal & ledSuit) != 0) {
        const int winning =
            round.trickCards[static_cast<std::size_t>(trickTaker(round.trickCards, round.leader))];
        const CardMask under = legal & belowIn(winning);
        if (under != 0) {
            return highestCard(under); // the highest card that still ducks
        }
        const bool last = cardsOnTable(round) == kSeats - 1;
        const CardMask noQueen = legal & ~bit(kQueen);
        if (last) {
            // The trick is ours anyway: with the highest card but the queen.
            return noQueen != 0 ? highestCard(noQueen) : lowestCard(legal);
        }
        // Someone after may still take it; a high spade stays back while
        // the queen is out.
        const CardMask keep = queenOut ? noQueen & ~kHighSpades : noQueen;
        return keep != 0 ? lowestCard(keep) : lowestCard(noQueen != 0 ? noQueen : legal);
    }
    // Void in the led suit: the queen, the high spades, the high hearts,
    // then the highest card.
    if ((legal & bit(kQueen)) != 0) {
        return kQueen;
    }
    if (queenOut && (legal & kHighSpades) != 0) {
        return highestCard(legal & kHighSpades);
    }
    if ((legal & kHeartCards) != 0) {
        return highestCard(legal & kHeartCards);
    }
    return byRank<true>(legal);
}

void playOut(Round& round, int nextSeat, int shooter) {
    int seat = nextSeat;
    for (;;) {
        if (trickComplete(round)) {
            seat = endTrick(round).taker;
            if (round.hands[static_cast<std::size_t>(seat)].count() == 0) {
                break;
            }
        }
        const Hand& hand = round.hands[static_cast<std::size_t>(seat)];
        const CardMask legal = legalCards(hand.held(), round.position());
        const int card = seat == shooter ? shootingCard(round, legal) : rolloutCard(round, legal);
        if (card == 0) {
            break; // an empty hand mid-trick: not a round of the rules
        }
        round.leadTwoOfClubs = false;
        playCard(round, seat, hand.slotOf(card));
        seat = seat % kSeats + 1;
    }
    scoreRound(round);
}

namespace {

// Everything a seat knows of where the other cards are.
struct Knowledge {
    int seat = 0;
    std::array<int, kSeats + 1> need{};       // cards each other seat holds
    std::array<CardMask, kSeats + 1> known{}; // cards known in a seat's hand
    std::array<std::uint8_t, kSeats + 1> voids{};
    CardMask unseen = 0; // held by the others, where unknown
};

Knowledge knowledgeOf(const Round& round, int seat) {
    Knowledge k;
    k.seat = seat;
    const CardMask mine = round.hands[static_cast<std::size_t>(seat)].held();
    CardMask elsewhere = kAllCards & ~mine & ~round.playedCards;
    if (round.phase == Phase::Play && round.passDirection != 0) {
        // The cards this seat passed stay with their receiver until played.
        const int receiver = passReceiver(seat, round.passDirection);
        for (int card : round.passedCards[static_cast<std::size_t>(receiver)]) {
            if (card != 0 && (elsewhere & bit(card)) != 0) {
                k.known[static_cast<std::size_t>(receiver)] |= bit(card);
                elsewhere &= ~bit(card);
            }
        }
    }
    for (int other = 1; other <= kSeats; ++other) {
        const auto at = static_cast<std::size_t>(other);
        if (other != seat) {
            k.need[at] = round.hands[at].count() - std::popcount(k.known[at]);
            k.voids[at] = round.voidSuits[at];
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
    auto eligible = [&](int card, const std::array<int, kSeats + 1>& need, bool keepVoids) {
        int seats = 0;
        const int suit = getsuit(card);
        for (int seat = 1; seat <= kSeats; ++seat) {
            const auto at = static_cast<std::size_t>(seat);
            if (seat != k.seat && need[at] > 0 &&
                (!keepVoids || ((k.voids[at] >> suit) & 1) == 0)) {
                seats |= 1 << seat;
            }
        }
        return seats;
    };
    for (int attempt = 0; attempt < 40; ++attempt) {
        const bool keepVoids = attempt < 39;
        for (int i = count - 1; i > 0; --i) {
            std::swap(order[static_cast<std::size_t>(i)],
                      order[static_cast<std::size_t>(random.below(i + 1))]);
        }
        std::array<int, kSeats + 1> need = k.need;
        // Cards that only one or two seats may hold are placed first.
        std::stable_sort(order.begin(), order.begin() + count, [&](int a, int b) {
            return std::popcount(static_cast<unsigned>(eligible(a, need, keepVoids))) <
                   std::popcount(static_cast<unsigned>(eligible(b, need, keepVoids)));
        });
        hands = k.known;
        bool cornered = false;
        for (int i = 0; i < count && !cornered; ++i) {
            const int card = order[static_cast<std::size_t>(i)];
            const int seats = eligible(card, need, keepVoids);
            int room = 0;
            for (int seat = 1; seat <= kSeats; ++seat) {
                room += ((seats >> seat) & 1) * need[static_cast<std::size_t>(seat)];
            }
            if (room == 0) {
                cornered = true;
                break;
            }
            // A seat with more room is the likelier holder.
            int pick = random.below(room);
            for (int seat = 1; seat <= kSeats; ++seat) {
                const auto at = static_cast<std::size_t>(seat);
                const int share = ((seats >> seat) & 1) * need[at];
                if (pick < share) {
                    hands[at] |= bit(card);
                    --need[at];
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

} // namespace

std::array<int, 3> strongPass(const Hand& hand) {
    const CardMask held = hand.held();
    const int spadesBelowQueen = std::popcount(held & suitCards(kSpades) & (bit(kQueen) - 1));
    const bool holdsQueen = (held & bit(kQueen)) != 0;
    std::array<int, 53> danger{};
    for (CardMask left = held; left != 0; left &= left - 1) {
        const int card = std::countr_zero(left);
        const int suit = getsuit(card);
        const int inSuit = std::popcount(held & suitCards(suit));
        int score = rankOf(card);
        if (suit == kSpades) {
            if (card == kQueen) {
                score = spadesBelowQueen >= 4 ? 0 : 100;
            } else if (card > kQueen) {
                score = spadesBelowQueen >= 4 ? 4 : holdsQueen ? 60 : 50;
            } else {
                score = -10; // low spades guard against the queen
            }
        } else if (suit == kHearts) {
            score += 3;
        } else if (inSuit <= 2) {
            score += 8; // a suit to empty, then throw points on it
        }
        danger[static_cast<std::size_t>(card)] = score;
    }
    std::array<int, 3> chosen{};
    CardMask left = held;
    for (int& slot : chosen) {
        int best = 0;
        for (CardMask scan = left; scan != 0; scan &= scan - 1) {
            const int card = std::countr_zero(scan);
            if (best == 0 ||
                danger[static_cast<std::size_t>(card)] > danger[static_cast<std::size_t>(best)]) {
                best = card;
            }
        }
        slot = hand.slotOf(best);
        left &= ~bit(best);
    }
    return chosen;
}

int strongPlay(const Round& round, int seat, std::uint64_t seed, const SearchBudget& budget) {
    const Hand& hand = round.hands[static_cast<std::size_t>(seat)];
    const CardMask legal = legalCards(hand.held(), round.position());
    if (legal == 0) {
        return 0;
    }
    if ((legal & (legal - 1)) == 0) {
        return hand.slotOf(lowestCard(legal));
    }
    const auto started = std::chrono::steady_clock::now();
    const auto deadline = started + std::chrono::milliseconds(budget.maxMilliseconds);
    const Knowledge knowledge = knowledgeOf(round, seat);
    SearchRandom random{seed};

    std::array<int, 13> candidates{};
    int candidateCount = 0;
    for (CardMask left = legal; left != 0; left &= left - 1) {
        candidates[static_cast<std::size_t>(candidateCount++)] = std::countr_zero(left);
    }
    // Taking every point is weighed only while this seat has taken them all.
    const int taken = round.points[static_cast<std::size_t>(seat)];
    const bool tryMoon =
        taken > 0 && (round.pointsTaker == seat || round.pointsTaker == 0) && taken >= 8;
    std::array<long, 13> cost{};
    std::array<long, 13> moonCost{};

    Round sample = round;
    std::array<CardMask, kSeats + 1> hands{};
    int samples = 0;
    while (samples < budget.samples && std::chrono::steady_clock::now() < deadline) {
        if (!sampleHands(knowledge, random, hands)) {
            break;
        }
        for (int other = 1; other <= kSeats; ++other) {
            if (other != seat) {
                replaceHand(sample.hands[static_cast<std::size_t>(other)],
                            hands[static_cast<std::size_t>(other)]);
            }
        }
        // This seat's points when it plays the card and the round is played
        // out (with this seat running for every point when it shoots).
        auto pointsAfter = [&](int card, int shooter) {
            Round line = sample;
            line.leadTwoOfClubs = false;
            playCard(line, seat, line.hands[static_cast<std::size_t>(seat)].slotOf(card));
            playOut(line, seat % kSeats + 1, shooter);
            return line.points[static_cast<std::size_t>(seat)];
        };
        for (int i = 0; i < candidateCount; ++i) {
            const int card = candidates[static_cast<std::size_t>(i)];
            cost[static_cast<std::size_t>(i)] += pointsAfter(card, 0);
            if (tryMoon) {
                moonCost[static_cast<std::size_t>(i)] += pointsAfter(card, seat);
            }
        }
        ++samples;
    }
    if (samples == 0) {
        return hand.slotOf(rolloutCard(round, legal));
    }
    int best = 0;
    long bestCost = std::numeric_limits<long>::max();
    for (int i = 0; i < candidateCount; ++i) {
        long c = cost[static_cast<std::size_t>(i)];
        if (tryMoon) {
            c = std::min(c, moonCost[static_cast<std::size_t>(i)]);
        }
        if (c < bestCost) {
            bestCost = c;
            best = candidates[static_cast<std::size_t>(i)];
        }
    }
    return hand.slotOf(best);
}

} // namespace hearts
