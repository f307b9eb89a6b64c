#pragma once

#include <array>
#include <string>

// Records 1..11, one per connection number: 1..4 are the seats, 5..9
// watchers, 10 is used for a moment while a connection is turned away.
constexpr int kSeats = 4;
constexpr int kMaxConnections = 9;
constexpr int kRefusedRecord = 10;
constexpr int kPlayerRecords = 11;
constexpr int kHandSlots = 13;

struct PlayerRecord {
    std::string name;
    // Where the connection comes from, as the socket reports it.
    std::string address;
    bool connected = false;
    int score = 0;
    bool justwatching = false;
    bool passed = false;
    std::string botname;
    std::array<int, kHandSlots + 1> cards{}; // slots 1..13
    std::array<int, 4> passslots{};          // places 1..3
    std::array<int, 4> passedcards{};        // places 1..3
    std::array<int, 4> botpass{};            // places 1..3
    int trickcard = 0;
    int tricks = 0;
    int roundpoints = 0;

    int cardsLeft() const {
        int count = 0;
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            count += cards[slot] != 0 ? 1 : 0;
        }
        return count;
    }
};

// Indexed by connection number; index 0 is unused.
using PlayerTable = std::array<PlayerRecord, kPlayerRecords + 1>;
