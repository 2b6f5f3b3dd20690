// How a run's undo record ends: kept when the run went through, undone when it stopped;
// and what an earlier run left behind, settled before anything else changes.
#pragma once

#include <string>

#include "runtime/RunContext.h"

namespace quen::runtime {

// The undo texts of `script` when it can be read, else the built-in ones.
UndoTexts UndoTextsOf(RunContext& ctx, const std::string& script);

// True when another patch run of this account holds the run lock: this one must change
// nothing. The user is told unless `quiet`.
bool OtherRunHolds(RunContext& ctx, bool quiet);

// Before the run changes anything: a record this script left is taken over (its resumed
// run, or the script started again); any other one is undone (or, when its run had
// ended well, finished); a run without script (the settling run) settles whatever it finds.
// False when something of it could not be put back: the user was told, and this run
// must not start on top of it.
bool SettleEarlierRun(RunContext& ctx);

// After the actions: a stopped run (ErrorState 2) is undone and the log and the end
// window say so; any other run is kept.
void EndRecord(RunContext& ctx);

// Undoes what the run did so far; the text to tell the user.
std::string UndoRun(RunContext& ctx);

}  // namespace quen::runtime
