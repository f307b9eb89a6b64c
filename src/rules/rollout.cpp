// The rollouts' policies: how every seat plays a round on to its end.
#include "rollout.h"

#include <bit>

namespace hearts {

namespace {

constexpr int kQueen = kQueenOfSpades;
constexpr CardMask bit(int card) {
    return CardMask{1} << card;
}
constexpr CardMask kHighSpades = bit(kKingOfSpades) | bit(kAceOfSpades);

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

} // namespace

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

int seatAfter(Round& round, int seat) {
    if (!trickComplete(round)) {
        return seat % kSeats + 1;
    }
    const int taker = endTrick(round).taker;
    return round.hands[static_cast<std::size_t>(taker)].count() == 0 ? 0 : taker;
}

namespace {

// Plays a round on from a seat to its end, each card as `choose` says for
// the seat and its legal cards, and scores it.
template <typename Choose> int playOn(Round& round, int nextSeat, Choose choose) {
    // The card just played may have filled the trick.
    int seat = trickComplete(round) ? seatAfter(round, 0) : nextSeat;
    while (seat != 0) {
        const Hand& hand = round.hands[static_cast<std::size_t>(seat)];
        const int card = choose(seat, legalCards(hand.held(), round.position()));
        if (card == 0) {
            break; // an empty hand mid-trick: not a round of the rules
        }
        round.leadTwoOfClubs = false;
        playCard(round, seat, hand.slotOf(card));
        seat = seatAfter(round, seat);
    }
    return scoreRound(round);
}

} // namespace

void playOut(Round& round, int nextSeat, int shooter) {
    playOn(round, nextSeat, [&](int seat, CardMask legal) {
        return seat == shooter ? shootingCard(round, legal) : rolloutCard(round, legal);
    });
}

int runnerOf(const Round& round, const MoonPlan& plan) {
    const int taker = soleTaker(round.points);
    if (plan.shooter != 0) {
        return taker == 0 || taker == plan.shooter ? plan.shooter : 0;
    }
    if (taker >= 1 && taker <= kSeats && taker != plan.planner &&
        round.points[static_cast<std::size_t>(taker)] >= plan.runFrom) {
        return taker;
    }
    return 0;
}

int stoppingCard(const Round& round, int seat, CardMask legal, int runner) {
    const Hand& hand = round.hands[static_cast<std::size_t>(seat)];
    if (round.ledCard == 0) {
        // The highest heart still out takes a point from the runner for sure.
        const CardMask heartsOut = kHeartCards & ~round.playedCards;
        const int topHeart = heartsOut != 0 ? highestCard(heartsOut) : 0;
        if (topHeart != 0 && (legal & bit(topHeart)) != 0) {
            return topHeart;
        }
        return rolloutCard(round, legal);
    }
    const int winner = trickTaker(round.trickCards, round.leader);
    const int winning = round.trickCards[static_cast<std::size_t>(winner)];
    const bool runnerToPlay = round.trickCards[static_cast<std::size_t>(runner)] == 0;
    const CardMask ledSuit = suitCards(getsuit(round.ledCard));
    if ((legal & ledSuit) != 0) {
        if (winner == runner) {
            // Beat the runner with the lowest card that does, but for the
            // queen; a trick without points taken from it still takes the
            // lead away.
            const CardMask above =
                legal & ledSuit & ~belowIn(winning) & ~bit(winning) & ~bit(kQueenOfSpades);
            if (above != 0 &&
                (trickPoints(round.trickCards) > 0 || (hand.held() & kHeartCards) != 0)) {
                return lowestCard(above);
            }
        }
        return rolloutCard(round, legal);
    }
    // Void: points go on a trick the runner has not got and cannot get.
    if (winner != runner && !runnerToPlay) {
        return rolloutCard(round, legal);
    }
    const CardMask noPoints = legal & ~kPointCards;
    return noPoints != 0 ? byRank<true>(noPoints) : rolloutCard(round, legal);
}

int playOutWithMoons(Round& round, int nextSeat, const MoonPlan& plan) {
    return playOn(round, nextSeat, [&](int seat, CardMask legal) {
        const int runner = runnerOf(round, plan);
        if (runner == 0) {
            return rolloutCard(round, legal);
        }
        if (seat == runner) {
            return shootingCard(round, legal);
        }
        const bool stops = ((plan.stoppers >> seat) & 1) != 0 &&
                           round.points[static_cast<std::size_t>(runner)] >= plan.seenFrom;
        return stops ? stoppingCard(round, seat, legal, runner) : rolloutCard(round, legal);
    });
}

} // namespace hearts
