// The source checksum of a file's bytes.
#include "maker/SourceChecksum.h"

#include "maker/CompFormat.h"

namespace quen {

std::uint32_t SourceChecksum(std::span<const std::uint8_t> bytes) {
    // Eight bytes a step, in two lanes: their halves are the four-byte words in order.
    std::uint64_t lanes[2] = {};
    std::size_t i = 0;
    for (; i + 16 <= bytes.size(); i += 16) {
        for (int k = 0; k < 2; ++k) lanes[k] ^= GetLE64(bytes.data() + i + 8 * k);
    }
    const std::uint64_t both = lanes[0] ^ lanes[1];
    auto sum = static_cast<std::uint32_t>(both ^ both >> 32);
    for (; i + 4 <= bytes.size(); i += 4) sum ^= GetLE32(bytes.data() + i);
    for (; i < bytes.size(); ++i) sum ^= static_cast<std::uint32_t>(bytes[i]) << (8 * (i % 4));
    return sum;
}

}  // namespace quen
