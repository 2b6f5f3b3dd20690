// The action loop: every action section in order, the progress log and the continue rule.
#pragma once

#include <string>

#include "runtime/RunContext.h"

namespace quen::runtime {

// Runs actions 1 to ProcCount. Every failure raises ErrorState (1 when CWhenError lets the
// run go on, 2 when it stops the loop), whether or not the progress log is shown.
void RunActions(RunContext& ctx);

}  // namespace quen::runtime
