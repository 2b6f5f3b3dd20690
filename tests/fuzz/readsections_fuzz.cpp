// Fuzzes the section table reader and, through it, the encoder: any bytes are read
// without touching memory outside them, and the first and second halves of the input,
// compared as old and new file, always rebuild the new half exactly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "maker/ApplyDifference.h"
#include "maker/CompModule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quen;
    const ByteView all(data, size);
    if (const auto regions = ReadSections(all)) {
        if (regions->empty() || regions->front().name != kFileHeadRegion) std::abort();
        RegionsTileFile(*regions, static_cast<std::int64_t>(size));
    }
    // The first byte picks tuning values; the rest is split into old and new.
    if (size < 1) return 0;
    const CompTuning tuning{data[0] % 40 - 2, data[0] / 40 - 1};
    const ByteView rest = all.subspan(1);
    const ByteView oldFile = rest.first(rest.size() / 2), newFile = rest.subspan(rest.size() / 2);
    const Bytes diff = CompareBytes(oldFile, newFile, tuning);
    const ApplyResult back = ApplyDifference(oldFile, diff);
    if (!back.Ok() || back.newFile != Bytes(newFile.begin(), newFile.end())) std::abort();
    return 0;
}
