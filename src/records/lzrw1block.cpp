#include "lzrw1block.h"

#include <array>

namespace lzrw1 {

namespace {

constexpr std::uint16_t kEmpty = 0xFFFF;
constexpr std::size_t kTableSize = 4096;
constexpr std::size_t kMaxRun = 4095;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxCopy = 18;
constexpr std::size_t kMinCopy = 3;

std::uint8_t at(std::string_view text, std::size_t i) {
    // Bytes beyond a piece read as 0: near its end no match is possible, so
    // they never change the output.
    return i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
}

} // namespace

std::string compressBlock(std::string_view piece) {
    const std::size_t n = piece.size();
    std::array<std::uint16_t, kTableSize> table;
    table.fill(kEmpty);
    std::string out(n + 24, '\0');
    auto put = [&out](std::size_t i, std::uint8_t byte) { out[i] = static_cast<char>(byte); };
    put(0, kCoded);
    std::size_t y = 3;
    std::size_t z = 1;
    int k = 0;
    std::uint16_t w = 0;
    std::size_t x = 0;
    while (x < n && y <= n) {
        if (k == 16) {
            put(z, static_cast<std::uint8_t>(w >> 8));
            put(z + 1, static_cast<std::uint8_t>(w & 0xFF));
            z = y;
            y += 2;
            k = 0;
        }
        std::size_t run = 1;
        while (run < kMaxRun && x + run < n && piece[x + run] == piece[x]) {
            ++run;
        }
        if (run >= kMinRun) {
            put(y, 0);
            put(y + 1, static_cast<std::uint8_t>((run - kMinRun) >> 8));
            put(y + 2, static_cast<std::uint8_t>((run - kMinRun) & 0xFF));
            put(y + 3, at(piece, x));
            y += 4;
            x += run;
            w = static_cast<std::uint16_t>((w << 1) | 1);
        } else {
            const std::uint32_t h =
                ((static_cast<std::uint32_t>(at(piece, x)) << 4 ^ at(piece, x + 1)) << 4) ^
                at(piece, x + 2);
            const std::size_t index = ((h * 40543u) >> 4) & (kTableSize - 1);
            const std::uint16_t q = table[index];
            table[index] = static_cast<std::uint16_t>(x);
            std::size_t length = 0;
            if (q != kEmpty && x - q < kTableSize) {
                const std::size_t limit = std::min(kMaxCopy, n - x);
                while (length < limit && piece[x + length] == piece[q + length]) {
                    ++length;
                }
            }
            if (length >= kMinCopy) {
                const std::uint16_t item =
                    static_cast<std::uint16_t>(((x - q) << 4) | (length - kMinCopy));
                put(y, static_cast<std::uint8_t>(item >> 8));
                put(y + 1, static_cast<std::uint8_t>(item & 0xFF));
                y += 2;
                x += length;
                w = static_cast<std::uint16_t>((w << 1) | 1);
            } else {
                put(y, at(piece, x));
                y += 1;
                x += 1;
                w = static_cast<std::uint16_t>(w << 1);
            }
        }
        ++k;
    }
    w = static_cast<std::uint16_t>(w << (16 - k));
    put(z, static_cast<std::uint8_t>(w >> 8));
    put(z + 1, static_cast<std::uint8_t>(w & 0xFF));
    if (y > n) {
        std::string stored(1, static_cast<char>(kStored));
        stored.append(piece);
        return stored;
    }
    out.resize(y);
    return out;
}

bool decompressBlock(std::string_view body, std::string& out) {
    out.clear();
    const std::size_t length = body.size();
    if (length <= 1) {
        return true;
    }
    if (static_cast<std::uint8_t>(body[0]) == kStored) {
        if (length - 1 > kBlockSize) {
            return false;
        }
        out.assign(body.substr(1));
        return true;
    }
    if (length < 3) {
        return false;
    }
    out.reserve(kBlockSize);
    std::size_t x = 3;
    std::uint16_t w = static_cast<std::uint16_t>(at(body, 1) << 8 | at(body, 2));
    int bits = 16;
    while (x < length) {
        if (bits == 0) {
            if (x + 2 > length) {
                return false;
            }
            w = static_cast<std::uint16_t>(at(body, x) << 8 | at(body, x + 1));
            x += 2;
            bits = 16;
            if (x >= length) {
                break;
            }
        }
        if (w & 0x8000) {
            if (x + 2 > length) {
                return false;
            }
            const std::size_t distance =
                static_cast<std::size_t>(at(body, x)) * 16 + (at(body, x + 1) >> 4);
            if (distance == 0) {
                if (x + 4 > length) {
                    return false;
                }
                const std::size_t run =
                    static_cast<std::size_t>(at(body, x + 1)) * 256 + at(body, x + 2) + 16;
                if (out.size() + run > kBlockSize) {
                    return false;
                }
                out.append(run, body[x + 3]);
                x += 4;
            } else {
                const std::size_t copy = (at(body, x + 1) & 15) + 3;
                if (distance > out.size() || out.size() + copy > kBlockSize) {
                    return false;
                }
                for (std::size_t i = 0; i < copy; ++i) {
                    out.push_back(out[out.size() - distance]);
                }
                x += 2;
            }
        } else {
            if (out.size() + 1 > kBlockSize) {
                return false;
            }
            out.push_back(body[x]);
            x += 1;
        }
        w = static_cast<std::uint16_t>(w << 1);
        --bits;
    }
    return true;
}

} // namespace lzrw1
