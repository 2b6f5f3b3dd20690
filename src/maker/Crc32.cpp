// CRC-32 with a table built once.
#include "maker/Crc32.h"

#include <array>

namespace quen {

namespace {

std::array<std::uint32_t, 256> MakeTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

}  // namespace

std::uint32_t Crc32(ByteView data) {
    static const std::array<std::uint32_t, 256> table = MakeTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const std::uint8_t byte : data) c = table[(c ^ byte) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

}  // namespace quen
