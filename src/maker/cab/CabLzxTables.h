// LZX constants: element counts, position slots and their extra bits.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace quen::cab::lzx {

inline constexpr int kNumChars = 256;
inline constexpr int kMinMatch = 2;
inline constexpr int kMaxMatch = 257;
inline constexpr int kNumPrimaryLengths = 7;    // length headers 0..6 direct, 7 = see the length tree
inline constexpr int kNumSecondaryLengths = 249;
inline constexpr int kPretreeSize = 20;
inline constexpr int kMaxCodeLength = 16;
inline constexpr int kMaxPretreeLength = 15;
inline constexpr int kBlockVerbatim = 1;
inline constexpr int kBlockAligned = 2;
// Aligned blocks code the low three bits of offsets with three or more extra bits
// through an eight-symbol tree, sent as eight 3-bit lengths.
inline constexpr int kAlignedBits = 3;
inline constexpr int kAlignedSize = 8;
inline constexpr int kAlignedTreeBits = 3;
inline constexpr int kMaxAlignedLength = 7;
inline constexpr int kNumReps = 3;
// The x86 translation works on the first 32768 frames and with this file size.
inline constexpr std::uint32_t kE8FileSize = 12000000;
inline constexpr std::size_t kE8MaxFrames = 32767;

// Position slots of each window size 2^15 .. 2^21.
inline constexpr int kSlotsForWindow[7] = {30, 32, 34, 36, 38, 42, 50};

inline constexpr int ExtraBits(int slot) {
    return slot < 4 ? 0 : std::min(17, slot / 2 - 1);
}

inline constexpr std::array<std::uint32_t, 51> MakeBases() {
    std::array<std::uint32_t, 51> b{};
    for (int s = 1; s < 51; ++s) b[s] = b[s - 1] + (1u << ExtraBits(s - 1));
    return b;
}
inline constexpr std::array<std::uint32_t, 51> kPositionBase = MakeBases();

// The slot of a formatted offset (0..2 repeated offsets, else distance + 2): below 2^18
// two slots per power of two (the bit below the top one picks), then one per 2^17.
inline int SlotOf(std::uint32_t formatted) {
    if (formatted < 4) return static_cast<int>(formatted);
    if (formatted >= kPositionBase[36]) return 36 + static_cast<int>((formatted - kPositionBase[36]) >> 17);
    const int top = std::bit_width(formatted) - 1;
    return 2 * top + static_cast<int>((formatted >> (top - 1)) & 1);
}

// The aligned-tree symbol of a formatted offset in a slot with three or more extra bits.
inline int AlignedSymbol(std::uint32_t formatted, int slot) {
    return static_cast<int>((formatted - kPositionBase[slot]) & 7);
}

}  // namespace quen::cab::lzx
