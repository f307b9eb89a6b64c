// The rules of a round over values: the deal, passing, checks, tricks and
// scoring.
#include "round.h"

namespace hearts {

PlayPosition Round::position() const {
    PlayPosition at;
    at.leadTwoOfClubs = leadTwoOfClubs;
    at.ledCard = ledCard;
    at.firstTrick = firstTrick;
    at.safeFirstTrick = safeFirstTrick;
    at.heartsBroken = heartsBroken;
    return at;
}

int passReceiver(int seat, int direction) {
    switch (direction) {
    case 1:
        return seat % 4 + 1;
    case 2:
        return (seat + 2) % 4 + 1;
    default:
        return (seat + 1) % 4 + 1;
    }
}

Refusal refusalFor(const Round& round, int seat, int slot) {
    const Hand& hand = round.hands[static_cast<std::size_t>(seat)];
    const int card = slot >= 1 && slot <= kSlots ? hand.at(slot) : 0;
    return refusal(hand.held(), card, round.position());
}

SlotMask legalSlots(const Round& round, int seat) {
    const Hand& hand = round.hands[static_cast<std::size_t>(seat)];
    return hand.slotsOf(legalCards(hand.held(), round.position()));
}

int trickTaker(const std::array<int, kSeats + 1>& trickCards, int leader) {
    // The highest card of the led suit: the cards of a suit are a run of
    // numbers, so the highest in that run.
    const int ledCard = trickCards[static_cast<std::size_t>(leader)];
    const int low = (getsuit(ledCard) - 1) * 13 + 1;
    int taker = leader;
    int best = ledCard;
    for (int seat = 1; seat <= kSeats; ++seat) {
        const int card = trickCards[static_cast<std::size_t>(seat)];
        const bool wins = card > best && card < low + 13;
        taker = wins ? seat : taker;
        best = wins ? card : best;
    }
    return taker;
}

int trickPoints(const std::array<int, kSeats + 1>& trickCards) {
    int points = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        points += cardPoints(trickCards[static_cast<std::size_t>(seat)]);
    }
    return points;
}

int trickScore(const std::array<int, kSeats + 1>& trickCards, const HouseRules& rules) {
    int points = trickPoints(trickCards);
    for (int card : trickCards) {
        points += card == kJackOfDiamonds && rules.jackOfDiamonds ? kJackOfDiamondsPoints : 0;
    }
    return points;
}

int tallyTrick(const std::array<int, kSeats + 1>& trickCards, int taker,
               std::array<int, kSeats + 1>& points, int& pointsTaker, int& jackTaker) {
    const int taken = trickPoints(trickCards);
    if (taken > 0) {
        pointsTaker = pointsTaker == 0 ? taker : kSeveralTakers;
    }
    points[static_cast<std::size_t>(taker)] += taken;
    for (int card : trickCards) {
        jackTaker = card == kJackOfDiamonds ? taker : jackTaker;
    }
    return taken;
}

int soleTaker(const std::array<int, kSeats + 1>& points) {
    int taker = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (points[static_cast<std::size_t>(seat)] != 0) {
            if (taker != 0) {
                return kSeveralTakers;
            }
            taker = seat;
        }
    }
    return taker;
}

int moonShooter(const std::array<int, kSeats + 1>& points) {
    int moon = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (points[static_cast<std::size_t>(seat)] == 26) {
            moon = seat;
        }
    }
    return moon;
}

int gameWinner(const std::array<int, kSeats + 1>& scores, int playTo) {
    bool reached = false;
    for (int seat = 1; seat <= kSeats; ++seat) {
        reached = reached || scores[static_cast<std::size_t>(seat)] >= playTo;
    }
    if (!reached) {
        return 0;
    }
    int winner = 1;
    for (int seat = 2; seat <= kSeats; ++seat) {
        if (scores[static_cast<std::size_t>(seat)] < scores[static_cast<std::size_t>(winner)]) {
            winner = seat;
        }
    }
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (seat != winner &&
            scores[static_cast<std::size_t>(seat)] == scores[static_cast<std::size_t>(winner)]) {
            return 0;
        }
    }
    return winner;
}

int passDirectionOf(int roundNumber, const HouseRules& rules) {
    return rules.noPassHand ? roundNumber % 4 : (roundNumber - 1) % 3 + 1;
}

void startRound(Round& round, int roundNumber, bool safeFirstTrick) {
    Round fresh;
    fresh.rules = round.rules;
    fresh.safeFirstTrick = safeFirstTrick;
    fresh.firstTrick = true;
    fresh.passDirection = passDirectionOf(roundNumber, round.rules);
    fresh.turn = round.turn;
    fresh.leader = round.leader;
    round = fresh;
}

void deal(Round& round, Random& random) {
    // The shuffle draws a place for each card until it finds a free one.
    // Drawn here four at a time, each seed straight from the one before the
    // four, and without a branch on the draw: each draw writes its place
    // under the next card's number, and only a free place moves on to the
    // next card. The same draws, the same deal, the same seed after it.
    static constexpr Jump kStep[4] = {jumpOf(1), jumpOf(2), jumpOf(3), jumpOf(4)};
    std::array<std::uint8_t, 53 + 4> placeOf{}; // by card; room for draws past the last
    CardMask taken = 1;                         // no place 0
    std::uint32_t seed = random.seed;
    std::uint32_t seedAtLast = seed;
    unsigned card = 1;
    while (card <= 52) {
        std::uint32_t seeds[4];
        for (int k = 0; k < 4; ++k) {
            seeds[k] = seed * kStep[k].multiply + kStep[k].add;
        }
        for (std::uint32_t drawn : seeds) {
            const auto place =
                static_cast<unsigned>((static_cast<std::uint64_t>(drawn) * 52u) >> 32) + 1;
            const CardMask bit = CardMask{1} << place;
            const unsigned isFree = (taken & bit) == 0 ? 1u : 0u;
            taken |= bit;
            // The draws after the last card's are not the shuffle's.
            seedAtLast = card <= 52 ? drawn : seedAtLast;
            placeOf[card] = static_cast<std::uint8_t>(place);
            card += isFree;
        }
        seed = seeds[3];
    }
    random.seed = seedAtLast;
    for (auto& hand : round.hands) {
        hand.clear();
    }
    for (unsigned dealt = 1; dealt <= 52; ++dealt) {
        const int place = placeOf[dealt];
        round.hands[static_cast<std::size_t>((place - 1) % 4 + 1)].putNew(
            (place - 1) / 4 + 1, static_cast<int>(dealt), getsuit(static_cast<int>(dealt)));
    }
}

bool choosePass(Round& round, int seat, const std::array<int, 3>& slots) {
    if (round.phase != Phase::Pass || seat < 1 || seat > kSeats || round.passDirection == 0 ||
        round.passed[static_cast<std::size_t>(seat)]) {
        return false;
    }
    Hand& hand = round.hands[static_cast<std::size_t>(seat)];
    for (std::size_t k = 0; k < 3; ++k) {
        const int slot = slots[k];
        if (slot < 1 || slot > kSlots || hand.at(slot) == 0 || slot == slots[(k + 1) % 3]) {
            return false;
        }
    }
    auto& received =
        round.passedCards[static_cast<std::size_t>(passReceiver(seat, round.passDirection))];
    round.passSlots[static_cast<std::size_t>(seat)] = slots;
    round.passed[static_cast<std::size_t>(seat)] = true;
    for (std::size_t k = 0; k < 3; ++k) {
        received[k] = hand.at(slots[k]);
    }
    for (int slot : slots) {
        hand.take(slot);
    }
    return true;
}

bool allPassed(const Round& round) {
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (!round.passed[static_cast<std::size_t>(seat)]) {
            return false;
        }
    }
    return true;
}

void exchangePasses(Round& round) {
    for (int seat = 1; seat <= kSeats; ++seat) {
        const auto s = static_cast<std::size_t>(seat);
        for (std::size_t k = 0; k < 3; ++k) {
            round.hands[s].put(round.passSlots[s][k], round.passedCards[s][k]);
        }
    }
}

int beginPlay(Round& round) {
    round.leadTwoOfClubs = true;
    round.phase = Phase::Play;
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (round.hands[static_cast<std::size_t>(seat)].holds(kTwoOfClubs)) {
            round.turn = seat;
            return seat;
        }
    }
    return 0;
}

void playCard(Round& round, int seat, int slot) {
    Hand& hand = round.hands[static_cast<std::size_t>(seat)];
    const int card = hand.at(slot);
    if (card == 0) {
        return;
    }
    if (round.ledCard == 0) {
        round.ledCard = card;
        round.leader = seat;
    }
    round.heartsBroken = round.heartsBroken || breaksHearts(card, round.rules);
    round.playedCards |= CardMask{1} << card;
    const int suit = getsuit(card);
    const int ledSuit = getsuit(round.ledCard);
    round.voidSuits[static_cast<std::size_t>(seat)] |=
        static_cast<std::uint8_t>((suit != ledSuit) << ledSuit);
    hand.takeCard(slot, card);
    round.trickCards[static_cast<std::size_t>(seat)] = card;
}

bool trickComplete(const Round& round) {
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (round.trickCards[static_cast<std::size_t>(seat)] == 0) {
            return false;
        }
    }
    return true;
}

TrickEnd endTrick(Round& round) {
    round.firstTrick = false;
    TrickEnd end;
    end.taker = trickTaker(round.trickCards, round.leader);
    end.points =
        tallyTrick(round.trickCards, end.taker, round.points, round.pointsTaker, round.jackTaker);
    round.trickCards.fill(0);
    round.tricks[static_cast<std::size_t>(end.taker)] += 1;
    round.ledCard = 0;
    return end;
}

int scoreRound(Round& round) {
    const int moon = moonShooter(round.points);
    if (moon != 0) {
        const bool subtract = round.rules.moonSubtracts;
        for (int seat = 1; seat <= kSeats; ++seat) {
            round.points[static_cast<std::size_t>(seat)] =
                seat == moon ? (subtract ? -26 : 0) : (subtract ? 0 : 26);
        }
    }
    if (round.rules.jackOfDiamonds && round.jackTaker != 0) {
        round.points[static_cast<std::size_t>(round.jackTaker)] += kJackOfDiamondsPoints;
    }
    return moon;
}

} // namespace hearts
