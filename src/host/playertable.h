#pragma once

#include "cards.h"

#include <array>
#include <string>

// Records 1..11, one per connection number: 1..4 are the seats, 5..9
// watchers, 10 is used for a moment while a connection is turned away. The
// cards of a seat are the round's (round.h).
constexpr int kSeats = hearts::kSeats;
constexpr int kMaxConnections = 9;
constexpr int kRefusedRecord = 10;
constexpr int kPlayerRecords = 11;
constexpr int kHandSlots = hearts::kSlots;

struct PlayerRecord {
    std::string name;
    // Where the connection comes from, as the socket reports it.
    std::string address;
    bool connected = false;
    int score = 0;
    bool justwatching = false;
    std::string botname;
};

// Indexed by connection number; index 0 is unused.
using PlayerTable = std::array<PlayerRecord, kPlayerRecords + 1>;
