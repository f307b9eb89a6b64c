// A seat's view of a round, and a round made from one.
#include "seatview.h"

namespace hearts {

SeatView seatView(const Round& round, int seat) {
    SeatView view;
    view.seat = seat;
    view.hand = round.hands[static_cast<std::size_t>(seat)];
    for (int other = 1; other <= kSeats; ++other) {
        view.cardsHeld[static_cast<std::size_t>(other)] =
            round.hands[static_cast<std::size_t>(other)].count();
    }
    if (round.phase == Phase::Play && round.passDirection != 0) {
        view.passedTo = passReceiver(seat, round.passDirection);
        for (int card : round.passedCards[static_cast<std::size_t>(view.passedTo)]) {
            view.passedCards |= card != 0 ? cardBit(card) : 0;
        }
    }
    view.trickCards = round.trickCards;
    view.points = round.points;
    view.tricks = round.tricks;
    view.voidSuits = round.voidSuits;
    view.playedCards = round.playedCards;
    view.leader = round.leader;
    view.ledCard = round.ledCard;
    view.pointsTaker = round.pointsTaker;
    view.jackTaker = round.jackTaker;
    view.leadTwoOfClubs = round.leadTwoOfClubs;
    view.heartsBroken = round.heartsBroken;
    view.firstTrick = round.firstTrick;
    view.safeFirstTrick = round.safeFirstTrick;
    view.rules = round.rules;
    return view;
}

Round roundFrom(const SeatView& view) {
    Round round;
    round.hands[static_cast<std::size_t>(view.seat)] = view.hand;
    round.trickCards = view.trickCards;
    round.points = view.points;
    round.tricks = view.tricks;
    round.voidSuits = view.voidSuits;
    round.playedCards = view.playedCards;
    round.phase = Phase::Play;
    round.turn = view.seat;
    round.leader = view.leader;
    round.ledCard = view.ledCard;
    round.pointsTaker = view.pointsTaker;
    round.jackTaker = view.jackTaker;
    round.leadTwoOfClubs = view.leadTwoOfClubs;
    round.heartsBroken = view.heartsBroken;
    round.firstTrick = view.firstTrick;
    round.safeFirstTrick = view.safeFirstTrick;
    round.rules = view.rules;
    return round;
}

} // namespace hearts
