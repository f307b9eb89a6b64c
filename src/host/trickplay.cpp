// The checks of a played card in their order, and the end of a trick.
#include "cards.h"
#include "hostgame.h"
#include "message.h"

using cards::getsuit;
using hostmessage::buildPlus;

bool HostGame::checkforsuit(int seat) const {
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (getsuit(m_players[seat].cards[slot]) == getsuit(m_ledcard)) {
            return true;
        }
    }
    return false;
}

bool HostGame::checkforother(int seat) const {
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const int card = m_players[seat].cards[slot];
        if (card != 0 && getsuit(card) != cards::kHearts) {
            return true;
        }
    }
    return false;
}

bool HostGame::holdsOnlyPointCards(int seat) const {
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const int card = m_players[seat].cards[slot];
        if (card != 0 && !cards::isPointCard(card)) {
            return false;
        }
    }
    return true;
}

void HostGame::refuse(int seat, int code, int card) {
    if (code == 4) {
        sendTo(seat, buildPlus("CMD_error", seat, code, card));
    } else {
        sendTo(seat, buildPlus("CMD_error", seat, code));
    }
}

void HostGame::acceptCard(int seat, int slot, int card, int cardsLeft) {
    stopTurnDeadline();
    sendAll(buildPlus("CMD_heplayed", seat, card, cardsLeft));
    sendTo(seat, buildPlus("CMD_heusecard", seat, slot));
    if (cards::isHeart(card)) {
        m_heartsbroken = true;
    }
    m_players[seat].cards[slot] = 0;
    m_players[seat].trickcard = card;
}

void HostGame::afterAcceptedCard(int card) {
    if (card == cards::kQueenOfSpades) {
        // The next turn comes one tick later, so the queen can be seen.
        stopTimer1();
        startTimer1(4, 0);
    } else {
        findplayer();
    }
}

void HostGame::playcard(const std::string& data) {
    wire::Fields fields(data);
    const int seat = fields.number();
    const int slot = fields.number();
    if (m_phase != "play" || seat != m_turn) {
        return;
    }
    // While a pause runs (after a trick, a round or the queen) the turn is
    // not open to anyone.
    if (m_timer1.enabled) {
        return;
    }
    PlayerRecord& player = m_players[seat];
    const int card = slot >= 1 && slot <= kHandSlots ? player.cards[slot] : 0;
    const int cardsLeft = player.cardsLeft() - 1;
    if (m_lead2clubs && card != cards::kTwoOfClubs) {
        refuse(seat, 1);
        return;
    }
    m_lead2clubs = false;
    if (card == 0) {
        refuse(seat, 2);
        return;
    }
    if (m_ledcard == 0) {
        m_ledcard = card;
        m_leader = seat;
        if (cards::isPointCard(card) && m_firsttrick && m_safefirsttrick) {
            m_ledcard = 0;
            refuse(seat, 5);
            return;
        }
        if (cards::isHeart(card) && !m_heartsbroken && checkforother(seat)) {
            m_ledcard = 0;
            refuse(seat, 3);
            return;
        }
        acceptCard(seat, slot, card, cardsLeft);
        afterAcceptedCard(card);
        return;
    }
    if (getsuit(card) != getsuit(m_ledcard) && checkforsuit(seat)) {
        refuse(seat, 4, card);
        return;
    }
    // A seat with nothing but point cards may discard one even on the safe
    // first trick; otherwise no round could go on.
    if (cards::isPointCard(card) && m_firsttrick && m_safefirsttrick &&
        !holdsOnlyPointCards(seat)) {
        refuse(seat, 5);
        return;
    }
    acceptCard(seat, slot, card, cardsLeft);
    for (int s = 1; s <= kSeats; ++s) {
        if (m_players[s].trickcard == 0) {
            afterAcceptedCard(card);
            return;
        }
    }
    endtrick();
}

void HostGame::endtrick() {
    m_firsttrick = false;
    int winner = m_leader;
    for (int seat = 1; seat <= kSeats; ++seat) {
        if (seat == winner) {
            continue;
        }
        const int card = m_players[seat].trickcard;
        if (getsuit(card) == getsuit(m_ledcard) && card > m_players[winner].trickcard) {
            winner = seat;
        }
    }
    int points = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        const int card = m_players[seat].trickcard;
        points += cards::isHeart(card) ? 1 : 0;
        points += card == cards::kQueenOfSpades ? 13 : 0;
        m_players[seat].trickcard = 0;
    }
    if (points > 0) {
        m_pointstaker = m_pointstaker == 0 ? winner : 100;
    }
    m_players[winner].roundpoints += points;
    m_players[winner].tricks += 1;
    m_ledcard = 0;
    sendAll(buildPlus("CMD_tooktrick", winner, m_players[winner].tricks));
    m_nextturn = winner - 1;
    m_turn = winner - 1;
    stopTimer1();
    startTimer1(3, 3);
}
