// The source checksum of a file's bytes.
#include "maker/SourceChecksum.h"

namespace quen {

std::uint32_t SourceChecksum(std::span<const std::uint8_t> bytes) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        sum ^= static_cast<std::uint32_t>(bytes[i]) << (8 * (i % 4));
    }
    return sum;
}

}  // namespace quen
