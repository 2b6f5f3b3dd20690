// The preview of a runtime window from the patch options in memory.
#pragma once

#include <cstdint>
#include <string>

#include "project/PatchOptions.h"
#include "runtime/ShowModel.h"

namespace quen {

// Which runtime window the patch options preview.
enum PreviewKind : int32_t { kPreviewWelcome = 1000, kPreviewEnd = 1002, kPreviewInfo = 1004 };

// What the end user's window will show for these options: the runtime's own model built
// from the texts a script would carry, plus the picture when the picture test passed.
runtime::ShowModel PreviewModel(const PatchOptions& options, PreviewKind kind, const std::string& programFolder);

}  // namespace quen
