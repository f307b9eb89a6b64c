#pragma once

// The LZRW1/KH block coder of the tally file: independent blocks of at most
// 32768 bytes, a 4096-entry hash table reset for every block, 16-bit
// control words (bit 15 first; 0 literal, 1 copy or run), copies of 3..18
// bytes from up to 4095 bytes back, and runs of 16..4095 equal bytes.
//
//   body    = 0x80 piece             (stored)
//           | 0x40 *( control-word 1*16item )   (coded)
//   literal = byte
//   copy    = 2 bytes: distance << 4 | (length - 3), high byte first
//   run     = 0x00, (length - 16) >> 8, (length - 16) & 255, byte

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lzrw1 {

constexpr std::size_t kBlockSize = 32768;
constexpr std::uint8_t kCoded = 0x40;
constexpr std::uint8_t kStored = 0x80;

// Codes one piece of at most kBlockSize bytes into a block body.
std::string compressBlock(std::string_view piece);

// Decodes one block body. Answers false for a damaged body: one that would
// reach before the start of its output, past its own end, or beyond
// kBlockSize bytes. Nothing is ever written beyond the block.
bool decompressBlock(std::string_view body, std::string& out);

} // namespace lzrw1
