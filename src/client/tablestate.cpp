#include "tablestate.h"

#include "cards.h"
#include "legality.h"

#include <algorithm>

namespace {

const std::array<const char*, 5> kDefaultNames = {"", "You", "Klot", "Klick", "Kling"};

std::string numberText(int value) {
    return std::to_string(value);
}

} // namespace

int TableState::HandView::count() const {
    return static_cast<int>(
        std::count_if(places.begin(), places.end(), [](int slot) { return slot != 0; }));
}

int TableState::HandView::placeOf(int slot) const {
    for (int place = 0; place < kPlaces; ++place) {
        if (slot != 0 && places[static_cast<std::size_t>(place)] == slot) {
            return place;
        }
    }
    return -1;
}

TableState::TableState() {
    makeRoutes();
}

void TableState::reset() {
    // A new table: what the host said goes; the player, the options and the
    // ways out stay.
    TableState fresh;
    fresh.send = std::move(send);
    fresh.statusLine = std::move(statusLine);
    fresh.sound = std::move(sound);
    fresh.messageBox = std::move(messageBox);
    fresh.changed = std::move(changed);
    fresh.ownArrival = std::move(ownArrival);
    fresh.watchersChanged = std::move(watchersChanged);
    fresh.startDialogRequested = std::move(startDialogRequested);
    fresh.gameRecorded = std::move(gameRecorded);
    fresh.tableFull = std::move(tableFull);
    fresh.m_playerName = m_playerName;
    fresh.m_botSpeed = m_botSpeed;
    fresh.m_turnSoundNew = m_turnSoundNew;
    *this = std::move(fresh);
    // The routes name the object they were made for.
    makeRoutes();
    watchersChanged();
    changed();
}

void TableState::hostClosed() {
    m_connected = false;
    m_turnSeat = 0;
    m_turnMark = 0;
    closePassing();
    m_startButtonShown = false;
    setStatus("The host has closed the table.");
    statusLine(protocol::statusLine("The host has closed the table."));
    changed();
}

void TableState::makeRoutes() {
    m_routes.clear();
    auto route = [this](const char* word, void (TableState::*handler)(const std::string&)) {
        m_routes.push_back({word, [this, handler](int, const std::string& payload) {
                                (this->*handler)(payload);
                                changed();
                            }});
    };
    route("CMD_sendlogininfo", &TableState::sendloginfo);
    route("CMD_newplayerinfo", &TableState::newplayerinfo);
    route("CMD_existingplayers", &TableState::newplayerinfo);
    route("CMD_playerdisconnected", &TableState::playerdisconnected);
    route("CMD_startgame", &TableState::startthegame);
    route("CMD_nextplayer", &TableState::getnextplayer);
    route("CMD_winner", &TableState::winner);
    route("CMD_justwatching", &TableState::justwatching);
    route("CMD_mycards", &TableState::mycards);
    route("CMD_startround", &TableState::startround);
    route("CMD_passcards", &TableState::passcards);
    route("CMD_passedcards", &TableState::passedcards);
    route("CMD_error", &TableState::error);
    route("CMD_heplayed", &TableState::heplayed);
    route("CMD_heusecard", &TableState::heusecard);
    route("CMD_tooktrick", &TableState::tooktrick);
    route("CMD_endround", &TableState::endround);
    route("CMD_gamestats", &TableState::gamestats);
    m_routes.push_back({"CMD_havewrongversion", [this](int, const std::string& payload) {
                            statusLine(protocol::statusLine(
                                payload + " has a different version of the game then you."));
                        }});
    m_routes.push_back({"CMD_wrongversion", [this](int, const std::string&) {
                            statusLine(protocol::statusLine(
                                "You have a differnt version of the game then the host."));
                        }});
    m_routes.push_back({"CMD_full", [this](int, const std::string&) { tableFull(); }});
}

bool TableState::apply(std::string_view line) {
    return wire::dispatch(m_routes, 0, line);
}

std::string TableState::fallbackName(int seat) const {
    return m_seatMap.fixed() ? kDefaultNames[static_cast<std::size_t>(seat)] : numberText(seat);
}

std::vector<std::string> TableState::opponentNames() const {
    std::vector<std::string> names;
    for (int other = 1; other <= kSeats; ++other) {
        if (other != m_mySeat && seat(other).occupant != Occupant::Waiting) {
            names.push_back(seatName(other));
        }
    }
    return names;
}

std::string TableState::seatName(int seat) const {
    if (!isSeat(seat)) {
        return std::string();
    }
    const Seat& s = this->seat(seat);
    switch (s.occupant) {
    case Occupant::Person:
        return s.name;
    case Occupant::Computer:
        return fallbackName(seat);
    case Occupant::Waiting:
        break;
    }
    return kWaiting;
}

void TableState::setStatus(std::string text) {
    m_statusText = std::move(text);
}

// --- arrivals, departures, watchers ---

void TableState::sendloginfo(const std::string& payload) {
    const int number = wire::Fields(payload).restNumber();
    // Connection numbers are 1..9; anything else names nobody.
    if (number < 1 || number > kConnections) {
        return;
    }
    m_mySeat = number;
    m_connected = true;
    send(protocol::build("CMD_logininfo", m_mySeat, kVersion, m_playerName));
}

void TableState::newplayerinfo(const std::string& payload) {
    wire::Fields fields(payload);
    const int number = fields.number();
    const std::string name = fields.rest();
    const bool mine = number == m_mySeat;
    if (mine) {
        statusLine(protocol::statusLine("You are Connected."));
        m_seatMap.fix(m_mySeat);
        ownArrival();
    } else {
        statusLine(protocol::statusLine(name + " is Connected."));
    }
    if (isSeat(number)) {
        Seat& s = seatAt(number);
        s.occupant = Occupant::Person;
        s.name = name;
    } else if (number > kSeats && number <= kConnections) {
        m_watchers.push_back(numberText(number) + ": " + name);
        watchersChanged();
        statusLine(protocol::statusLine(mine ? "You are spying." : name + " is spying."));
    }
    sound("entered");
}

void TableState::playerdisconnected(const std::string& payload) {
    wire::Fields fields(payload);
    const int number = fields.number();
    const std::string name = fields.rest();
    if (isSeat(number)) {
        Seat& s = seatAt(number);
        if (s.occupant == Occupant::Person) {
            statusLine(protocol::statusLine(s.name + " disconnected."));
        }
        s.occupant = Occupant::Computer;
        s.name.clear();
        s.watching = false;
        return;
    }
    const std::string entry = numberText(number) + ": " + name;
    const auto found = std::find(m_watchers.begin(), m_watchers.end(), entry);
    if (found != m_watchers.end()) {
        m_watchers.erase(found);
        statusLine(protocol::statusLine(name + " has left."));
        watchersChanged();
    }
}

void TableState::justwatching(const std::string& payload) {
    wire::Fields fields(payload);
    const int number = fields.number();
    if (!isSeat(number)) {
        return;
    }
    const bool watching = fields.rest() == "1";
    if (number == m_mySeat) {
        m_justWatching = watching;
    }
    statusLine(protocol::statusLine(seatName(number) +
                                    (watching ? " is just watching" : " is now playing again")));
    seatAt(number).watching = watching;
}

// --- the course of a game ---

void TableState::clearall() {
    for (int seat = 1; seat <= kSeats; ++seat) {
        Seat& s = seatAt(seat);
        s.tricks = 0;
        s.score = 0;
        s.winner = false;
        s.backsShown = false;
        s.trickWinner = false;
        s.watching = false;
        s.moon = false;
        s.taken = 0;
        s.takenShown = false;
    }
    m_turnMark = 0;
    m_trick = Trick{};
    // The pictures of the hand go; its places stay taken until a round starts.
    m_hand.cards.clear();
    closePassing();
}

void TableState::startthegame(const std::string& payload) {
    wire::Fields fields(payload);
    const std::string starter = fields.text();
    const std::string playto = fields.text();
    const std::string safe = fields.text();
    m_startButtonShown = false;
    m_justWatching = false;
    clearall();
    m_safe = safe == "1";
    m_playToText = playto;
    statusLine(protocol::statusLine(starter + " has started a game."));
    for (int seat = 2; seat <= kSeats; ++seat) {
        if (seatAt(seat).occupant == Occupant::Waiting) {
            seatAt(seat).occupant = Occupant::Computer;
        }
    }
    m_gameRunning = true;
    m_rounds.clear();
    m_lastTrick = Trick{};
}

void TableState::startround(const std::string& payload) {
    wire::Fields fields(payload);
    m_roundText = numberText(fields.listNumber());
    m_hand = HandView{};
    m_expectingReceived = false;
    for (int seat = 1; seat <= kSeats; ++seat) {
        Seat& s = seatAt(seat);
        s.backsShown = seat != m_mySeat;
        s.cardsHeld = kSlots;
        s.tricks = 0;
        s.taken = 0;
        s.takenShown = false;
        s.trickWinner = false;
        s.moon = false;
    }
    m_trick = Trick{};
    m_tricksDone = 0;
    m_heartsBroken = false;
    m_queenTaker = 0;
}

void TableState::clearTrickMarks() {
    m_trick = Trick{};
    for (int seat = 1; seat <= kSeats; ++seat) {
        Seat& s = seatAt(seat);
        s.trickWinner = false;
        s.takenShown = false;
    }
}

void TableState::getnextplayer(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const int led = fields.number();
    m_turnSeat = seat;
    // Play has begun: the passing's arrow, which a watcher still shows, goes.
    m_passArrow = 0;
    if (led == 0) {
        clearTrickMarks();
    }
    m_turnMark = 0;
    if (!isSeat(seat)) {
        return;
    }
    m_turnMark = seat;
    if (seat == m_mySeat) {
        setStatus("Your Turn.");
        sound(m_turnSoundNew ? "turnnew" : "turn");
    } else {
        setStatus(seatName(seat) + "'s turn.");
    }
}

void TableState::heplayed(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const int card = fields.number();
    const int left = fields.number();
    if (!isSeat(seat) || card < 0 || card > 52) {
        return;
    }
    Seat& s = seatAt(seat);
    s.cardsHeld = std::clamp(left, 0, kSlots);
    if (left == 0) {
        s.backsShown = false;
    }
    const auto index = static_cast<std::size_t>(seat);
    if (m_trick.cards[index] == 0 && m_trick.count < kSeats) {
        if (m_trick.count == 0) {
            m_trick.leader = seat;
        }
        m_trick.order[static_cast<std::size_t>(m_trick.count++)] = seat;
    }
    m_trick.cards[index] = card;
    m_heartsBroken = m_heartsBroken || hearts::isHeart(card);
    if (seat == m_mySeat) {
        // The received cards are marked until my first play.
        m_hand.received.fill(false);
    }
    sound(card == hearts::kQueenOfSpades ? "queen" : "placecard");
}

void TableState::tooktrick(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const int count = fields.number();
    if (!isSeat(seat)) {
        return;
    }
    Seat& s = seatAt(seat);
    s.trickWinner = true;
    s.tricks = std::clamp(count, 0, kSlots);
    m_trick.taker = seat;
    if (std::find(m_trick.cards.begin(), m_trick.cards.end(), hearts::kQueenOfSpades) !=
        m_trick.cards.end()) {
        m_queenTaker = seat;
    }
    m_lastTrick = m_trick;
    ++m_tricksDone;
    setStatus(seatName(seat) + " took the trick.");
    m_turnMark = 0;
    sound(seat == m_mySeat ? "turnovergood" : "turnoverbad");
}

void TableState::endround(const std::string& payload) {
    wire::Fields fields(payload);
    const int moon = fields.number();
    setStatus("Posting Scores.. Please Wait.");
    RoundRecord record;
    record.round = m_roundText;
    record.moon = isSeat(moon) ? moon : 0;
    record.queenTaker = m_queenTaker;
    for (int seat = 1; seat <= kSeats; ++seat) {
        seatAt(seat).trickWinner = false;
    }
    if (isSeat(moon)) {
        seatAt(moon).moon = true;
    }
    while (!fields.empty()) {
        const int seat = fields.listNumber();
        const int points = fields.listNumber();
        const int score = fields.listNumber();
        if (!isSeat(seat)) {
            continue;
        }
        Seat& s = seatAt(seat);
        s.score = score;
        record.points[static_cast<std::size_t>(seat)] = points;
        record.totals[static_cast<std::size_t>(seat)] = score;
        if (points > 0) {
            s.taken = points;
            s.takenShown = true;
        }
    }
    m_rounds.push_back(record);
    sound("roundover");
}

void TableState::gamestats(const std::string& payload) {
    wire::Fields fields(payload);
    m_playToText = fields.text();
    const std::string safe = fields.text();
    m_roundText = fields.text();
    m_turnSeat = fields.number();
    const std::string phase = fields.text();
    m_safe = safe == "1";
    m_gameRunning = true;
    m_trick = Trick{};
    int tricksDone = 0;
    while (!fields.empty()) {
        const int seat = fields.listNumber();
        const int score = fields.listNumber();
        const int tricks = fields.listNumber();
        const int card = fields.listNumber();
        if (!isSeat(seat)) {
            continue;
        }
        Seat& s = seatAt(seat);
        s.score = score;
        s.tricks = std::clamp(tricks, 0, kSlots);
        tricksDone += s.tricks;
        if (card > 0 && card <= 52) {
            m_trick.cards[static_cast<std::size_t>(seat)] = card;
            m_trick.order[static_cast<std::size_t>(m_trick.count++)] = seat;
            m_heartsBroken = m_heartsBroken || hearts::isHeart(card);
        }
    }
    m_tricksDone = std::min(tricksDone, kSlots);
    // Who led is not told; with one card on the table it is that seat.
    m_trick.leader = m_trick.count == 1 ? m_trick.order[0] : 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
        Seat& s = seatAt(seat);
        const bool onTable = m_trick.cards[static_cast<std::size_t>(seat)] != 0;
        s.cardsHeld = std::max(0, kSlots - m_tricksDone - (onTable ? 1 : 0));
        s.backsShown = seat != m_mySeat && s.cardsHeld > 0;
        // A game runs: the computer plays every seat nobody has taken.
        if (s.occupant == Occupant::Waiting) {
            s.occupant = Occupant::Computer;
        }
    }
    // The table as the others see it now: whose turn, and the status.
    m_turnMark = phase == "play" && isSeat(m_turnSeat) ? m_turnSeat : 0;
    if (phase == "pass") {
        setStatus("Passing Cards..");
    } else if (m_turnMark == m_mySeat && seated()) {
        setStatus("Your Turn.");
    } else if (m_turnMark != 0) {
        setStatus(seatName(m_turnMark) + "'s turn.");
    }
}

void TableState::winner(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    // The name is the rest less its trailing "+", so a "+" in it stays.
    std::string name = fields.rest();
    if (!name.empty() && name.back() == '+') {
        name.pop_back();
    }
    for (int s = 1; s <= kSeats; ++s) {
        Seat& at = seatAt(s);
        at.moon = false;
        at.takenShown = false;
        at.trickWinner = false;
    }
    sound("winner");
    statusLine(protocol::statusLine(seat == m_mySeat ? "You have Won the Game!"
                                                     : name + " has Won the Game!"));
    setStatus("Game Over!");
    if (isSeat(seat)) {
        seatAt(seat).winner = true;
    }
    if (m_hostFlag) {
        m_startButtonShown = true;
    }
    m_gameRunning = false;
    if (seated()) {
        gameRecorded(seatName(m_mySeat) == name ? "addtomine" : name);
    }
}

void TableState::error(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const int code = fields.number();
    if (seat != m_mySeat) {
        return;
    }
    const std::string text = hearts::refusalText(code);
    if (!text.empty()) {
        setStatus(text);
    }
    sound("error");
    m_turnSeat = m_mySeat;
}

// --- the hand ---

void TableState::mycards(const std::string& payload) {
    wire::Fields fields(payload);
    if (fields.number() > kSeats) {
        return;
    }
    while (!fields.empty()) {
        const int slot = fields.listNumber();
        const int card = fields.listNumber();
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
        messageBox("no no");
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

void TableState::heusecard(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const int slot = fields.number();
    if (seat == m_mySeat) {
        usecard(slot);
    }
}

void TableState::passcards(const std::string& payload) {
    wire::Fields fields(payload);
    const int seat = fields.number();
    const int direction = fields.number();
    m_passButtonShown = false;
    m_passArrow = direction >= 1 && direction <= 3 ? direction : 0;
    if (seat == m_mySeat) {
        m_passSelection.fill(0);
        setStatus("Choose 3 Cards to Pass.");
        m_passingOpen = true;
        m_turnSeat = m_mySeat;
        sound("click");
    } else {
        setStatus("Passing Cards..");
    }
}

void TableState::closePassing() {
    m_passingOpen = false;
    m_passButtonShown = false;
    m_passArrow = 0;
}

void TableState::passedcards(const std::string& payload) {
    m_turnSeat = 0;
    closePassing();
    wire::Fields fields(payload);
    if (fields.number() != m_mySeat) {
        return;
    }
    while (!fields.empty()) {
        usecard(fields.listNumber());
    }
    m_expectingReceived = true;
}

bool TableState::mayPlay(int slot) const {
    if (!playing() || slot < 1 || slot > kSlots) {
        return true;
    }
    hearts::PlayPosition at;
    at.ledCard = m_trick.ledCard();
    at.firstTrick = m_tricksDone == 0;
    at.safeFirstTrick = m_safe;
    at.heartsBroken = m_heartsBroken;
    at.leadTwoOfClubs = at.firstTrick && m_trick.empty() && m_hand.cards.holds(hearts::kTwoOfClubs);
    return hearts::refusal(m_hand.cards.held(), m_hand.cards.at(slot), at) == hearts::Refusal::None;
}

// --- the player's input ---

void TableState::setHostFlag(bool host) {
    m_hostFlag = host;
    m_startButtonShown = host;
    changed();
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
        messageBox("You have already selected 3 cards to pass");
        return;
    }
    raised = true;
    *free = slot;
    m_passButtonShown =
        std::find(m_passSelection.begin(), m_passSelection.end(), 0) == m_passSelection.end();
    sound("click");
}

void TableState::sendPlay(int slot) {
    lowerAll();
    m_hand.raised[static_cast<std::size_t>(slot)] = true;
    sound("click");
    send(protocol::build("CMD_playcard", m_mySeat, slot));
    m_turnSeat = 0;
}

void TableState::chooseCard(int slot) {
    if (m_justWatching || m_hand.placeOf(slot) < 0 || !m_connected || !myTurn()) {
        return;
    }
    if (m_passingOpen) {
        togglePass(slot);
    } else {
        sendPlay(slot);
    }
    changed();
}

void TableState::passButton() {
    if (m_passingOpen && myTurn() && m_connected) {
        send(protocol::build("CMD_passcards", m_mySeat, m_passSelection[0], m_passSelection[1],
                             m_passSelection[2]));
    }
    m_turnSeat = 0;
    closePassing();
    changed();
}

void TableState::startButton() {
    if (m_connected) {
        startDialogRequested();
    } else {
        messageBox("You are not connected");
    }
}

void TableState::justWatchClicked() {
    if (!m_connected || !seated()) {
        return;
    }
    send(protocol::build("CMD_justwatch", m_mySeat, m_justWatching ? 2 : 1));
}

void TableState::kickConnection(int number) {
    if (m_hostFlag && m_connected) {
        send(protocol::build("CMD_kickhim", m_mySeat, number));
    }
}

void TableState::setSeatWatching(int seat, int mode) {
    if (m_connected && seat <= kSeats) {
        send(protocol::build("CMD_justwatch", seat, mode));
    }
}

void TableState::setBotSpeed(int ms) {
    m_botSpeed = ms == 2000 || ms == 500 ? ms : 1000;
    changed();
}

void TableState::chooseBotSpeed(int ms) {
    setBotSpeed(ms);
    if (m_connected) {
        send(protocol::build("CMD_botspeed", m_mySeat, m_botSpeed));
    }
}

void TableState::sendStartGame(const std::string& playto, int safe) {
    // The starter's name stands before other fields: a "+" in it would break them.
    std::string name = m_playerName;
    std::replace(name.begin(), name.end(), '+', ' ');
    send(protocol::build("CMD_startgame", name, playto, safe));
}
