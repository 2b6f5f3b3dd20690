// RLEModuleX: a simple run-length codec for byte buffers and the length-prefixed
// container the test dialog reads and writes.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "maker/CompFormat.h"

namespace quen {

// Stream records start with a 2-byte header stored high byte first: bit 15 set means a
// literal of n (bits 0-14) bytes follows; clear means the next byte repeats n times. A
// header of 0 produces nothing (its body byte is skipped), so zero padding is harmless.
inline constexpr std::int64_t kRleMaxCount = 32767;
// The largest unpacked length a container or an unpack call accepts.
inline constexpr std::int64_t kRleMaxUnpacked = std::int64_t{1} << 30;

// The header writer's and reader's byte functions.
std::pair<std::uint8_t, std::uint8_t> SplitWord(std::uint16_t value);  // {high, low}
std::uint16_t JoinBytes(std::uint8_t high, std::uint8_t low);

// Packs `buffer` in place and returns the packed length; returns -1 and leaves the buffer
// as it was when the packed stream would not be shorter than the input.
std::int64_t RlePack(Bytes& buffer);

// The stream that holds `input` as literal records only: always valid, slightly longer.
Bytes RleLiteralStream(ByteView input);

// Replaces `buffer` (a packed stream) by exactly `unpackedLength` bytes: zero-filled
// when the records produce fewer, cut when they produce more. Returns how many bytes the
// records produced. Throws Error for a length over 1 GiB or a record that runs past the
// end of the stream (a cut-off zero header at the end is padding, not an error).
std::int64_t RleUnpack(Bytes& buffer, std::int64_t unpackedLength);

// Container: 4-byte little-endian unpacked length, then the stream. Packing falls back to
// literal records where RlePack gives up, so every container unpacks to its input.
// Unpacking throws Error, besides RleUnpack's cases, when the records give more or fewer
// bytes than the declared length.
Bytes RlePackContainer(ByteView input);
Bytes RleUnpackContainer(ByteView container);

}  // namespace quen
