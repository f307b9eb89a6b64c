// Connections, login, relays, removal, just watching and departures.
#include "hostgame.h"
#include "protocol.h"

#include "wiremessage.h"

#include <algorithm>
#include <chrono>

HostGame::HostGame(HostEvents& events) : m_events(events) {
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
    m_events.send(number, protocol::build(protocol::Command::Sendlogininfo, number));
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
        m_events.send(kept, protocol::build(protocol::Command::Sendlogininfo, kept));
        if (connected(number)) {
            m_events.send(number, protocol::build(protocol::Command::Sendlogininfo, number));
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
                sendTo(other,
                       protocol::build(protocol::Command::Playerdisconnected, number, player.name));
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
