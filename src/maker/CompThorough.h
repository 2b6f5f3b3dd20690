// The thorough difference encoder: matches anywhere in the old file, records chosen for
// the smallest difference data after the cabinet's compression.
#pragma once

#include "maker/CompEncoder.h"
#include "maker/CompFormat.h"
#include "maker/CompRecord.h"

namespace quen {

// Records that rebuild the whole new file from the whole old file. Copies may start
// anywhere in the old file, in any order; an empty new file gives no record, an
// unchanged one a single copy. Progress goes to `progress` as the new file is parsed.
CompRecords EncodeThorough(ByteView oldFile, ByteView newFile, ProgressSpan progress = {});

}  // namespace quen
