// One run of a patch executable: find and check its package, extract it, apply it.
#pragma once

#include "runtime/HeadCommandLine.h"
#include "runtime/RuntimePorts.h"

namespace quen::head {

// The process exit code: 0 all done, 1 failures skipped, 2 stopped, 3 cancelled or a bad
// package (nothing changed), 3010 a restart is needed to finish.
int RunPatchExecutable(const runtime::HeadOptions& options, runtime::LogPort* log);

}  // namespace quen::head
