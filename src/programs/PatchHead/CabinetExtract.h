// Extracts a checked package cabinet, held in memory, into a folder with cabinet.dll's FDI.
#pragma once

#include <string>

#include "maker/CompFormat.h"

namespace quen::head {

// Writes every file of `cabinet` into `folder` (new and private). Only package names are
// written, each inside `folder`, and only as new files: a file already there is never
// reused. Empty on success, else a sentence.
std::string ExtractCabinet(ByteView cabinet, const std::string& folder);

}  // namespace quen::head
