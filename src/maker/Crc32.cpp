// CRC-32 with tables built once, eight bytes a step ("slicing by 8"): the decoders check
// every rebuilt file, so this runs at the speed of the rebuild itself.
#include "maker/Crc32.h"

#include <array>
#include <memory>

namespace quen {

namespace {

using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

// tables[0] is the byte-wise table; tables[k][n] is the CRC of byte n followed by k zero bytes.
void FillTables(Tables& t) {
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][n] = c;
    }
    for (std::uint32_t n = 0; n < 256; ++n) {
        for (int k = 1; k < 8; ++k) t[k][n] = t[0][t[k - 1][n] & 0xFF] ^ (t[k - 1][n] >> 8);
    }
}

// Made on the heap at the first use: a table the compiler fills, or any static one (MinGW
// keeps even zero-filled statics in the file), ships 8 KB in every program, the head included.
const Tables& CrcTables() {
    static const std::unique_ptr<const Tables> tables = [] {
        auto t = std::make_unique<Tables>();
        FillTables(*t);
        return t;
    }();
    return *tables;
}

}  // namespace

std::uint32_t Crc32(ByteView data) {
    const Tables& t = CrcTables();
    std::uint32_t c = 0xFFFFFFFFu;
    const std::uint8_t* p = data.data();
    std::size_t n = data.size();
    for (; n >= 8; n -= 8, p += 8) {
        const std::uint32_t lo = c ^ GetLE32(p), hi = GetLE32(p + 4);
        c = t[7][lo & 0xFF] ^ t[6][(lo >> 8) & 0xFF] ^ t[5][(lo >> 16) & 0xFF] ^ t[4][lo >> 24] ^
            t[3][hi & 0xFF] ^ t[2][(hi >> 8) & 0xFF] ^ t[1][(hi >> 16) & 0xFF] ^ t[0][hi >> 24];
    }
    for (; n > 0; --n, ++p) c = t[0][(c ^ *p) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

}  // namespace quen
