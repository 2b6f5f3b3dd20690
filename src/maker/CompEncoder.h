// Encoding one region of the new file against one region of the old file.
#pragma once

#include <cstdint>

#include "maker/CompFormat.h"
#include "maker/CompProgress.h"
#include "maker/CompRecord.h"
#include "maker/CompWalk.h"

namespace quen {

// Where the new region's progress is reported: the whole new file's length and the sink.
struct ProgressSpan {
    CompareProgress* sink = nullptr;
    std::int64_t newLength = 0;
};

// Appends to `records` the literal and copy records that rebuild the new region
// [ns, ne] from the old region [os, oe]: greedy, copies taken only when longer than S,
// the old search position only moving forward. An empty new region adds nothing.
void EncodeRegion(ByteView oldFile, std::int64_t os, std::int64_t oe, ByteView newFile, std::int64_t ns,
                  std::int64_t ne, std::int64_t sample, std::int64_t move, CompRecords& records,
                  ProgressSpan progress = {});

}  // namespace quen
