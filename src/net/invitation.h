#pragma once

#include <optional>
#include <string>
#include <string_view>

// Where a table is, as a player types it or an invitation link carries it.
// An address is a host name, an IPv4 address or an IPv6 address, with or
// without a port: "table.example.org", "192.168.1.20:7772", "2001:db8::1",
// "[2001:db8::1]:7772". A link is "hearts://ADDRESS:PORT/?table=NAME"
// (the port and the table may be left out; fields it does not know are
// passed over, for later copies). Plain C++: the Join window, the command
// line and the tests read the same way.
namespace invitation {

struct TableAddress {
    std::string host;  // a name, IPv4, or IPv6 without brackets
    int port = 0;      // 1..65535
    std::string table; // the table's name, when a link gives it
};

// What is wrong with a text that is no address or link, in words for the
// player; empty when it is fine.
struct Reading {
    std::optional<TableAddress> address;
    std::string problem;
};

// A typed address (or a link pasted where an address goes).
Reading readAddress(std::string_view text, int defaultPort);
// An invitation link.
Reading readLink(std::string_view link, int defaultPort);
bool looksLikeLink(std::string_view text);

// The link of a table: IPv6 in brackets, the table's name percent-encoded.
std::string linkTo(const TableAddress& address);
// "host:port", IPv6 in brackets.
std::string hostAndPort(const TableAddress& address);

} // namespace invitation
