// Turning an action's directory setting into a folder.
#pragma once

#include <string>

#include "runtime/RunContext.h"

namespace quen::runtime {

// Resolves the Dir value of the action in `section` and updates PreviousDir as the run
// sequence needs. The result has no trailing backslash; "" when no folder could be found
// (the action then fails as file-not-found instead of touching the root of a drive).
std::string ResolveDir(RunContext& ctx, const std::string& dir, const std::string& section);

// The folder part of a path: the path itself when it names a folder, else the text
// before its last backslash ("" when that backslash is the first or second character).
std::string FolderOf(FilePort& files, const std::string& path);

}  // namespace quen::runtime
