#pragma once

// The datagram a hosting copy sends every two seconds so that players on
// the local network find its table without typing an address:
//
//   HEARTS-TABLE 1
//   port=7772
//   table=Ann's table
//   host=Ann
//   people=2
//   watchers=1
//   ingame=1
//
// UTF-8 lines; the first names the format and its version. A receiver
// ignores a datagram that is larger than kMaxBytes, of another format or
// version, or missing a field or holding one out of range; it ignores
// fields it does not know. Nothing secret travels in it. Plain C++, so that
// a fuzzer drives the reader directly.

#include "protocol.h"
#include <cstddef>

#include <optional>
#include <string>
#include <string_view>

namespace announcement {

constexpr const char* kMagic = "HEARTS-TABLE";
constexpr int kVersion = 1;
// UDP port the announcements go to.
constexpr unsigned short kPort = protocol::kPort;
constexpr std::size_t kMaxBytes = 512;
// Names are cut to this many bytes (whole UTF-8 characters).
constexpr std::size_t kMaxName = 32;
constexpr int kIntervalMs = 2000;
// A table not heard from for this long is gone.
constexpr int kSilenceMs = 6000;

struct Table {
    int port = 0;
    std::string table;
    std::string host;
    int people = 0;   // seats taken by people, 0..4
    int watchers = 0; // 0..5
    bool inGame = false;
    bool operator==(const Table&) const = default;
};

// A name fit to travel and to be shown or printed: well-formed UTF-8 (a
// byte that starts no character becomes U+FFFD), control characters (C0, DEL
// and C1) made blanks, marks that change the text's direction taken out, at
// most kMaxName bytes of whole characters.
std::string cleanName(std::string_view name);
std::string format(const Table& table);
std::optional<Table> parse(std::string_view datagram);

} // namespace announcement
