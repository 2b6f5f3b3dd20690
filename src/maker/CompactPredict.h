// Reference prediction of the compact format: x86 references rewritten through the
// copy map, so code whose targets moved costs no differences.
#pragma once

#include <cstdint>
#include <vector>

#include "maker/CompactFormat.h"
#include "maker/CompactImage.h"

namespace quen {

// Where copies put old bytes in the new file.
class CopyMap {
public:
    void Reserve(std::size_t copies) { copies_.reserve(copies); }
    void Add(std::int64_t newStart, std::int64_t oldStart, std::int64_t length);
    // Sorts for lookups; call once after the last Add.
    void Finish();
    // The new position of old byte `o`: through the copy with the greatest old start at
    // or below `o` that holds it, among the kReach copies of greatest old start at or
    // below `o` (the later one in new order on equal starts); -1 when none does.
    std::int64_t NewOf(std::int64_t o) const;

    static constexpr int kReach = 16;

private:
    static constexpr int kBlockBits = 6;
    // A move that is none: no copy holds the bytes.
    static constexpr std::int64_t kNone = INT64_MIN;
    struct Copy {
        std::int64_t oldStart, newStart, length;
    };
    // Old bytes from `start` to the next segment's start go to new position `to` on, or
    // nowhere. Files are below 4 GiB: eight bytes a segment keep lookups in the cache.
    struct Segment {
        std::uint32_t start, to;
    };
    static constexpr std::uint32_t kNowhere = 0xFFFFFFFF;
    void Mark(std::int64_t start, std::int64_t move);

    std::vector<Copy> copies_;  // until Finish
    std::vector<Segment> segments_;  // ascending starts, the first (nowhere) at 0
    // segmentAt_[b]: the segment holding old block b's first byte (64 bytes a block), so a
    // lookup steps over only the segments starting inside its own block.
    std::vector<std::uint32_t> segmentAt_;
};

// The copy map of all commands, or false when the command stream is damaged or a copy
// reaches outside the old file (`oldSize` bytes).
bool CopyMapOfStream(ByteView commands, std::int64_t oldSize, CopyMap& map);
CopyMap CopyMapOf(const CompactCommands& commands);

// Rewrites, in `out` (the `count` old bytes from `oldStart` already copied to new
// position `newStart`), the old file's references that lie inside the copy.
//
// Addresses: in a PE file a position inside a section's raw data has the address
// position - raw start + section address; any other position (headers, a file that is not
// PE) is its own address. The new address of an old target address: through the copy map
// when the target lies in a section's raw data (or anywhere in a non-PE file) and a copy
// holds it (new position + the section's old address - raw start + its skew); else, for
// a target inside a section's virtual extent (the greater of virtual and raw size), the
// old address plus the section's rva move; else there is no prediction. The new address
// of a field: its new position, moved like a target mapped in the field's own section.
//
// Relative references, found once by scanning each range of old code (OldCode) from its
// start: rel32 of E8 (call), E9 (jmp), 0F 80-8F (jcc) and, on x64, the RIP-relative
// disp32 of FF 15/FF 25 and of an optional REX prefix (40-4F), one of the opcodes 03 2B 33
// 39 3B 63 85 89 8B 8D and a ModRM of mod 0, r/m 5, the instruction ending inside the
// range. One whose target (field address + 4 + field) lies inside a section's virtual
// extent (in a non-PE file: inside the file) is a reference and skipped whole. A
// reference whose field lies inside the copy gets new target address - new field
// address - 4 when there is a prediction.
// Absolute references, after the relative ones: every base relocation (OldCode::fixups)
// inside the copy whose value less the image base is a target address with a prediction
// gets new image base + new target address.
class ReferencePredictor {
public:
    ReferencePredictor(ByteView oldFile, const OldCode& code, const ImageMoves& moves, const CopyMap& map);
    void Predict(std::int64_t oldStart, std::int64_t newStart, std::uint8_t* out, std::int64_t count) const;

private:
    struct Place {
        std::int64_t raw, rawEnd, rva, rvaEnd, toNew, move;
    };
    const Place* RawPlace(std::int64_t o) const;
    // The new address of old address `rva`, kOutside or kUnknown (the .cpp); without
    // `mapped`, only whether it is outside.
    std::int64_t NewTarget(std::int64_t rva, bool mapped) const;
    void FindSites();
    void Relative(std::int64_t oldStart, std::int64_t newStart, std::uint8_t* out, std::int64_t count) const;
    void Absolute(std::int64_t oldStart, std::uint8_t* out, std::int64_t count) const;

    ByteView old_;
    const OldCode& code_;
    const CopyMap& map_;
    std::vector<Place> places_;
    // Relative references of the old code, by field position; place: the field's section.
    struct Site {
        std::uint32_t field, target;
        std::int32_t place;
    };
    std::vector<Site> sites_;
    // The first site and relocation at or after each old block (256 bytes).
    std::vector<std::uint32_t> siteAt_, fixupAt_;
    std::uint64_t newBase_;
};

}  // namespace quen
