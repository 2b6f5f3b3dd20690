// The cabinet data block checksum.
#include "maker/cab/CabFormat.h"

namespace quen::cab {

std::uint32_t Checksum(const std::uint8_t* data, std::size_t size, std::uint32_t seed) {
    std::uint32_t sum = seed;
    std::size_t i = 0;
    for (; i + 4 <= size; i += 4) sum ^= Get32(data + i);
    std::uint32_t tail = 0;
    for (; i < size; ++i) tail = (tail << 8) | data[i];
    return sum ^ tail;
}

std::uint32_t DataBlockChecksum(const std::uint8_t* data, std::uint16_t cbData, std::uint16_t cbUncomp) {
    std::uint8_t sizes[4];
    Set16(sizes, cbData);
    Set16(sizes + 2, cbUncomp);
    return Checksum(sizes, sizeof sizes, Checksum(data, cbData, 0));
}

}  // namespace quen::cab
