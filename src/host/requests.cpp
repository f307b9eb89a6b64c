// What a connection may ask of the host: each request's line is read and its
// fields checked by the protocol, then held to who may ask it, then handled.
// Logins, relays, removal, the bot speed and just watching are here; the
// start of a game, passes and cards in roundflow.cpp and trickplay.cpp.
#include "hostgame.h"
#include "protocol.h"

#include "wiremessage.h"

#include <algorithm>
#include <chrono>

using protocol::Command;
using protocol::Message;

namespace {

// Who may make a request.
enum class Who : std::uint8_t {
    Connection, // any connection, in its own name (the login)
    Player,     // a logged-in connection, in its own name
    Host,       // connection 1, logged in, in its own name
    Starter,    // connection 1, logged in (the start names no number)
    Watcher,    // a seat for itself, or connection 1 for any seat
    Mover,      // a seat's own player: its time limit counts afresh
};

struct Request {
    Command command;
    void (HostGame::*handler)(int sender, const Message& message);
    Who who;
};

} // namespace

struct HostGame::Requests {
    static constexpr Request kTable[] = {
        {Command::Logininfo, &HostGame::receivedlogininfo, Who::Connection},
        {Command::Kickhim, &HostGame::kickhim, Who::Host},
        {Command::Botspeed, &HostGame::botspeed, Who::Player},
        {Command::Chat, &HostGame::chat, Who::Player},
        {Command::Action, &HostGame::action, Who::Player},
        {Command::Startgame, &HostGame::startgame, Who::Starter},
        {Command::Justwatch, &HostGame::justwatch, Who::Watcher},
        {Command::Passcards, &HostGame::passcards, Who::Mover},
        {Command::Playcard, &HostGame::playcard, Who::Mover},
        {Command::Playasound, &HostGame::playasound, Who::Player},
    };
};

std::vector<Command> HostGame::handledCommands() {
    std::vector<Command> commands;
    for (const Request& request : Requests::kTable) {
        commands.push_back(request.command);
    }
    return commands;
}

void HostGame::receive(int sender, std::string_view line) {
    const std::optional<Message> message = protocol::read(line, protocol::Side::Client);
    if (!message) {
        return;
    }
    const auto request =
        std::find_if(std::begin(Requests::kTable), std::end(Requests::kTable),
                     [&](const Request& r) { return r.command == message->command(); });
    if (request == std::end(Requests::kTable)) {
        return;
    }
    // A request counts only in the name of the connection that sent it: its
    // own-number field must be the sender's number. Before its login a
    // connection may only log in.
    const int named = message->number(0);
    bool allowed = false;
    switch (request->who) {
    case Who::Connection:
        allowed = named == sender;
        break;
    case Who::Player:
        allowed = named == sender && loggedIn(sender);
        break;
    case Who::Host:
        allowed = named == sender && sender == 1 && loggedIn(1);
        break;
    case Who::Starter:
        allowed = sender == 1 && loggedIn(1);
        break;
    case Who::Watcher:
        // Watchers hold no cards to play.
        allowed = loggedIn(sender) && (named == sender || sender == 1);
        break;
    case Who::Mover:
        allowed = named == sender && loggedIn(sender);
        if (allowed) {
            m_timeouts[static_cast<std::size_t>(sender)] = 0;
        }
        break;
    }
    if (allowed) {
        (this->*request->handler)(sender, *message);
    }
}

void HostGame::receivedlogininfo(int /*sender*/, const Message& message) {
    const int number = message.number(0);
    const std::string& version = message.text(0);
    const std::string asked = wire::cutText(message.text(1), kMaxName);
    // Only a connection that is here logs in, and once.
    if (!connected(number) || loggedIn(number) || !placeLogin(number, asked)) {
        return;
    }
    const std::string name = uniqueName(asked, number);
    m_players[number].name = name;
    m_loggedIn[static_cast<std::size_t>(number)] = true;
    sendAll([&] { return protocol::build(Command::Newplayerinfo, number, name); });
    for (int other = 1; other <= m_slotcount; ++other) {
        if (other != number && present(other)) {
            sendTo(number, protocol::build(Command::Existingplayers, other, m_players[other].name));
        }
    }
    if (version != kVersion) {
        sendTo(1, protocol::build(Command::Havewrongversion, name));
        sendTo(number, protocol::build(Command::Wrongversion));
    }
    if (!m_gamestarted) {
        return;
    }
    sendTableTo(number);
    if (number <= kSeats) {
        armTurnDeadline();
    }
}

void HostGame::kickhim(int /*sender*/, const Message& message) {
    disconnectsock(message.number(1));
}

void HostGame::disconnectsock(int number) {
    if (connected(number)) {
        m_events.closeConnection(number);
    }
}

void HostGame::botspeed(int sender, const Message& message) {
    // The computer timer reads the bot speed of the person at the host at
    // every arming; a headless host takes connection 1's choice instead.
    if (sender == 1) {
        m_events.botSpeedRequested(message.number(1));
    }
}

std::int64_t HostEvents::nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool HostGame::mayRelay(int number) {
    Allowance& allowance = m_relays[static_cast<std::size_t>(number)];
    const std::int64_t now = m_events.nowMs();
    if (allowance.atMs >= 0) {
        allowance.lines =
            std::min(kRelayBurst, allowance.lines + static_cast<double>(now - allowance.atMs) *
                                                        kRelayPerSecond / 1000.0);
    }
    allowance.atMs = now;
    if (allowance.lines >= 1) {
        allowance.lines -= 1;
        allowance.told = false;
        return true;
    }
    // Told once until lines pass again, so the answer is no flood itself.
    if (!allowance.told) {
        allowance.told = true;
        sendTo(number,
               protocol::build(Command::Chat, 0,
                               "You are sending too fast: a line was not passed on.|clBlue"));
    }
    logLine(
        [&] { return "connection " + std::to_string(number) + " sends too fast: a line dropped"; });
    return false;
}

namespace {

// A chat text with its colour after the last "|": the text is cut, the
// colour kept.
std::string cutChat(const std::string& rest) {
    const std::size_t bar = rest.rfind('|');
    if (bar == std::string::npos) {
        return wire::cutText(rest, HostGame::kMaxChat);
    }
    return wire::cutText(std::string_view(rest).substr(0, bar), HostGame::kMaxChat) +
           rest.substr(bar);
}

} // namespace

void HostGame::chat(int sender, const Message& message) {
    if (mayRelay(sender)) {
        sendAll([&] {
            return protocol::build(Command::Chat, sender,
                                   m_players[sender].name + " chats: " + cutChat(message.text(0)));
        });
    }
}

void HostGame::action(int sender, const Message& message) {
    if (mayRelay(sender)) {
        sendAll([&] {
            return protocol::build(Command::Action, sender,
                                   m_players[sender].name + " " + cutChat(message.text(0)));
        });
    }
}

void HostGame::playasound(int sender, const Message& message) {
    // Only the program's own chatter sounds travel.
    const std::optional<int> sound = protocol::chatterSoundNumber(message.text(0));
    if (sound && mayRelay(sender)) {
        sendAll([&] {
            return protocol::build(Command::Playasound, sender, protocol::chatterSound(*sound));
        });
    }
}

void HostGame::justwatch(int /*sender*/, const Message& message) {
    const int seat = message.number(0);
    const std::optional<protocol::WatchMode> mode = protocol::watchModeNamed(message.text(0));
    if (mode == protocol::WatchMode::Play) {
        m_players[seat].justwatching = false;
        sendAll([&] { return protocol::build(Command::Justwatching, seat, modeText(*mode)); });
        armTurnDeadline();
    } else if (mode == protocol::WatchMode::Watch && m_gamestarted) {
        m_players[seat].justwatching = true;
        sendAll([&] { return protocol::build(Command::Justwatching, seat, modeText(*mode)); });
        computerTakesOver(seat);
    }
}
