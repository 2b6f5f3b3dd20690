// How a make reports progress: the make dialog and the console maker implement it, tests
// record it. The stand-alone script make uses the script writer's part alone.
#pragma once

#include <string>

#include "maker/CompProgress.h"
#include "maker/ScriptProgress.h"

namespace quen {

// ActionStarted/ActionWritten (ScriptProgress) frame each action, the section number
// being the action's position; Reached (CompareProgress) drives the bar while a file is
// compared; Finished closes a make that succeeded.
class MakeProgress : public ScriptProgress, public CompareProgress {
public:
    // The make of `total` actions into `output` begins.
    virtual void MakeStarted(int total, const std::string& output) = 0;
    // Every data file is ready; the cabinet tool runs now (msg_NowWritePatchData).
    virtual void WritingPatchData() = 0;
    // Something the user must read that does not stop the make.
    virtual void Notice(const std::string& text) = 0;
};

}  // namespace quen
