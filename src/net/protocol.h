#pragma once

// The protocol between host and clients, stated once: every command word
// with the side that sends it, its fields and whether it ends in "+", and
// the builders that both ends use. Readers take fields with wire::Fields.
// Plain C++, shared by the host's rules, the client's model and the tests.

#include <string>
#include <string_view>

namespace protocol {

constexpr const char* kVersion = "1.0.9";
// The TCP port of a table.
constexpr unsigned short kPort = 7772;
// The socket's report that a connection has gone.
constexpr const char* kSocketClosed = "Socket Closed";
// A chat line with this code is a status line.
constexpr const char* kStatusPrefix = "0+";

// Who sends a message.
enum class From { Client, Host, Both };

struct Command {
    std::string_view word;
    From from;
    std::string_view fields;
    bool endsWithPlus;
};

inline constexpr Command kCommands[] = {
    // A client's requests; each but the start of a game names its sender.
    {"CMD_logininfo", From::Client, "number, version, name", false},
    {"CMD_kickhim", From::Client, "number, target", true},
    {"CMD_botspeed", From::Client, "number, milliseconds", true},
    {"CMD_startgame", From::Both, "starter, play-to score, safe 0/1", true},
    {"CMD_justwatch", From::Client, "seat, 1 watch / 2 play", false},
    {"CMD_passcards", From::Both, "seat, slot, slot, slot (from a client); seat, direction", true},
    {"CMD_playcard", From::Client, "seat, slot", true},
    {"CMD_chat", From::Both, "number, text|colour (relayed: name \" chats: \" text)", false},
    {"CMD_action", From::Both, "number, text|colour (relayed: name, text)", false},
    {"CMD_playasound", From::Both, "number, \"wave\" sound number", false},
    // The host's news.
    {"CMD_sendlogininfo", From::Host, "number", false},
    {"CMD_newplayerinfo", From::Host, "number, name", false},
    {"CMD_existingplayers", From::Host, "number, name", false},
    {"CMD_playerdisconnected", From::Host, "number, name", false},
    {"CMD_havewrongversion", From::Host, "name", false},
    {"CMD_wrongversion", From::Host, "", true},
    {"CMD_full", From::Host, "", true},
    {"CMD_justwatching", From::Host, "seat, 1 watching / 2 playing", false},
    {"CMD_startround", From::Host, "round", true},
    {"CMD_mycards", From::Host, "seat, then slot, card per card", false},
    {"CMD_passedcards", From::Host, "seat, slot, slot, slot", true},
    {"CMD_nextplayer", From::Host, "seat, led card or 0", true},
    {"CMD_heplayed", From::Host, "seat, card, cards left", true},
    {"CMD_heusecard", From::Host, "seat, slot", true},
    {"CMD_error", From::Host, "seat, code (with code 4 the card)", true},
    {"CMD_tooktrick", From::Host, "seat, its tricks", true},
    {"CMD_endround", From::Host, "moon seat or 0, then seat, points, score per seat", false},
    {"CMD_gamestats", From::Host,
     "play-to, safe, round, turn, phase, then seat, score, tricks, card per seat", false},
    {"CMD_winner", From::Host, "seat, name", true},
};

// The command of a word; a word the protocol does not know answers an empty
// command.
const Command& command(std::string_view word);

// --- building: a word and its fields, each after a "+" ---
namespace detail {
inline void append(std::string& text, int value) {
    text += std::to_string(value);
}
inline void append(std::string& text, std::string_view value) {
    text += value;
}
inline void append(std::string& text, const char* value) {
    text += value;
}
inline void append(std::string& text, const std::string& value) {
    text += value;
}
} // namespace detail

// A message of a command with its fields, ending in "+" when the command
// does.
template <typename... Fields> std::string build(std::string_view word, const Fields&... fields) {
    std::string text(word);
    ((text += '+', detail::append(text, fields)), ...);
    if (command(word).endsWithPlus) {
        text += '+';
    }
    return text;
}

// Fields appended to a message under construction (lists of cards or seats).
template <typename... Fields> void add(std::string& text, const Fields&... fields) {
    ((text += '+', detail::append(text, fields)), ...);
}

// A status line for the chat view: "0+" and the text.
inline std::string statusLine(std::string_view text) {
    return std::string(kStatusPrefix) + std::string(text);
}

} // namespace protocol
