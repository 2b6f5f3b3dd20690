// Extracts a checked package cabinet, held in memory, into a folder with cabinet.dll's FDI.
#pragma once

#include <string>

#include "maker/CompFormat.h"

namespace quen::head {

// Writes every file of `cabinet` into `folder` (which exists). Only package names are
// written, each inside `folder`; with `keepScript`, an existing "Setup.ini" there is kept
// (a resumed run's script holds what it remembered). Empty on success, else a sentence.
std::string ExtractCabinet(ByteView cabinet, const std::string& folder, bool keepScript);

}  // namespace quen::head
