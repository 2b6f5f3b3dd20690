// Reference prediction of the compact format: x86 branch targets rewritten through the
// copy map, so code whose callees moved costs no differences.
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
};

// The copy map of all commands, or false when the command stream is damaged or reaches
// positions no file has.
bool CopyMapOfStream(ByteView commands, CopyMap& map);
CopyMap CopyMapOf(const CompactCommands& commands);

// Rewrites, in `out` (the `count` old bytes from `oldStart` already copied to new
// position `newStart`), every rel32 field of an E8 (call), E9 (jmp) or 0F 80-8F (jcc)
// whose instruction lies inside the copy, found scanning from the copy's start and
// skipping each instruction whose target lies in the old file: the field's target (field end + rel32 in the old file)
// is moved by the copy map, so field and target are assumed to be in one section. A
// target outside the old file or outside every copy leaves the field as copied.
void PredictReferences(ByteView oldFile, const CopyMap& map, std::int64_t oldStart, std::int64_t newStart,
                       std::uint8_t* out, std::int64_t count);

}  // namespace quen
