// The actions of a patch executable that carry file data in its package: run a file, add a
// file, patch a file by its difference data.
#pragma once

#include <string>

#include "runtime/FileActions.h"
#include "runtime/RunContext.h"

namespace quen::runtime {

// The data file of action `index`: the package folder, "\P" and the index.
std::string PackageDataPath(const RuntimeState& st, int index);

// Execute (run = true) and Add: the carried file is copied to `target` in `folder` (an
// existing file is replaced, with a ".bak" first when the options ask); Execute then runs
// it there and waits for it to end.
ActionResult CarryFile(RunContext& ctx, int index, const std::string& folder, const std::string& target, bool run);

// Patch File on `target` (which exists): its length and checksum must be those the
// difference data was made from; the new file is rebuilt in memory and then replaces the
// target (".bak" first when the options ask). A wrong old file is left untouched.
ActionResult PatchFile(RunContext& ctx, int index, const std::string& target);

}  // namespace quen::runtime
