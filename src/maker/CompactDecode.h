// Rebuilding a new file from compact difference data (maker/CompactFormat.h).
#pragma once

#include "maker/ApplyDifference.h"

namespace quen {

// One sequential pass over the streams; memory is the new file and nothing per command.
// Every length and position is checked before use, and the new file's CRC-32 before the
// result is returned: any fault gives no new file.
ApplyResult ApplyCompact(ByteView oldFile, ByteView data);

}  // namespace quen
