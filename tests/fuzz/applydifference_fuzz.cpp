// Fuzzes the difference decoder on arbitrary bytes: it never reads or writes outside its
// buffers, and what it accepts has exactly the declared new length. Half of the inputs
// get a header made consistent with the old file, so the records themselves are reached.
// The same old and data bytes, taken as an old and a new file, go through the thorough
// encoder, whose output must decode to exactly that new file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "maker/ApplyDifference.h"
#include "maker/CompModule.h"
#include "maker/SourceChecksum.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quen;
    if (size < 2) return 0;
    // Byte 0: old file length (0-127) and whether to repair the header (bit 7).
    const std::size_t oldLength = std::min<std::size_t>(data[0] & 0x7F, size - 1);
    const bool repair = (data[0] & 0x80) != 0;
    const Bytes oldFile(data + 1, data + 1 + oldLength);
    Bytes diff(data + 1 + oldLength, data + size);
    if (repair && diff.size() >= kDiffHeaderSize) {
        SetLE32(diff, 0, static_cast<std::uint32_t>(diff.size()));
        SetLE32(diff, 4, SourceChecksum(oldFile));
        SetLE32(diff, 8, static_cast<std::uint32_t>(oldFile.size()));
    }
    const ApplyResult r = ApplyDifference(oldFile, diff);
    DifferenceHeader h;
    if (r.Ok() && (!ReadDifferenceHeader(diff, h) || r.newFile.size() != h.newLength)) std::abort();
    if (!r.Ok() && !r.newFile.empty()) std::abort();
    ApplyFaultText(r.fault);

    const Bytes encoded = CompareBytes(oldFile, diff, {64, 4, CompMode::Thorough});
    const ApplyResult back = ApplyDifference(oldFile, encoded);
    if (!back.Ok() || back.newFile != diff) std::abort();
    return 0;
}
