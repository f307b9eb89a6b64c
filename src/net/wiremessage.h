#pragma once

// Wire messages between host and clients.
//
//   message  = command *( "+" field ) %xFF
//   command  = "CMD_" 1*lower-case letter
//   field    = decimal number | text
//
// The text before the end byte is UTF-8 and never holds 0xFF, carriage
// return or line feed. A text field that ends the message runs to its end and
// may hold "+". A receiver reads the fields it expects from the left and
// ignores what follows. This part is plain C++ so that the game rules, which
// build and read messages, stay free of Qt.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wire {

constexpr char kEndByte = '\xFF';

// A peer that sends this many bytes without an end byte, or a longer
// message, is cut off. No side ever sends a message this long.
constexpr std::size_t kMaxUnframedBytes = 64 * 1024;
constexpr std::size_t kMaxMessageBytes = kMaxUnframedBytes;

// The bytes of one message: the text with 0xFF, CR and LF turned into blanks,
// then the end byte.
std::string frame(std::string_view text);

// Cuts a byte stream into messages at every end byte and keeps the tail for
// the next read. One per connection.
class Framer {
public:
    // Appends the bytes and moves every complete message to `out`. Answers
    // false when the unframed tail has grown past kMaxUnframedBytes or a
    // message is longer than kMaxMessageBytes (that message is not given).
    bool feed(std::string_view bytes, std::vector<std::string>& out);
    std::size_t pendingBytes() const { return m_pending.size(); }

private:
    std::string m_pending;
};

// A message line cut at its first "+": the command word and the rest. A line
// without "+" has an empty command word.
struct CommandLine {
    std::string word;
    std::string payload;
};
CommandLine splitCommand(std::string_view line);

// A field was missing or not a decimal number: the handler stops there.
class FieldError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads fields from the left of a payload.
class Fields {
public:
    explicit Fields(std::string payload) : m_rest(std::move(payload)) {}

    // The text before the next "+", which is removed with it. Without a
    // further "+" the field is empty and nothing is removed.
    std::string text();
    // The next field as a decimal number; throws FieldError otherwise.
    int number();
    // The next number of a list: the text before the next "+", or the whole
    // rest when no "+" is left (the last field of a list message).
    int listNumber();
    bool empty() const { return m_rest.empty(); }
    // Everything not read yet.
    const std::string& rest() const { return m_rest; }
    // Everything not read yet as a number (a last field without "+").
    int restNumber() const;

private:
    std::string m_rest;
};

// The text cut to at most `maxChars` UTF-8 characters, never inside one.
std::string cutText(std::string_view text, std::size_t maxChars);

// A decimal integer with an optional minus sign and nothing else, within 32
// bits; nullopt-like failure through the bool.
bool parseInt(std::string_view text, int& value);

} // namespace wire
