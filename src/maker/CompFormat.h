// Byte format of difference data: the 16-byte header, the literal and copy records, and
// the little-endian writer shared by every encoder.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace quen {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// Header: total length, old checksum, old length, new length (32-bit little-endian each).
inline constexpr std::size_t kDiffHeaderSize = 16;
// Literal: type, 4-byte count n, n bytes. Copy: type, 4-byte 1-based old position, 4-byte count.
inline constexpr std::uint8_t kRecordLiteral = 1;
inline constexpr std::uint8_t kRecordCopy = 2;
inline constexpr std::size_t kCopyRecordSize = 9;
inline constexpr std::size_t kLiteralHeadSize = 5;

inline void PutLE32(Bytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline void SetLE32(Bytes& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline std::uint32_t GetLE32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

inline std::uint64_t GetLE64(const std::uint8_t* p) {
    return GetLE32(p) | std::uint64_t{GetLE32(p + 4)} << 32;
}

inline std::uint16_t GetLE16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

// Length of the common run of a and b, at most `cap` bytes, compared eight at a time (the
// first differing byte is the lowest set one of the difference: the machines are little-endian).
inline std::int64_t CommonRun(const std::uint8_t* a, const std::uint8_t* b, std::int64_t cap) {
    std::int64_t n = 0;
    for (; n + 8 <= cap; n += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a + n, 8);
        std::memcpy(&y, b + n, 8);
        if (x != y) return n + std::countr_zero(x ^ y) / 8;
    }
    while (n < cap && a[n] == b[n]) ++n;
    return n;
}

// Appends records after a reserved header; Finish fills the header.
class DifferenceWriter {
public:
    DifferenceWriter() : out_(kDiffHeaderSize, 0) {}

    // Room for `total` bytes in all, so a large output is not copied while it grows.
    void Reserve(std::size_t total) { out_.reserve(total); }

    // The new bytes [first, last] (1-based, inclusive) of `file` as one literal record.
    void Literal(ByteView file, std::int64_t first, std::int64_t last);
    void Copy(std::int64_t oldPosition, std::int64_t count);
    Bytes Finish(std::uint32_t oldChecksum, std::uint64_t oldLength, std::uint64_t newLength);

private:
    Bytes out_;
};

}  // namespace quen
