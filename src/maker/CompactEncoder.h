// The compact mode's encoder: approximate copies over a suffix index of the old file.
#pragma once

#include "maker/CompEncoder.h"
#include "maker/CompactFormat.h"

namespace quen {

// Commands that rebuild the whole new file from the whole old file (maker/CompactFormat.h):
// copies that tolerate scattered byte differences (recompiled code shifts addresses by a
// little everywhere), literal runs between them. Progress goes to `progress` as the new
// file is scanned.
CompactCommands EncodeCompact(ByteView oldFile, ByteView newFile, ProgressSpan progress = {});

}  // namespace quen
