// Connections, login, relays, removal, just watching and departures.
#include "hostgame.h"
#include "protocol.h"

#include "wiremessage.h"

#include <algorithm>
#include <chrono>

HostGame::HostGame(HostEvents& events) : m_events(events), m_routes(makeRoutes()) {
    static constexpr const char* kBotNames[] = {"Klot", "Klock", "Kling", "Klick", "Krazy"};
    for (int number = 2; number <= 6; ++number) {
        m_players[number].botname = kBotNames[number - 2];
    }
}

bool HostGame::connected(int number) const {
    return number >= 1 && number <= kPlayerRecords && m_players[number].connected;
}

bool HostGame::present(int number) const {
    return connected(number) && m_loggedIn[static_cast<std::size_t>(number)];
}

bool HostGame::isComputerSeat(int seat) const {
    return seat >= 1 && seat <= kSeats && (!present(seat) || m_players[seat].justwatching);
}

void HostGame::sendTo(int number, const std::string& text) {
    if (present(number)) {
        m_events.send(number, text);
    }
}

bool HostGame::anyConnected() const {
    for (int number = 1; number <= m_slotcount; ++number) {
        if (present(number)) {
            return true;
        }
    }
    return false;
}

void HostGame::forgetExpiredSeats() {
    const std::int64_t now = m_events.nowMs();
    for (int seat = 1; seat <= kSeats; ++seat) {
        DroppedPlayer& dropped = m_dropped[static_cast<std::size_t>(seat)];
        if (!dropped.name.empty() && now - dropped.atMs >= kKeptSeatMs) {
            logLine([&] {
                return "seat " + std::to_string(seat) + " no longer kept for " + dropped.name;
            });
            dropped = DroppedPlayer{};
        }
    }
}

bool HostGame::seatKept(int seat) {
    forgetExpiredSeats();
    return seat >= 1 && seat <= kSeats && !m_dropped[static_cast<std::size_t>(seat)].name.empty();
}

int HostGame::keptSeatFor(const std::string& name, const std::string& address) {
    for (int seat = 1; seat <= kSeats; ++seat) {
        const DroppedPlayer& dropped = m_dropped[static_cast<std::size_t>(seat)];
        if (seatKept(seat) && dropped.name == name && dropped.address == address &&
            !present(seat)) {
            return seat;
        }
    }
    return 0;
}

int HostGame::chooseConnectionNumber(const std::string& /*address*/) {
    // Who comes is known only at the login: a seat kept for a player who
    // dropped is the last number given, and the login decides whether it
    // stays (placeLogin).
    if (m_slotcount == 0) {
        m_slotcount = 1;
        return 1;
    }
    for (int number = 1; number <= m_slotcount; ++number) {
        if (!m_players[number].connected && !seatKept(number)) {
            return number;
        }
    }
    if (m_slotcount < kMaxConnections) {
        return ++m_slotcount;
    }
    for (int number = 1; number <= m_slotcount; ++number) {
        if (!m_players[number].connected) {
            return number;
        }
    }
    return kRefusedRecord;
}

void HostGame::connectionAccepted(int number, const std::string& address) {
    m_players[number].connected = true;
    m_loggedIn[static_cast<std::size_t>(number)] = false;
    m_players[number].address = address;
    m_relays[static_cast<std::size_t>(number)] = Allowance{m_relayBurst};
    logLine([&] { return "connection " + std::to_string(number) + " accepted"; });
    m_events.send(number, protocol::build("CMD_sendlogininfo", number));
}

void HostGame::swapConnections(int a, int b) {
    auto swapAt = [a, b](auto& table) {
        std::swap(table[static_cast<std::size_t>(a)], table[static_cast<std::size_t>(b)]);
    };
    std::swap(m_players[a].name, m_players[b].name);
    std::swap(m_players[a].address, m_players[b].address);
    std::swap(m_players[a].connected, m_players[b].connected);
    swapAt(m_loggedIn);
    swapAt(m_relays);
    m_slotcount = std::max({m_slotcount, a, b});
    m_events.swapNumbers(a, b);
}

bool HostGame::placeLogin(int number, const std::string& name) {
    const std::string& address = m_players[number].address;
    const int kept = keptSeatFor(name, address);
    if (kept != 0 && kept != number) {
        // The player's own seat: the connection moves there and logs in
        // again under that number. Whoever waited on the seat's number
        // without a login takes this one instead.
        swapConnections(number, kept);
        logLine([&] {
            return "connection " + std::to_string(number) + " (" + name + ") moves to seat " +
                   std::to_string(kept);
        });
        m_events.send(kept, protocol::build("CMD_sendlogininfo", kept));
        if (connected(number)) {
            m_events.send(number, protocol::build("CMD_sendlogininfo", number));
        }
        return false;
    }
    if (kept == 0 && seatKept(number)) {
        logLine([&] {
            return "seat " + std::to_string(number) + " is kept for " +
                   m_dropped[static_cast<std::size_t>(number)].name + ": " + name + " from " +
                   address + " turned away";
        });
        m_events.send(number, fullMessage());
        m_events.closeConnection(number);
        return false;
    }
    if (kept == number) {
        logLine([&] { return "seat " + std::to_string(number) + " taken back by " + name; });
        m_dropped[static_cast<std::size_t>(number)] = DroppedPlayer{};
    }
    return true;
}

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string HostGame::uniqueName(const std::string& name, int number) const {
    auto taken = [&](const std::string& candidate) {
        for (int other = 1; other <= kMaxConnections; ++other) {
            if (other != number && present(other) && sameName(m_players[other].name, candidate)) {
                return true;
            }
        }
        for (const DroppedPlayer& dropped : m_dropped) {
            if (!dropped.name.empty() && sameName(dropped.name, candidate)) {
                return true;
            }
        }
        return false;
    };
    if (name.empty() || !taken(name)) {
        return name;
    }
    for (int n = 2;; ++n) {
        const std::string suffix = " (" + std::to_string(n) + ")";
        const std::string candidate = wire::cutText(name, kMaxName - suffix.size()) + suffix;
        if (!taken(candidate)) {
            return candidate;
        }
    }
}

std::vector<std::string> HostGame::routeWords() const {
    std::vector<std::string> words;
    for (const wire::Route& route : m_routes) {
        words.push_back(route.word);
    }
    return words;
}

void HostGame::receive(int connection, const std::string& line) {
    wire::dispatch(m_routes, connection, line);
}

std::vector<wire::Route> HostGame::makeRoutes() {
    using Handler = void (HostGame::*)(const std::string&);
    // A request counts only in the name of the connection that sent it: its
    // own-number field must be the sender's number. Removal and the start of
    // a game belong to connection 1, the person at the host. Before its
    // login a connection may only log in.
    auto own = [this](Handler handler, bool hostOnly = false) {
        return [this, handler, hostOnly](int sender, const std::string& payload) {
            wire::Fields fields(payload);
            if (fields.number() == sender && loggedIn(sender) && (!hostOnly || sender == 1)) {
                (this->*handler)(payload);
            }
        };
    };
    // A move of the seat's own player: the time limit counts afresh.
    auto moves = [this, own](Handler handler) {
        return [this, check = own(handler)](int sender, const std::string& payload) {
            if (sender >= 1 && sender <= kSeats && loggedIn(sender)) {
                m_timeouts[static_cast<std::size_t>(sender)] = 0;
            }
            check(sender, payload);
        };
    };
    return {
        {"CMD_logininfo",
         [this](int sender, const std::string& payload) {
             if (wire::Fields(payload).number() == sender) {
                 receivedlogininfo(payload);
             }
         }},
        {"CMD_kickhim", own(&HostGame::kickhim, true)},
        {"CMD_botspeed", own(&HostGame::botspeed)},
        {"CMD_chat", own(&HostGame::chat)},
        {"CMD_action", own(&HostGame::action)},
        {"CMD_startgame",
         [this](int sender, const std::string& payload) {
             if (sender == 1 && loggedIn(1)) {
                 startgame(payload);
             }
         }},
        {"CMD_justwatch",
         [this](int sender, const std::string& payload) {
             // A seat may hand itself to the computer; the host's player may
             // hand any seat. Watchers hold no cards to play.
             wire::Fields fields(payload);
             const int seat = fields.number();
             if (loggedIn(sender) && seat >= 1 && seat <= kSeats &&
                 (seat == sender || sender == 1)) {
                 justwatch(payload);
             }
         }},
        {"CMD_passcards", moves(&HostGame::passcards)},
        {"CMD_playcard", moves(&HostGame::playcard)},
        {"CMD_playasound", own(&HostGame::playasound)},
    };
}

void HostGame::receivedlogininfo(const std::string& data) {
    wire::Fields fields(data);
    const int number = fields.number();
    const std::string version = fields.text();
    const std::string asked = wire::cutText(fields.rest(), kMaxName);
    // Only a connection that is here logs in, and once.
    if (number < 1 || number > kPlayerRecords || !connected(number) || loggedIn(number) ||
        !placeLogin(number, asked)) {
        return;
    }
    const std::string name = uniqueName(asked, number);
    m_players[number].name = name;
    m_loggedIn[static_cast<std::size_t>(number)] = true;
    sendAll([&] { return protocol::build("CMD_newplayerinfo", number, name); });
    for (int other = 1; other <= m_slotcount; ++other) {
        if (other != number && present(other)) {
            sendTo(number, protocol::build("CMD_existingplayers", other, m_players[other].name));
        }
    }
    if (version != kVersion) {
        sendTo(1, protocol::build("CMD_havewrongversion", name));
        sendTo(number, protocol::build("CMD_wrongversion"));
    }
    if (!m_gamestarted) {
        return;
    }
    sendTableTo(number);
    if (number <= kSeats) {
        armTurnDeadline();
    }
}

void HostGame::kickhim(const std::string& data) {
    wire::Fields fields(data);
    const int sender = fields.number();
    const int target = fields.number();
    if (sender == 1) {
        disconnectsock(target);
    }
}

void HostGame::disconnectsock(int number) {
    if (connected(number)) {
        m_events.closeConnection(number);
    }
}

void HostGame::botspeed(const std::string& data) {
    wire::Fields fields(data);
    const int sender = fields.number();
    const int delay = fields.number();
    // The computer timer reads the bot speed of the person at the host at
    // every arming; a headless host takes connection 1's choice instead.
    if (sender == 1) {
        m_events.botSpeedRequested(delay);
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
               protocol::build("CMD_chat", 0,
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

void HostGame::chat(const std::string& data) {
    wire::Fields fields(data);
    const int number = fields.number();
    if (number < 1 || number > kPlayerRecords || !mayRelay(number)) {
        return;
    }
    sendAll([&] {
        return protocol::build("CMD_chat", number,
                               m_players[number].name + " chats: " + cutChat(fields.rest()));
    });
}

void HostGame::action(const std::string& data) {
    wire::Fields fields(data);
    const int number = fields.number();
    if (number < 1 || number > kPlayerRecords || !mayRelay(number)) {
        return;
    }
    sendAll([&] {
        return protocol::build("CMD_action", number,
                               m_players[number].name + " " + cutChat(fields.rest()));
    });
}

void HostGame::playasound(const std::string& data) {
    wire::Fields fields(data);
    const int number = fields.number();
    const std::string sound = fields.rest().substr(0, fields.rest().find('+'));
    // Only the program's own chatter sounds travel.
    int tag = 0;
    if (number < 1 || number > kPlayerRecords || sound.rfind("wave", 0) != 0 ||
        !wire::parseInt(sound.substr(4), tag) || tag < 1 || tag > 20 || !mayRelay(number)) {
        return;
    }
    sendAll([&] { return protocol::build("CMD_playasound", number, fields.rest()); });
}

void HostGame::justwatch(const std::string& data) {
    wire::Fields fields(data);
    const int seat = fields.number();
    const std::string mode = fields.rest();
    if (seat < 1 || seat > kMaxPlayers) {
        return;
    }
    if (mode == "2") {
        m_players[seat].justwatching = false;
        sendAll([&] { return protocol::build("CMD_justwatching", seat, "2"); });
        armTurnDeadline();
    } else if (mode == "1" && m_gamestarted) {
        m_players[seat].justwatching = true;
        sendAll([&] { return protocol::build("CMD_justwatching", seat, "1"); });
        computerTakesOver(seat);
    }
}

void HostGame::computerTakesOver(int seat) {
    if (m_round.phase == hearts::Phase::Pass && seat <= kSeats &&
        !m_round.passed[static_cast<std::size_t>(seat)]) {
        computerpass(seat);
    } else if (m_round.turn == seat) {
        startComputerTimer();
    }
}

void HostGame::departure(int number) {
    if (number < 1 || number > kPlayerRecords) {
        return;
    }
    PlayerRecord& player = m_players[number];
    const bool wasPresent = present(number);
    if (player.connected) {
        logLine(
            [&] { return "connection " + std::to_string(number) + " left (" + player.name + ")"; });
        for (int other = 1; other <= m_slotcount; ++other) {
            if (other != number) {
                sendTo(other, protocol::build("CMD_playerdisconnected", number, player.name));
            }
        }
    }
    // A seated player who drops during a game may come back for the seat.
    if (m_gamestarted && wasPresent && number <= kSeats && !player.name.empty()) {
        m_dropped[number] = DroppedPlayer{player.name, player.address, m_events.nowMs()};
    }
    player.connected = false;
    player.name.clear();
    player.justwatching = false;
    m_loggedIn[static_cast<std::size_t>(number)] = false;
    // A connection that never logged in never had the seat: the computer
    // has been playing it all along.
    if (wasPresent && m_gamestarted && number >= (m_headless ? 1 : 2) && number <= kSeats) {
        computerTakesOver(number);
    }
}

bool HostGame::loggedIn(int number) const {
    return number >= 1 && number <= kPlayerRecords && m_loggedIn[static_cast<std::size_t>(number)];
}

void HostGame::forgetDroppedPlayers() {
    m_dropped.fill(DroppedPlayer{});
}

const std::string& HostGame::droppedName(int seat) const {
    static const std::string none;
    return seat >= 1 && seat <= kSeats ? m_dropped[static_cast<std::size_t>(seat)].name : none;
}

HostGame::TableInfo HostGame::tableInfo() const {
    TableInfo info;
    info.hostName = present(1) ? m_players[1].name : std::string();
    for (int number = 1; number <= kMaxConnections; ++number) {
        if (!present(number)) {
            continue;
        }
        if (number > kSeats) {
            ++info.watchers;
        } else if (!m_players[number].justwatching) {
            ++info.people;
        }
    }
    info.inGame = m_gamestarted;
    return info;
}
