#include "tablestate.h"

#include "cards.h"
#include "legality.h"
#include "spoken.h"

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

TableState::TableState() = default;

TableEvents& TableState::events() const {
    static TableEvents silent;
    return m_events != nullptr ? *m_events : silent;
}

const char* recordingOf(Cue cue) {
    switch (cue) {
    case Cue::Entered:
        return "ENTERED";
    case Cue::Turn:
        return "TURN";
    case Cue::TurnNew:
        return "TURNNEW";
    case Cue::PlaceCard:
        return "PLACECARD";
    case Cue::Queen:
        return "QUEEN";
    case Cue::TurnOverGood:
        return "TURNOVERGOOD";
    case Cue::TurnOverBad:
        return "TURNOVERBAD";
    case Cue::RoundOver:
        return "ROUNDOVER";
    case Cue::Winner:
        return "WINNER";
    case Cue::Error:
        return "ERROR";
    case Cue::Click:
        return "CLICK";
    case Cue::HeartsBroken:
        return "WAVE15";
    case Cue::QueenTaken:
        return "WAVE12";
    }
    return "";
}

void TableState::reset() {
    // A new table: what the host said goes; the player, the options and the
    // ways out stay.
    TableState fresh;
    fresh.m_events = m_events;
    fresh.m_playerName = m_playerName;
    fresh.m_botSpeed = m_botSpeed;
    fresh.m_turnSoundNew = m_turnSoundNew;
    fresh.m_cues = m_cues;
    *this = std::move(fresh);
    events().watchersChanged();
    events().changed();
}

void TableState::hostClosed() {
    m_connected = false;
    m_turnSeat = 0;
    m_turnMark = 0;
    closePassing();
    m_startButtonShown = false;
    setStatus("The host has closed the table.");
    events().statusLine(protocol::statusLine("The host has closed the table."));
    events().changed();
}

struct TableState::Handlers {
    struct Route {
        protocol::Command command;
        void (TableState::*handler)(const Message& message);
    };
    static constexpr Route kTable[] = {
        {protocol::Command::Sendlogininfo, &TableState::sendloginfo},
        {protocol::Command::Newplayerinfo, &TableState::newplayerinfo},
        {protocol::Command::Existingplayers, &TableState::newplayerinfo},
        {protocol::Command::Playerdisconnected, &TableState::playerdisconnected},
        {protocol::Command::Startgame, &TableState::startthegame},
        {protocol::Command::Nextplayer, &TableState::getnextplayer},
        {protocol::Command::Winner, &TableState::winner},
        {protocol::Command::Justwatching, &TableState::justwatching},
        {protocol::Command::Mycards, &TableState::mycards},
        {protocol::Command::Startround, &TableState::startround},
        {protocol::Command::Passcards, &TableState::passcards},
        {protocol::Command::Passedcards, &TableState::passedcards},
        {protocol::Command::Error, &TableState::error},
        {protocol::Command::Heplayed, &TableState::heplayed},
        {protocol::Command::Heusecard, &TableState::heusecard},
        {protocol::Command::Tooktrick, &TableState::tooktrick},
        {protocol::Command::Endround, &TableState::endround},
        {protocol::Command::Gamestats, &TableState::gamestats},
        {protocol::Command::Havewrongversion, &TableState::havewrongversion},
        {protocol::Command::Wrongversion, &TableState::wrongversion},
        {protocol::Command::Full, &TableState::full},
        {protocol::Command::Houserules, &TableState::houserules},
        {protocol::Command::Hints, &TableState::hints},
    };
};

std::vector<protocol::Command> TableState::handledCommands() {
    std::vector<protocol::Command> commands;
    for (const Handlers::Route& route : Handlers::kTable) {
        commands.push_back(route.command);
    }
    return commands;
}

void TableState::handle(const protocol::Message& message) {
    for (const Handlers::Route& route : Handlers::kTable) {
        if (route.command == message.command()) {
            (this->*route.handler)(message);
            events().changed();
            return;
        }
    }
}

bool TableState::apply(std::string_view line) {
    const std::optional<protocol::Message> message = protocol::read(line, protocol::Side::Host);
    if (!message) {
        return false;
    }
    const std::vector<protocol::Command> mine = handledCommands();
    if (std::find(mine.begin(), mine.end(), message->command()) == mine.end()) {
        return false;
    }
    handle(*message);
    return true;
}

void TableState::havewrongversion(const Message& message) {
    events().statusLine(
        protocol::statusLine(message.text(0) + " has a different version of the game then you."));
}

void TableState::wrongversion(const Message& /*message*/) {
    events().statusLine(
        protocol::statusLine("You have a differnt version of the game then the host."));
}

void TableState::full(const Message& /*message*/) {
    events().tableFull();
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

void TableState::setStatus(std::string text, bool announced) {
    if (text == m_statusText) {
        return;
    }
    m_statusText = std::move(text);
    if (announced) {
        events().announce(m_statusText);
    }
}

std::string TableState::subjectOf(int seat) const {
    return seat == m_mySeat && seated() ? std::string("You") : seatName(seat);
}

std::string TableState::trickSummary() const {
    if (m_trick.empty()) {
        return "No card on the table.";
    }
    std::string text = "The trick:";
    for (int i = 0; i < m_trick.count; ++i) {
        const int seat = m_trick.order[static_cast<std::size_t>(i)];
        text.append(i == 0 ? " " : "; ")
            .append(seatName(seat))
            .append(", ")
            .append(spoken::card(m_trick.cards[static_cast<std::size_t>(seat)]))
            .append(seat == m_trick.leader ? ", led" : "");
    }
    text += ".";
    if (isSeat(m_trick.taker)) {
        text.append(" ").append(seatName(m_trick.taker)).append(" took it.");
    }
    return text;
}

std::string TableState::seatSummary(int seat) const {
    if (!isSeat(seat)) {
        return std::string();
    }
    const Seat& s = this->seat(seat);
    std::string text = seatName(seat) + ": " + std::to_string(s.tricks) +
                       (s.tricks == 1 ? " trick" : " tricks") + ", score " +
                       std::to_string(s.score);
    const int held = seat == m_mySeat ? m_hand.count() : (s.backsShown ? s.cardsHeld : 0);
    if (m_gameRunning) {
        text += ", " + std::to_string(held) + (held == 1 ? " card" : " cards") + " in hand";
    }
    const int played = m_trick.cards[static_cast<std::size_t>(seat)];
    if (played != 0) {
        text += ", played " + spoken::card(played);
    }
    if (m_turnMark == seat) {
        text += ", to play";
    }
    if (s.watching) {
        text += ", played by the computer";
    }
    if (s.winner) {
        text += ", won the game";
    }
    return text + ".";
}

// --- arrivals, departures, watchers ---

void TableState::sendloginfo(const Message& message) {
    // A host that moves this connection to another number (the player's own
    // seat, kept while he was away) sends the number again.
    m_mySeat = message.number(0);
    m_connected = true;
    events().send(protocol::build(protocol::Command::Logininfo, m_mySeat, kVersion, m_playerName));
}

void TableState::newplayerinfo(const Message& message) {
    const int number = message.number(0);
    const std::string& name = message.text(0);
    const bool mine = number == m_mySeat;
    if (mine) {
        events().statusLine(protocol::statusLine("You are Connected."));
        m_seatMap.fix(m_mySeat);
        events().ownArrival();
    } else {
        events().statusLine(protocol::statusLine(name + " is Connected."));
    }
    if (isSeat(number)) {
        Seat& s = seatAt(number);
        s.occupant = Occupant::Person;
        s.name = name;
    } else {
        m_watchers.push_back(numberText(number) + ": " + name);
        events().watchersChanged();
        events().statusLine(protocol::statusLine(mine ? "You are spying." : name + " is spying."));
    }
    events().sound(Cue::Entered);
}

void TableState::playerdisconnected(const Message& message) {
    const int number = message.number(0);
    const std::string& name = message.text(0);
    if (isSeat(number)) {
        Seat& s = seatAt(number);
        if (s.occupant == Occupant::Person) {
            events().statusLine(protocol::statusLine(s.name + " disconnected."));
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
        events().statusLine(protocol::statusLine(name + " has left."));
        events().watchersChanged();
    }
}

void TableState::justwatching(const Message& message) {
    const int number = message.number(0);
    const bool watching = protocol::watchModeNamed(message.text(0)) == protocol::WatchMode::Watch;
    if (number == m_mySeat) {
        m_justWatching = watching;
    }
    events().statusLine(protocol::statusLine(
        seatName(number) + (watching ? " is just watching" : " is now playing again")));
    seatAt(number).watching = watching;
}
