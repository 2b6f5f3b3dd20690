// The checksum of a cabinet's data blocks, as the Microsoft Cabinet format defines it.
#pragma once

#include <cstdint>
#include <span>

namespace quen {

// Folds bytes into `seed`: whole 32-bit little-endian words are exclusive-or'ed in; the 1
// to 3 bytes left over make one more word with the first of them as its highest byte.
std::uint32_t CabChecksumFold(std::span<const std::uint8_t> bytes, std::uint32_t seed);

// The checksum stored in a data block: its compressed bytes, then its two 16-bit sizes.
std::uint32_t CabDataChecksum(std::span<const std::uint8_t> data, std::uint16_t compressedSize,
                              std::uint16_t uncompressedSize);

}  // namespace quen
