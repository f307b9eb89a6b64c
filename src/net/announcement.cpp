#include "announcement.h"

#include "wiremessage.h"

#include <vector>

namespace announcement {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The next character of a UTF-8 text, or U+FFFD for a byte that starts no
// well-formed character (overlong forms, surrogates and values beyond
// U+10FFFF included); `at` moves past what was read.
char32_t nextCharacter(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    int length = 0;
    char32_t value = 0;
    char32_t lowest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        lowest = 0x10000;
    } else {
        ++at;
        return kReplacement;
    }
    if (at + static_cast<std::size_t>(length) > text.size()) {
        ++at;
        return kReplacement;
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(at + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) {
            ++at;
            return kReplacement;
        }
        value = value << 6 | (next & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++at;
        return kReplacement;
    }
    at += static_cast<std::size_t>(length);
    return value;
}

void appendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Marks that turn the direction of the text around them, so that a name can
// pass itself off as another or disorder what follows it on a line.
bool isDirectionMark(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

} // namespace

std::string cleanName(std::string_view name) {
    std::string clean;
    std::size_t at = 0;
    while (at < name.size()) {
        const char32_t c = nextCharacter(name, at);
        if (isDirectionMark(c)) {
            continue;
        }
        std::string piece;
        appendUtf8(piece, isControl(c) ? U' ' : c);
        if (clean.size() + piece.size() > kMaxName) {
            break;
        }
        clean += piece;
    }
    return clean;
}

std::string format(const Table& table) {
    std::string text = std::string(kMagic) + " " + std::to_string(kVersion) + "\n";
    text += "port=" + std::to_string(table.port) + "\n";
    text += "table=" + cleanName(table.table) + "\n";
    text += "host=" + cleanName(table.host) + "\n";
    text += "people=" + std::to_string(table.people) + "\n";
    text += "watchers=" + std::to_string(table.watchers) + "\n";
    text += std::string("ingame=") + (table.inGame ? "1" : "0") + "\n";
    return text;
}

namespace {

bool numberIn(std::string_view text, int low, int high, int& value) {
    return wire::parseInt(text, value) && value >= low && value <= high;
}

} // namespace

std::optional<Table> parse(std::string_view datagram) {
    if (datagram.size() > kMaxBytes) {
        return std::nullopt;
    }
    std::vector<std::string_view> lines;
    while (!datagram.empty()) {
        const std::size_t end = datagram.find('\n');
        lines.push_back(datagram.substr(0, end));
        datagram = end == std::string_view::npos ? std::string_view() : datagram.substr(end + 1);
    }
    if (lines.empty() || lines[0] != std::string(kMagic) + " " + std::to_string(kVersion)) {
        return std::nullopt;
    }
    Table table;
    // Every field must come, once.
    bool seen[6] = {};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        int number = 0;
        int field = -1;
        bool ok = true;
        if (key == "port") {
            field = 0;
            ok = numberIn(value, 1, 65535, table.port);
        } else if (key == "table") {
            field = 1;
            table.table = cleanName(value);
        } else if (key == "host") {
            field = 2;
            table.host = cleanName(value);
        } else if (key == "people") {
            field = 3;
            ok = numberIn(value, 0, 4, table.people);
        } else if (key == "watchers") {
            field = 4;
            ok = numberIn(value, 0, 5, table.watchers);
        } else if (key == "ingame") {
            field = 5;
            ok = numberIn(value, 0, 1, number);
            table.inGame = number == 1;
        }
        if (!ok || (field >= 0 && seen[field])) {
            return std::nullopt;
        }
        if (field >= 0) {
            seen[field] = true;
        }
    }
    for (bool field : seen) {
        if (!field) {
            return std::nullopt;
        }
    }
    return table;
}

} // namespace announcement
