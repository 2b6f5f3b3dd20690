// Byte format of compact difference data: header, varints and the five streams, shared by
// the compact encoder and its decoder.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "maker/CompFormat.h"

namespace quen {

// Layout (every number little-endian), documented in docs/decisions.md:
//   0  magic "QLD" 0xF1          22 command stream length
//   4  version (2)               26 gap stream length
//   5  flags                     30 value stream length
//   6  old length                34 literal stream length
//  10  old source checksum       38 section move stream length
//  14  new length                42 the five streams, in this order
//  18  new CRC-32
// Command stream: per command, varints L (literal bytes), C (copied bytes), and the
// zig-zag varint D: the copy starts at the previous copy's old end + D (0 at first).
// The new file is L literal bytes from the literal stream, then C old bytes each plus
// its difference (mod 256). Differences are sparse over the copied bytes taken in order:
// the gap stream holds, per non-zero difference, a varint count of zero differences
// before it; the value stream holds the non-zero differences themselves.
// Flag 1 (kCompactPredictRel32): before its differences are added, each copy has its x86
// reference fields rewritten through the copy map (maker/CompactPredict.h); the section
// move stream then says how the new file's sections moved (maker/CompactImage.h). Without
// the flag that stream is empty.
inline constexpr std::uint8_t kCompactMagic[4] = {'Q', 'L', 'D', 0xF1};
inline constexpr std::uint8_t kCompactVersion = 2;
inline constexpr std::size_t kCompactHeaderSize = 42;
inline constexpr int kCompactStreams = 5;
inline constexpr std::uint8_t kCompactPredictRel32 = 1;
inline constexpr std::uint8_t kCompactKnownFlags = kCompactPredictRel32;

struct CompactHeader {
    std::uint8_t version = kCompactVersion;
    std::uint8_t flags = 0;
    std::uint32_t oldLength = 0, oldChecksum = 0, newLength = 0, newCrc = 0;
    std::uint32_t streams[kCompactStreams] = {};  // commands, gaps, values, literals, moves
};

// True when the data starts with the compact magic. Data of the classic format whose
// first word (its total length) equals the magic would be 4,047,784,017 bytes long, a
// length its encoders refuse to write.
bool IsCompactData(ByteView data);
std::optional<CompactHeader> ReadCompactHeader(ByteView data);
void WriteCompactHeader(Bytes& out, const CompactHeader& h);

// One approximate copy after a run of literal bytes; the copy starts at `oldStart`.
struct CompactCommand {
    std::uint32_t literal = 0;
    std::uint32_t copy = 0;
    std::uint32_t oldStart = 0;
    bool operator==(const CompactCommand&) const = default;
};
using CompactCommands = std::vector<CompactCommand>;

// The whole compact data that rebuilds `newFile` by the commands, which must cover it
// exactly, with the given flags.
Bytes WriteCompact(ByteView oldFile, ByteView newFile, const CompactCommands& commands, std::uint8_t flags);
// The same with or without reference prediction, whichever leaves fewer difference bytes.
Bytes WriteCompactBest(ByteView oldFile, ByteView newFile, const CompactCommands& commands);

void PutVarint(Bytes& out, std::uint64_t v);
inline std::uint64_t ZigZag(std::int64_t v) {
    return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
}
inline std::int64_t UnZigZag(std::uint64_t v) { return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1); }

// Reads varints from one stream, never past its end; a varint longer than 10 bytes or
// beyond 64 bits is refused like a truncated one.
class VarintReader {
public:
    explicit VarintReader(ByteView s) : s_(s) {}
    bool Next(std::uint64_t& v) {
        if (at_ < s_.size() && s_[at_] < 0x80) {  // most are one byte
            v = s_[at_++];
            return true;
        }
        return NextLong(v);
    }
    bool AtEnd() const { return at_ == s_.size(); }

private:
    bool NextLong(std::uint64_t& v);

    ByteView s_;
    std::size_t at_ = 0;
};

}  // namespace quen
