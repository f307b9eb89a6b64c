// Table addresses and invitation links, read and written.
#include "invitation.h"

#include <algorithm>
#include <cctype>

namespace invitation {

namespace {

constexpr std::string_view kScheme = "hearts://";
constexpr std::size_t kLongestHost = 253;
constexpr std::size_t kLongestTable = 64;

bool isHostNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '.' || c == '_';
}
bool isIpv6Char(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0 || c == ':' || c == '.';
}

Reading problem(std::string text) {
    Reading reading;
    reading.problem = std::move(text);
    return reading;
}

// A port's digits, 1..65535; 0 for anything else.
int portOf(std::string_view digits) {
    if (digits.empty() || digits.size() > 5) {
        return 0;
    }
    int port = 0;
    for (char c : digits) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return 0;
        }
        port = port * 10 + (c - '0');
    }
    return port <= 65535 ? port : 0;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// %XX and "+" decoded; nullopt for a broken escape.
std::optional<std::string> percentDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            if (i + 2 >= text.size()) {
                return std::nullopt;
            }
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high < 0 || low < 0) {
                return std::nullopt;
            }
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += text[i] == '+' ? ' ' : text[i];
        }
    }
    return out;
}

// A table's name as shown: no control characters, at most 64 bytes, cut
// where a UTF-8 character begins.
std::string cleanTableName(const std::string& name) {
    std::string out;
    for (char c : name) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            out += c;
        }
    }
    if (out.size() > kLongestTable) {
        std::size_t cut = kLongestTable;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        out.resize(cut);
    }
    return out;
}

} // namespace

bool looksLikeLink(std::string_view text) {
    if (text.size() < kScheme.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kScheme.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != kScheme[i]) {
            return false;
        }
    }
    return true;
}

Reading readAddress(std::string_view text, int defaultPort) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0) {
        text.remove_suffix(1);
    }
    if (looksLikeLink(text)) {
        return readLink(text, defaultPort);
    }
    if (text.empty()) {
        return problem("Type the address of the table, such as 192.168.1.20 or "
                       "table.example.org:7772.");
    }
    TableAddress address;
    address.port = defaultPort;
    std::string_view host = text;
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) {
            return problem("An IPv6 address in brackets needs its closing \"]\".");
        }
        host = text.substr(1, close - 1);
        const std::string_view after = text.substr(close + 1);
        if (!after.empty()) {
            if (after.front() != ':' || (address.port = portOf(after.substr(1))) == 0) {
                return problem("The port must be a number from 1 to 65535.");
            }
        }
        if (host.find(':') == std::string_view::npos) {
            return problem("Only an IPv6 address goes in brackets.");
        }
    } else if (const std::size_t colons = std::count(text.begin(), text.end(), ':'); colons == 1) {
        const std::size_t colon = text.find(':');
        host = text.substr(0, colon);
        if ((address.port = portOf(text.substr(colon + 1))) == 0) {
            return problem("The port must be a number from 1 to 65535.");
        }
    }
    const bool ipv6 = host.find(':') != std::string_view::npos;
    if (host.empty() || host.size() > kLongestHost) {
        return problem("The address names no computer.");
    }
    for (char c : host) {
        if (ipv6 ? !isIpv6Char(c) : !isHostNameChar(c)) {
            std::string why = "\"";
            why.append(host).append("\" is not an address: use a name, an IPv4 address or an "
                                    "IPv6 address (in brackets when a port follows).");
            return problem(why);
        }
    }
    address.host = std::string(host);
    Reading reading;
    reading.address = address;
    return reading;
}

Reading readLink(std::string_view link, int defaultPort) {
    if (!looksLikeLink(link)) {
        return problem("An invitation link begins with hearts://.");
    }
    std::string_view rest = link.substr(kScheme.size());
    const std::size_t end = rest.find_first_of("/?#");
    const std::string_view authority = rest.substr(0, end);
    std::string_view tail = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    if (authority.empty()) {
        return problem("The invitation link names no table address.");
    }
    if (authority.find('@') != std::string_view::npos) {
        return problem("The invitation link's address is not understood.");
    }
    Reading reading = readAddress(authority, defaultPort);
    if (!reading.address) {
        reading.problem = std::string("The invitation link is broken: ").append(reading.problem);
        return reading;
    }
    if (!tail.empty() && tail.front() == '/') {
        tail.remove_prefix(1);
    }
    if (const std::size_t hash = tail.find('#'); hash != std::string_view::npos) {
        tail = tail.substr(0, hash);
    }
    if (!tail.empty() && tail.front() != '?') {
        return problem("The invitation link has a path it does not understand.");
    }
    if (!tail.empty()) {
        tail.remove_prefix(1);
    }
    while (!tail.empty()) {
        const std::size_t amp = tail.find('&');
        const std::string_view field = tail.substr(0, amp);
        tail = amp == std::string_view::npos ? std::string_view() : tail.substr(amp + 1);
        const std::size_t equals = field.find('=');
        if (field.substr(0, equals) != "table" || equals == std::string_view::npos) {
            continue; // a field of a later copy
        }
        const std::optional<std::string> name = percentDecoded(field.substr(equals + 1));
        if (!name) {
            return problem("The invitation link's table name is broken.");
        }
        reading.address->table = cleanTableName(*name);
    }
    return reading;
}

std::string hostAndPort(const TableAddress& address) {
    const bool ipv6 = address.host.find(':') != std::string::npos;
    std::string text;
    if (ipv6) {
        text.append("[").append(address.host).append("]");
    } else {
        text = address.host;
    }
    return text.append(":").append(std::to_string(address.port));
}

std::string linkTo(const TableAddress& address) {
    std::string link(kScheme);
    link.append(hostAndPort(address)).append("/");
    if (!address.table.empty()) {
        link += "?table=";
        static constexpr char kHex[] = "0123456789ABCDEF";
        for (char c : address.table) {
            const auto byte = static_cast<unsigned char>(c);
            if (std::isalnum(byte) != 0 || c == '-' || c == '.' || c == '_' || c == '~') {
                link += c;
            } else {
                link += '%';
                link += kHex[byte >> 4];
                link += kHex[byte & 15];
            }
        }
    }
    return link;
}

} // namespace invitation
