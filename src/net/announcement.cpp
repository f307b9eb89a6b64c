#include "announcement.h"

#include "wiremessage.h"

#include <vector>

namespace announcement {

std::string cleanName(std::string_view name) {
    std::string clean;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        clean += byte < 0x20 || byte == 0x7F ? ' ' : c;
    }
    if (clean.size() > kMaxName) {
        std::size_t cut = kMaxName;
        // Back to the start of a character: continuation bytes are 10xxxxxx.
        while (cut > 0 && (static_cast<unsigned char>(clean[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        clean.resize(cut);
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
