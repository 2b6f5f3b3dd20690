// The source checksum of a file's bytes: the XOR of its 32-bit little-endian words.
#pragma once

#include <cstdint>
#include <span>

namespace quen {

// The last word is padded with zero bytes; an empty buffer gives 0.
std::uint32_t SourceChecksum(std::span<const std::uint8_t> bytes);

}  // namespace quen
