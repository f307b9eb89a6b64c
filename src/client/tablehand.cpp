// The player's hand in the table's model: the cards dealt and received,
// passing, the cards the rules allow, and what the player chooses.
#include "tablestate.h"

#include "cards.h"
#include "legality.h"
#include "round.h"
#include "spoken.h"
#include "strong.h"

#include <algorithm>

void TableState::mycards(const Message& message) {
    const std::vector<int>& pairs = message.list();
    for (std::size_t i = 0; i + 1 < pairs.size(); i += 2) {
        const int slot = pairs[i];
        const int card = pairs[i + 1];
        if (card != 0) {
            createcard(slot, card);
            if (m_expectingReceived && slot >= 1 && slot <= kSlots) {
                m_hand.received[static_cast<std::size_t>(slot)] = true;
            }
        }
        sortthem();
    }
    m_expectingReceived = false;
}

void TableState::createcard(int slot, int card) {
    if (slot < 1 || slot > kSlots || card < 1 || card > 52) {
        return;
    }
    // A slot holds one card, and a card stands in one slot: an old one goes.
    if (m_hand.cards.at(slot) != 0) {
        usecard(slot);
    }
    if (const int other = m_hand.cards.slotOf(card); other != 0) {
        usecard(other);
    }
    const auto free = std::find(m_hand.places.begin(), m_hand.places.end(), 0);
    if (free == m_hand.places.end()) {
        // The host never sends a fourteenth card; none is placed outside.
        events().messageBox("no no");
        return;
    }
    // A place the slot kept from a game before goes, so no slot stands twice.
    if (const int stale = m_hand.placeOf(slot); stale >= 0) {
        std::copy(m_hand.places.begin() + stale + 1, m_hand.places.end(),
                  m_hand.places.begin() + stale);
        m_hand.places.back() = 0;
    }
    *std::find(m_hand.places.begin(), m_hand.places.end(), 0) = slot;
    m_hand.cards.put(slot, card);
    m_hand.raised[static_cast<std::size_t>(slot)] = false;
}

void TableState::sortthem() {
    const int count = m_hand.count();
    std::stable_sort(m_hand.places.begin(), m_hand.places.begin() + count,
                     [this](int a, int b) { return m_hand.cards.at(a) < m_hand.cards.at(b); });
}

void TableState::usecard(int slot) {
    const int place = m_hand.placeOf(slot);
    if (place < 0) {
        return;
    }
    std::copy(m_hand.places.begin() + place + 1, m_hand.places.end(),
              m_hand.places.begin() + place);
    m_hand.places.back() = 0;
    m_hand.cards.take(slot);
    m_hand.received[static_cast<std::size_t>(slot)] = false;
    lowerAll();
}

void TableState::lowerAll() {
    m_hand.raised.fill(false);
}

void TableState::heusecard(const Message& message) {
    const auto [seat, slot] = message.numbers<2>();
    if (seat == m_mySeat) {
        usecard(slot);
    }
}

void TableState::passcards(const Message& message) {
    const auto [seat, direction] = message.numbers<2>();
    m_passButtonShown = false;
    m_passArrow = direction >= 1 && direction <= 3 ? direction : 0;
    m_seen.passDirection = m_passArrow;
    if (seat == m_mySeat) {
        m_passSelection.fill(0);
        setStatus("Choose 3 Cards to Pass.");
        m_passingOpen = true;
        m_turnSeat = m_mySeat;
        events().sound(Cue::Click);
    } else {
        setStatus("Passing Cards..");
    }
}

void TableState::closePassing() {
    m_passingOpen = false;
    m_passButtonShown = false;
    m_passArrow = 0;
}

void TableState::passedcards(const Message& message) {
    m_turnSeat = 0;
    closePassing();
    const auto [seat, first, second, third] = message.numbers<4>();
    if (seat != m_mySeat) {
        return;
    }
    if (m_seen.passDirection != 0) {
        m_seen.passedTo = hearts::passReceiver(m_mySeat, m_seen.passDirection);
    }
    for (const int slot : {first, second, third}) {
        if (slot >= 1 && slot <= kSlots && m_hand.cards.at(slot) != 0) {
            m_seen.passed |= hearts::cardBit(m_hand.cards.at(slot));
        }
        usecard(slot);
    }
    m_expectingReceived = true;
}

hearts::SeatView TableState::seatView() const {
    hearts::SeatView view;
    view.seat = m_mySeat;
    view.hand = m_hand.cards;
    for (int seat = 1; seat <= kSeats; ++seat) {
        const auto at = static_cast<std::size_t>(seat);
        view.cardsHeld[at] = seat == m_mySeat ? m_hand.cards.count() : this->seat(seat).cardsHeld;
        view.tricks[at] = this->seat(seat).tricks;
    }
    if (m_seen.passedTo != 0) {
        view.passedTo = m_seen.passedTo;
        view.passedCards = m_seen.passed;
    }
    view.trickCards = m_trick.cards;
    view.points = m_seen.points;
    view.voidSuits = m_seen.voids;
    view.playedCards = m_seen.played;
    view.leader = m_trick.leader;
    view.ledCard = m_trick.ledCard();
    view.pointsTaker = m_seen.pointsTaker;
    view.jackTaker = m_seen.jackTaker;
    view.firstTrick = m_tricksDone == 0;
    view.leadTwoOfClubs =
        view.firstTrick && m_trick.empty() && m_hand.cards.holds(hearts::kTwoOfClubs);
    view.heartsBroken = m_heartsBroken;
    view.safeFirstTrick = m_safe;
    view.rules = m_houseRules;
    return view;
}

int TableState::hintSlot() const {
    if (!playing() || !myTurn() || m_justWatching || m_hand.cards.count() == 0) {
        return 0;
    }
    const hearts::SeatView view = seatView();
    // The same moment gives the same hint.
    const hearts::Card card = hearts::strongCard(view, view.playedCards ^ m_hand.cards.held());
    return card == hearts::kNoCard ? 0 : m_hand.cards.slotOf(card);
}

int TableState::showHint(bool allowed) {
    if (!allowed) {
        setStatus("The host of this table does not allow hints.", false);
        events().changed();
        return 0;
    }
    const int slot = hintSlot();
    if (slot == 0) {
        return 0;
    }
    lowerAll();
    m_hand.raised[static_cast<std::size_t>(slot)] = true;
    const std::string sentence = "Hint: " + spoken::cardInSentence(m_hand.cards.at(slot)) + ".";
    setStatus(sentence, false);
    events().announce(sentence);
    events().changed();
    return slot;
}

bool TableState::mayPlay(int slot) const {
    return refusalOf(slot) == hearts::Refusal::None;
}

hearts::Refusal TableState::refusalOf(int slot) const {
    if (!playing() || slot < 1 || slot > kSlots) {
        return hearts::Refusal::None;
    }
    hearts::PlayPosition at;
    at.ledCard = m_trick.ledCard();
    at.firstTrick = m_tricksDone == 0;
    at.safeFirstTrick = m_safe;
    at.heartsBroken = m_heartsBroken;
    at.leadTwoOfClubs = at.firstTrick && m_trick.empty() && m_hand.cards.holds(hearts::kTwoOfClubs);
    return hearts::refusal(m_hand.cards.held(), m_hand.cards.at(slot), at);
}

// --- the player's input ---

void TableState::setHostFlag(bool host) {
    m_hostFlag = host;
    m_startButtonShown = host;
    events().changed();
}

void TableState::togglePass(int slot) {
    auto& raised = m_hand.raised[static_cast<std::size_t>(slot)];
    const auto chosen = std::find(m_passSelection.begin(), m_passSelection.end(), slot);
    if (chosen != m_passSelection.end()) {
        raised = false;
        *chosen = 0;
        m_passButtonShown = false;
        return;
    }
    const auto free = std::find(m_passSelection.begin(), m_passSelection.end(), 0);
    if (free == m_passSelection.end()) {
        events().messageBox("You have already selected 3 cards to pass");
        return;
    }
    raised = true;
    *free = slot;
    m_passButtonShown =
        std::find(m_passSelection.begin(), m_passSelection.end(), 0) == m_passSelection.end();
    events().sound(Cue::Click);
}

void TableState::sendPlay(int slot) {
    lowerAll();
    m_hand.raised[static_cast<std::size_t>(slot)] = true;
    events().sound(Cue::Click);
    events().send(protocol::build(protocol::Command::Playcard, m_mySeat, slot));
    m_turnSeat = 0;
}

void TableState::chooseCard(int slot) {
    if (m_justWatching || m_hand.placeOf(slot) < 0 || !m_connected || !myTurn()) {
        return;
    }
    if (m_passingOpen) {
        togglePass(slot);
    } else if (const hearts::Refusal refusal = refusalOf(slot); refusal != hearts::Refusal::None) {
        // A card the rules refuse is not offered to the host: the player is
        // told why at once and chooses again.
        setStatus(hearts::refusalText(static_cast<int>(refusal)));
        events().sound(Cue::Error);
    } else {
        sendPlay(slot);
    }
    events().changed();
}

void TableState::passButton() {
    if (m_passingOpen && myTurn() && m_connected) {
        events().send(protocol::build(protocol::Command::Passcards, m_mySeat, m_passSelection[0],
                                      m_passSelection[1], m_passSelection[2]));
    }
    m_turnSeat = 0;
    closePassing();
    events().changed();
}

void TableState::startButton() {
    if (m_connected) {
        events().startDialogRequested();
    } else {
        events().messageBox("You are not connected");
    }
}

void TableState::justWatchClicked() {
    if (!m_connected || !seated()) {
        return;
    }
    const protocol::WatchMode mode =
        m_justWatching ? protocol::WatchMode::Play : protocol::WatchMode::Watch;
    events().send(
        protocol::build(protocol::Command::Justwatch, m_mySeat, protocol::modeText(mode)));
}

void TableState::kickConnection(int number) {
    if (m_hostFlag && m_connected) {
        events().send(protocol::build(protocol::Command::Kickhim, m_mySeat, number));
    }
}

void TableState::setSeatWatching(int seat, protocol::WatchMode mode) {
    if (m_connected && isSeat(seat)) {
        events().send(
            protocol::build(protocol::Command::Justwatch, seat, protocol::modeText(mode)));
    }
}

void TableState::setBotSpeed(int ms) {
    m_botSpeed = ms == 2000 || ms == 500 ? ms : 1000;
    events().changed();
}

void TableState::chooseBotSpeed(int ms) {
    setBotSpeed(ms);
    if (m_connected) {
        events().send(protocol::build(protocol::Command::Botspeed, m_mySeat, m_botSpeed));
    }
}

void TableState::sendStartGame(const std::string& playto, int safe,
                               const hearts::HouseRules& rules) {
    // The starter's name stands before other fields: a "+" in it would break them.
    std::string name = m_playerName;
    std::replace(name.begin(), name.end(), '+', ' ');
    events().send(rules.standard()
                      ? protocol::build(protocol::Command::Startgame, name, playto, safe)
                      : protocol::build(protocol::Command::Startgame, name, playto, safe,
                                        hearts::houseRulesCode(rules)));
}
