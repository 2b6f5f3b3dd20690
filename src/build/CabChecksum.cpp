// The checksum of a cabinet's data blocks.
#include "build/CabChecksum.h"

namespace quen {

std::uint32_t CabChecksumFold(std::span<const std::uint8_t> bytes, std::uint32_t seed) {
    std::uint32_t sum = seed;
    const std::size_t whole = bytes.size() / 4 * 4;
    for (std::size_t i = 0; i < whole; i += 4)
        sum ^= static_cast<std::uint32_t>(bytes[i]) | static_cast<std::uint32_t>(bytes[i + 1]) << 8 |
               static_cast<std::uint32_t>(bytes[i + 2]) << 16 | static_cast<std::uint32_t>(bytes[i + 3]) << 24;
    std::uint32_t tail = 0;
    for (std::size_t i = whole; i < bytes.size(); ++i) tail = tail << 8 | bytes[i];
    return sum ^ tail;
}

std::uint32_t CabDataChecksum(std::span<const std::uint8_t> data, std::uint16_t compressedSize,
                              std::uint16_t uncompressedSize) {
    const std::uint8_t sizes[4] = {static_cast<std::uint8_t>(compressedSize), static_cast<std::uint8_t>(compressedSize >> 8),
                                   static_cast<std::uint8_t>(uncompressedSize),
                                   static_cast<std::uint8_t>(uncompressedSize >> 8)};
    return CabChecksumFold(sizes, CabChecksumFold(data, 0));
}

}  // namespace quen
