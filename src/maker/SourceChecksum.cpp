// The source checksum of a file's bytes.
#include "maker/SourceChecksum.h"

#include "maker/CompFormat.h"

namespace quen {

std::uint32_t SourceChecksum(std::span<const std::uint8_t> bytes) {
    std::uint32_t sum = 0;
    std::size_t i = 0;
    for (; i + 4 <= bytes.size(); i += 4) sum ^= GetLE32(bytes.data() + i);
    for (; i < bytes.size(); ++i) sum ^= static_cast<std::uint32_t>(bytes[i]) << (8 * (i % 4));
    return sum;
}

}  // namespace quen
