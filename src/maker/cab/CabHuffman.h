// Length-limited canonical Huffman codes, as LZX trees store them.
#pragma once

#include <cstdint>
#include <vector>

namespace quen::cab {

// Code lengths for the frequencies, none above `maxLength`. Every code is complete: when
// fewer than two symbols occur, symbols 0 and 1 (or the used one and its neighbour) get
// one bit each, since decoders refuse a tree with a single code. All-zero frequencies
// give two one-bit codes as well.
std::vector<std::uint8_t> CodeLengths(const std::vector<std::uint32_t>& freq, int maxLength);

// Canonical codes: shorter codes first, equal lengths in symbol order.
std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t>& lengths);

}  // namespace quen::cab
