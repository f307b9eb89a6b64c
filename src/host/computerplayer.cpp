// The computer's moves for every seat that nobody plays: a fixed order of
// simple rules over the hand in deal order and the current trick.
#include "cards.h"
#include "hostgame.h"
#include "message.h"
#include "random.h"

using cards::getsuit;

void HostGame::computertimerTimer() {
    stopComputerTimer();
    if (isComputerSeat(m_turn) && m_computertimer.tag == 2) {
        computerplay(m_turn);
    }
}

void HostGame::computerpass(int seat) {
    PlayerRecord& player = m_players[seat];
    if (player.passed) {
        return;
    }
    player.botpass.fill(0);
    auto offerWhere = [&](auto&& qualifies, bool downwards) {
        for (int i = 1; i <= kHandSlots; ++i) {
            const int slot = downwards ? kHandSlots + 1 - i : i;
            if (qualifies(player.cards[slot]) && computerpickpass(seat, slot)) {
                return true;
            }
        }
        return false;
    };
    auto divisibleBy = [](int divisor) {
        return [divisor](int card) { return card != 0 && card % divisor == 0; };
    };
    // The high hearts, then the aces, then cards of three more fixed groups,
    // then anything.
    if (offerWhere([](int card) { return card > 42; }, true) ||
        offerWhere(divisibleBy(13), false) || offerWhere(divisibleBy(12), false) ||
        offerWhere(divisibleBy(11), false) || offerWhere(divisibleBy(10), false) ||
        offerWhere([](int) { return true; }, false)) {
        return;
    }
    m_events.internalError("Error with computer passing cards.. Contact Orvane");
}

bool HostGame::computerpickpass(int seat, int slot) {
    auto& places = m_players[seat].botpass;
    int freePlace = 0;
    for (int k = 1; k <= 3 && freePlace == 0; ++k) {
        freePlace = places[k] == 0 ? k : 0;
    }
    if (freePlace == 0) {
        return false;
    }
    for (int k = 1; k <= 3; ++k) {
        if (places[k] == slot) {
            return false;
        }
    }
    places[freePlace] = slot;
    for (int k = 1; k <= 3; ++k) {
        if (places[k] == 0) {
            return false;
        }
    }
    passcards(hostmessage::buildPlus("", seat, places[1], places[2], places[3]).substr(1));
    return true;
}

void HostGame::submitPlay(int seat, int slot) {
    playcard(hostmessage::buildPlus("", seat, slot).substr(1));
}

int HostGame::slotOf(int seat, int card) const {
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (m_players[seat].cards[slot] == card) {
            return slot;
        }
    }
    return 0;
}

void HostGame::computerplay(int seat) {
    if (m_ledcard == 0) {
        computerleadcard(seat);
        return;
    }
    if (computerfollowqueen(seat) || computerfindfollow(seat)) {
        return;
    }
    const bool thrown = m_pointstaker == 0 || m_pointstaker == 100 ? computerthrowpointnoshoot(seat)
                                                                   : computerthrowpointshoot(seat);
    if (thrown || computerthrowany(seat)) {
        return;
    }
    m_events.internalError("Error H20011.. Contact Orvane");
}

void HostGame::computerleadcard(int seat) {
    const auto& hand = m_players[seat].cards;
    if (m_lead2clubs) {
        if (const int slot = slotOf(seat, cards::kTwoOfClubs); slot != 0) {
            submitPlay(seat, slot);
            return;
        }
    }
    const bool heartsAllowed = m_heartsbroken || !checkforother(seat);
    for (int draw = 0; draw < 100; ++draw) {
        const int slot = processrandom::draw(kHandSlots) + 1;
        const int card = hand[slot];
        if (card != 0 && card != cards::kQueenOfSpades && card != cards::kKingOfSpades &&
            card != cards::kAceOfSpades && (!cards::isHeart(card) || heartsAllowed)) {
            submitPlay(seat, slot);
            return;
        }
    }
    const int start = processrandom::draw(kHandSlots) + 1;
    for (int step = 0; step < 2 * kHandSlots; ++step) {
        const int slot = (start - 1 + step) % kHandSlots + 1;
        const int card = hand[slot];
        if (card != 0 && card != cards::kQueenOfSpades &&
            (!cards::isHeart(card) || (heartsAllowed && !m_firsttrick && !m_safefirsttrick))) {
            submitPlay(seat, slot);
            return;
        }
    }
    int last = 0;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const int card = hand[slot];
        if (card != 0 && (!cards::isHeart(card) || heartsAllowed)) {
            last = slot;
        }
    }
    if (last != 0) {
        submitPlay(seat, last);
    }
}

bool HostGame::computerfollowqueen(int seat) {
    const int queenSlot = slotOf(seat, cards::kQueenOfSpades);
    if (getsuit(m_ledcard) == cards::kSpades) {
        bool highSpadeOut = false;
        for (int s = 1; s <= kSeats; ++s) {
            const int card = m_players[s].trickcard;
            highSpadeOut =
                highSpadeOut || card == cards::kKingOfSpades || card == cards::kAceOfSpades;
        }
        if (highSpadeOut && queenSlot != 0 && !restricted()) {
            submitPlay(seat, queenSlot);
            return true;
        }
        return false;
    }
    if (checkforsuit(seat)) {
        return false;
    }
    if (queenSlot != 0 && !restricted()) {
        submitPlay(seat, queenSlot);
        return true;
    }
    return false;
}

bool HostGame::computerfindfollow(int seat) {
    const auto& hand = m_players[seat].cards;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (getsuit(hand[slot]) == getsuit(m_ledcard) && hand[slot] != cards::kQueenOfSpades) {
            submitPlay(seat, slot);
            return true;
        }
    }
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (getsuit(hand[slot]) == getsuit(m_ledcard)) {
            submitPlay(seat, slot);
            return true;
        }
    }
    return false;
}

bool HostGame::computerthrowpointshoot(int seat) {
    int winning = m_leader;
    for (int s = 1; s <= kSeats; ++s) {
        if (s == m_leader) {
            continue;
        }
        const int card = m_players[s].trickcard;
        const int best = m_players[winning].trickcard;
        if (getsuit(card) == getsuit(best) && card > best) {
            winning = s;
        }
    }
    if (winning == m_pointstaker || restricted()) {
        return false;
    }
    const auto& hand = m_players[seat].cards;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (cards::isPointCard(hand[slot])) {
            submitPlay(seat, slot);
            return true;
        }
    }
    return false;
}

bool HostGame::computerthrowpointnoshoot(int seat) {
    if (restricted()) {
        return false;
    }
    if (const int queenSlot = slotOf(seat, cards::kQueenOfSpades); queenSlot != 0) {
        submitPlay(seat, queenSlot);
        return true;
    }
    const auto& hand = m_players[seat].cards;
    int highest = 0;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (cards::isHeart(hand[slot]) && (highest == 0 || hand[slot] > hand[highest])) {
            highest = slot;
        }
    }
    if (highest != 0) {
        submitPlay(seat, highest);
        return true;
    }
    return false;
}

bool HostGame::computerthrowany(int seat) {
    const auto& hand = m_players[seat].cards;
    if (restricted()) {
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            if (hand[slot] != 0 && !cards::isPointCard(hand[slot])) {
                submitPlay(seat, slot);
                return true;
            }
        }
    }
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (hand[slot] != 0) {
            submitPlay(seat, slot);
            return true;
        }
    }
    return false;
}
