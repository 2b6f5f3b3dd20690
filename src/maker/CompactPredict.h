// Reference prediction of the compact format: x86 references rewritten through the
// copy map, so code whose targets moved costs no differences.
#pragma once

#include <cstdint>
#include <vector>

#include "maker/CompactFormat.h"

namespace quen {

// Where copies put old bytes in the new file.
class CopyMap {
public:
    void Add(std::int64_t newStart, std::int64_t oldStart, std::int64_t length);
    // Sorts for lookups; call once after the last Add.
    void Finish();
    // The new position of old byte `o`: through the copy with the greatest old start at
    // or below `o` that holds it, among the kReach copies of greatest old start at or
    // below `o` (the later one in new order on equal starts); -1 when none does.
    std::int64_t NewOf(std::int64_t o) const;

    static constexpr int kReach = 16;

private:
    struct Copy {
        std::int64_t oldStart, newStart, length;
    };
    std::vector<Copy> copies_;
    // blockEnd_[b]: the first copy starting after old block b (256 bytes), so a lookup
    // searches only the copies starting in its own block.
    std::vector<std::uint32_t> blockEnd_;
};

// The copy map of all commands, or false when the command stream is damaged or reaches
// positions no file has.
bool CopyMapOfStream(ByteView commands, CopyMap& map);
CopyMap CopyMapOf(const CompactCommands& commands);

// Where the old file's references are sought. In a PE file (maker/CompactPredict.cpp reads
// its header): the raw bytes of its executable sections, and x64 forms only when its
// machine is x64; in any other file, everywhere, without the x64 forms.
struct OldCode {
    std::vector<std::pair<std::int64_t, std::int64_t>> ranges;  // [start, end), ascending
    bool x64 = false;
};
OldCode FindOldCode(ByteView oldFile);

// Rewrites, in `out` (the `count` old bytes from `oldStart` already copied to new
// position `newStart`), every reference field whose instruction lies inside the copy and
// inside one range of the old code: rel32 of E8 (call), E9 (jmp), 0F 80-8F (jcc) and, on
// x64, the RIP-relative disp32 of FF 15/FF 25 and of an optional REX prefix (40-4F), one
// of the opcodes 03 2B 33 39 3B 63 85 89 8B 8D and a ModRM of mod 0, r/m 5. Instructions
// are found scanning from the copy's start; one whose target (field end + field, in the
// old file) lies in the old file is skipped whole, and its field rewritten so that it
// reaches the target's new position (by the copy map) from the field's new position:
// field and target are assumed to be in one section. A target outside every copy leaves
// the field as copied.
void PredictReferences(ByteView oldFile, const OldCode& code, const CopyMap& map, std::int64_t oldStart,
                       std::int64_t newStart, std::uint8_t* out, std::int64_t count);

}  // namespace quen
