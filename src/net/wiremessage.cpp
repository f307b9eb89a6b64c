#include "wiremessage.h"

#include <climits>

namespace wire {

std::string frame(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() + 1);
    for (char c : text) {
        bytes.push_back(c == kEndByte || c == '\r' || c == '\n' ? ' ' : c);
    }
    bytes.push_back(kEndByte);
    return bytes;
}

bool Framer::feed(std::string_view bytes, std::vector<std::string>& out) {
    m_pending.append(bytes);
    std::size_t start = 0;
    for (std::size_t end = m_pending.find(kEndByte); end != std::string::npos;
         end = m_pending.find(kEndByte, start)) {
        if (end - start > kMaxMessageBytes) {
            // Refused like an unframed tail: nothing more from this peer.
            m_pending.clear();
            return false;
        }
        out.emplace_back(m_pending, start, end - start);
        start = end + 1;
    }
    m_pending.erase(0, start);
    return m_pending.size() <= kMaxUnframedBytes;
}

std::string cutText(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A character starts at every byte that is not 10xxxxxx.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && chars++ == maxChars) {
            return std::string(text.substr(0, i));
        }
    }
    return std::string(text);
}

CommandLine splitCommand(std::string_view line) {
    const std::size_t plus = line.find('+');
    if (plus == std::string_view::npos) {
        return {};
    }
    return {std::string(line.substr(0, plus)), std::string(line.substr(plus + 1))};
}

std::string Fields::text() {
    const std::size_t plus = m_rest.find('+');
    if (plus == std::string::npos) {
        return {};
    }
    std::string field = m_rest.substr(0, plus);
    m_rest.erase(0, plus + 1);
    return field;
}

int Fields::number() {
    int value = 0;
    if (!parseInt(text(), value)) {
        throw FieldError("field is not a number");
    }
    return value;
}

int Fields::listNumber() {
    if (m_rest.find('+') != std::string::npos) {
        return number();
    }
    const int value = restNumber();
    m_rest.clear();
    return value;
}

int Fields::restNumber() const {
    int value = 0;
    if (!parseInt(m_rest, value)) {
        throw FieldError("field is not a number");
    }
    return value;
}

bool parseInt(std::string_view text, int& value) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) {
        return false;
    }
    long long magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        magnitude = magnitude * 10 + (c - '0');
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue < INT_MIN || signedValue > INT_MAX) {
        return false;
    }
    value = static_cast<int>(signedValue);
    return true;
}

} // namespace wire
