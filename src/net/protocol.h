#pragma once

// The protocol between host and clients, stated once: every command with
// its word, the side that sends it, its fields with their bounds and whether
// it ends in "+"; the builder that both ends send with; and the reader that
// checks a received line against its command's fields before any handler
// sees it. Plain C++, shared by the host's game, the client's model and the
// tests.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace protocol {

constexpr const char* kVersion = "1.0.9";
// The TCP port of a table.
constexpr unsigned short kPort = 7772;
// The socket's report that a connection has gone.
constexpr const char* kSocketClosed = "Socket Closed";
// A chat line with this code is a status line.
constexpr const char* kStatusPrefix = "0+";

enum class Command : std::uint8_t {
    // A client's requests; each but the start of a game names its sender.
    Logininfo,
    Kickhim,
    Botspeed,
    Startgame,
    Justwatch,
    Passcards,
    Playcard,
    Chat,
    Action,
    Playasound,
    // The host's news.
    Sendlogininfo,
    Newplayerinfo,
    Existingplayers,
    Playerdisconnected,
    Havewrongversion,
    Wrongversion,
    Full,
    Justwatching,
    Startround,
    Mycards,
    Passedcards,
    Nextplayer,
    Error,
    Heplayed,
    Heusecard,
    Tooktrick,
    Endround,
    Gamestats,
    Winner,
    Houserules,
    Hints,
};
constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::Hints) + 1;

// Who sends a message.
enum class Side : std::uint8_t { Client, Host };

// One field: a decimal number within bounds, a word (up to the next "+"),
// or the rest of the message.
struct Field {
    enum class Kind : std::uint8_t { None, Number, Word, Rest };
    Kind kind = Kind::None;
    int low = 0;
    int high = 0;
};
constexpr Field number(int low, int high) {
    return {Field::Kind::Number, low, high};
}
constexpr Field kWord{Field::Kind::Word};
constexpr Field kRest{Field::Kind::Rest};

// The bounds the fields share.
constexpr Field kConnection = number(1, 9);
constexpr Field kSeat = number(1, 4);
constexpr Field kSlot = number(1, 13);
constexpr Field kCard = number(0, 52);
constexpr Field kScore = number(-100000, 100000);
constexpr Field kPoints = number(-100, 100);

// What one side sends under a command: its fields in order, then, for a
// list, groups of numbers repeated until the text is used up.
struct Layout {
    bool sent = false;
    std::array<Field, 6> fields{};
    std::array<Field, 4> group{};
};
constexpr Layout layout(std::initializer_list<Field> fields,
                        std::initializer_list<Field> group = {}) {
    Layout made;
    made.sent = true;
    std::size_t i = 0;
    for (const Field& field : fields) {
        made.fields[i++] = field;
    }
    i = 0;
    for (const Field& field : group) {
        made.group[i++] = field;
    }
    return made;
}

struct CommandInfo {
    Command command;
    std::string_view word;
    // What each side sends under it; not `sent` for a side that never does.
    Layout fromClient;
    Layout fromHost;
    bool endsWithPlus;
};

// The whole protocol, in the order of the Command enum.
inline constexpr CommandInfo kCommands[] = {
    {Command::Logininfo, "CMD_logininfo", layout({kConnection, kWord, kRest}), {}, false},
    {Command::Kickhim, "CMD_kickhim", layout({kConnection, kConnection}), {}, true},
    {Command::Botspeed, "CMD_botspeed", layout({kConnection, number(0, 60000)}), {}, true},
    // Starter, play-to score as text, safe first trick "1" or "0"; from a
    // client then the house rules asked for (their code, absent for none),
    // which a host before house rules passes over.
    {Command::Startgame, "CMD_startgame", layout({kWord, kWord, kWord, kWord}),
     layout({kWord, kWord, kWord}), true},
    // Seat, WatchMode.
    {Command::Justwatch, "CMD_justwatch", layout({kSeat, kRest}), {}, false},
    // From a client: seat and three slots; from the host: the receiver's
    // seat (0 for a watcher) and the direction.
    {Command::Passcards, "CMD_passcards", layout({kSeat, kSlot, kSlot, kSlot}),
     layout({number(0, 4), number(1, 3)}), true},
    {Command::Playcard, "CMD_playcard", layout({kSeat, kSlot}), {}, true},
    // Sender (0: a status line from the host), then the text: from a client
    // the line "|" colour, relayed as the name, " chats: " and that line.
    {Command::Chat, "CMD_chat", layout({kConnection, kRest}), layout({number(0, 9), kRest}), false},
    {Command::Action, "CMD_action", layout({kConnection, kRest}), layout({number(0, 9), kRest}),
     false},
    // Sender, chatterSound().
    {Command::Playasound, "CMD_playasound", layout({kConnection, kWord}),
     layout({kConnection, kWord}), true},
    {Command::Sendlogininfo, "CMD_sendlogininfo", {}, layout({kConnection}), false},
    {Command::Newplayerinfo, "CMD_newplayerinfo", {}, layout({kConnection, kRest}), false},
    {Command::Existingplayers, "CMD_existingplayers", {}, layout({kConnection, kRest}), false},
    {Command::Playerdisconnected,
     "CMD_playerdisconnected",
     {},
     layout({kConnection, kRest}),
     false},
    {Command::Havewrongversion, "CMD_havewrongversion", {}, layout({kRest}), false},
    {Command::Wrongversion, "CMD_wrongversion", {}, layout({}), true},
    {Command::Full, "CMD_full", {}, layout({}), true},
    // Seat, WatchMode.
    {Command::Justwatching, "CMD_justwatching", {}, layout({kSeat, kRest}), false},
    {Command::Startround, "CMD_startround", {}, layout({number(1, 1000000)}), true},
    // Seat, then slot and card per card.
    {Command::Mycards, "CMD_mycards", {}, layout({kSeat}, {kSlot, kCard}), false},
    {Command::Passedcards, "CMD_passedcards", {}, layout({kSeat, kSlot, kSlot, kSlot}), true},
    // The seat to play and the card that led the trick (0: a new trick).
    {Command::Nextplayer, "CMD_nextplayer", {}, layout({kSeat, kCard}), true},
    // Seat and refusal code (with code 4 the card, which is not read).
    {Command::Error, "CMD_error", {}, layout({kSeat, number(1, 5)}), true},
    // Seat, card, cards left.
    {Command::Heplayed, "CMD_heplayed", {}, layout({kSeat, number(1, 52), number(0, 12)}), true},
    {Command::Heusecard, "CMD_heusecard", {}, layout({kSeat, kSlot}), true},
    // The taker and its tricks.
    {Command::Tooktrick, "CMD_tooktrick", {}, layout({kSeat, number(1, 13)}), true},
    // The moon's seat or 0, then seat, points, score per seat.
    {Command::Endround,
     "CMD_endround",
     {},
     layout({number(0, 4)}, {kSeat, kPoints, kScore}),
     false},
    // Play-to score, safe, round (as text), turn, phase ("pass", "play"),
    // then seat, score, tricks and the card on the table per seat.
    {Command::Gamestats,
     "CMD_gamestats",
     {},
     layout({kWord, kWord, kWord, number(0, 4), kWord}, {kSeat, kScore, number(0, 13), kCard}),
     false},
    // Seat, name (the name ends before the trailing "+").
    {Command::Winner, "CMD_winner", {}, layout({kSeat, kRest}), true},
    // The house rules of the game on (their code), sent only when they are
    // not the standard game's: after the start of a game, and to a newcomer.
    // A copy before house rules does not know the word and passes it over.
    {Command::Houserules, "CMD_houserules", {}, layout({kWord}), true},
    // Whether the host allows its players hints (1) or no longer (0); sent
    // only while it does or when it stops, so a copy before hints never
    // sees it at a table that allows none.
    {Command::Hints, "CMD_hints", {}, layout({number(0, 1)}), true},
};
static_assert(std::size(kCommands) == kCommandCount);
constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        if (static_cast<std::size_t>(kCommands[i].command) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inEnumOrder(), "kCommands stands in the order of the Command enum");

constexpr const CommandInfo& info(Command command) {
    return kCommands[static_cast<std::size_t>(command)];
}
constexpr std::string_view word(Command command) {
    return info(command).word;
}
// The command of a word, if the protocol has one.
std::optional<Command> commandNamed(std::string_view word);

// The modes of CMD_justwatch and CMD_justwatching.
enum class WatchMode : int { Watch = 1, Play = 2 };
constexpr const char* modeText(WatchMode mode) {
    return mode == WatchMode::Watch ? "1" : "2";
}
std::optional<WatchMode> watchModeNamed(std::string_view text);

// The chatter sounds that travel: "wave1" to "wave20".
constexpr int kChatterSounds = 20;
std::string chatterSound(int number);
// The number of a chatter sound's name, nothing for any other text.
std::optional<int> chatterSoundNumber(std::string_view name);

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
template <typename... Fields> std::string build(Command command, const Fields&... fields) {
    std::string text(word(command));
    ((text += '+', detail::append(text, fields)), ...);
    if (info(command).endsWithPlus) {
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

// --- reading ---

// A received message that its command's fields admit: the numbers of its
// fixed fields, its words and rest, and the numbers of its groups, each in
// the order they came.
class Message {
public:
    Command command() const { return m_command; }
    int number(std::size_t i) const { return m_numbers[i]; }
    const std::string& text(std::size_t i) const { return m_texts[i]; }
    const std::vector<int>& list() const { return m_list; }
    // The first N numbers at once: `const auto [seat, slot] = m.numbers<2>();`
    template <std::size_t N> std::array<int, N> numbers() const {
        std::array<int, N> first{};
        for (std::size_t i = 0; i < N; ++i) {
            first[i] = m_numbers[i];
        }
        return first;
    }

private:
    friend std::optional<Message> read(std::string_view line, Side sender);
    Command m_command = Command::Full;
    std::array<int, 6> m_numbers{};
    std::array<std::string, 6> m_texts{};
    std::vector<int> m_list;
};

// The edge of both ends: a line from the other side becomes a Message only
// when its word is one that side sends and every field it must carry is
// there, of its kind and within its bounds. What follows the fields is
// ignored, as the protocol says; anything else is nothing.
std::optional<Message> read(std::string_view line, Side sender);

} // namespace protocol
