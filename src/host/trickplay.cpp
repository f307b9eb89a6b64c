// A card played: the checks of the rules in their order, the card accepted
// or refused, and the end of a trick.
#include "hostgame.h"
#include "protocol.h"

using hearts::Phase;
using hearts::Refusal;

void HostGame::refuse(int seat, Refusal refusal, int card) {
    const int code = static_cast<int>(refusal);
    if (refusal == Refusal::FollowSuit) {
        sendTo(seat, protocol::build(protocol::Command::Error, seat, code, card));
    } else {
        sendTo(seat, protocol::build(protocol::Command::Error, seat, code));
    }
}

void HostGame::afterAcceptedCard(int card) {
    if (card == hearts::kQueenOfSpades) {
        // The next turn comes one tick later, so the queen can be seen.
        stopTimer1();
        startTimer1(Pause::AfterQueen, 0);
    } else {
        findplayer();
    }
}

void HostGame::playcard(int /*sender*/, const protocol::Message& message) {
    const auto [seat, slot] = message.numbers<2>();
    play(seat, slot);
}

void HostGame::play(int seat, int slot) {
    if (m_round.phase != Phase::Play || seat != m_round.turn) {
        return;
    }
    // While a pause runs (after a trick, a round or the queen) the turn is
    // not open to anyone.
    if (m_timer1.enabled) {
        return;
    }
    const hearts::Hand& hand = m_round.hands[static_cast<std::size_t>(seat)];
    const int card = slot >= 1 && slot <= kHandSlots ? hand.at(slot) : 0;
    // Every check first; only an accepted card changes anything. (The round's
    // first card must be the two of clubs, which no later check refuses, so
    // the round's opening is over exactly when a card is accepted; a lead
    // names its leader as it is played.)
    if (const Refusal refusal = hearts::refusalFor(m_round, seat, slot); refusal != Refusal::None) {
        refuse(seat, refusal, card);
        return;
    }
    m_round.leadTwoOfClubs = false;
    const bool leading = m_round.ledCard == 0;
    const int cardsLeft = hand.count() - 1;
    stopTurnDeadline();
    sendAll([&] { return protocol::build(protocol::Command::Heplayed, seat, card, cardsLeft); });
    sendTo(seat, protocol::build(protocol::Command::Heusecard, seat, slot));
    hearts::playCard(m_round, seat, slot);
    m_trickSeen.seats[static_cast<std::size_t>(m_trickSeen.count)] = seat;
    m_trickSeen.cards[static_cast<std::size_t>(m_trickSeen.count)] = card;
    ++m_trickSeen.count;
    if (leading || !hearts::trickComplete(m_round)) {
        afterAcceptedCard(card);
        return;
    }
    endtrick();
}

void HostGame::endtrick() {
    const hearts::TrickEnd end = hearts::endTrick(m_round);
    m_trickSeen.taker = end.taker;
    const int tricks = m_round.tricks[static_cast<std::size_t>(end.taker)];
    sendAll([&] { return protocol::build(protocol::Command::Tooktrick, end.taker, tricks); });
    m_nextturn = end.taker - 1;
    m_round.turn = end.taker - 1;
    stopTimer1();
    startTimer1(Pause::NextTrick, 3);
}
