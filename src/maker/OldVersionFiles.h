// Where a patch executable's package keeps the differences of further old versions.
#pragma once

#include <vector>

#include "project/ActClass.h"

namespace quen {

// For each action (0-based), the data file numbers of its further old versions' differences:
// numbered on after the last action, in action order, so action data keeps its numbers.
std::vector<std::vector<int>> OldVersionDataNumbers(const std::vector<ActClass>& actions);

}  // namespace quen
