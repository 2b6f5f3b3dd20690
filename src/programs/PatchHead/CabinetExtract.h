// Extracts a checked package cabinet, held in memory, into a folder with cabinet.dll's FDI.
#pragma once

#include <string>
#include <vector>

#include "maker/CompFormat.h"
#include "platform/win/Handles.h"

namespace quen::head {

// Writes every file of `cabinet` into `folder` (new and private). Only package names are
// written, each inside `folder`, and only as new files: a file already there is never
// reused. Each file written is added to `held`, open for reading with only reading shared,
// so it stays as written while `held` lives. Empty on success, else a sentence.
std::string ExtractCabinet(ByteView cabinet, const std::string& folder, std::vector<win::UniqueHandle>& held);

}  // namespace quen::head
