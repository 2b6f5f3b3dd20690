// The runtime's entry: decides whether the command line names a script and applies it.
#pragma once

#include <string>

#include "runtime/RuntimePorts.h"

namespace quen {

// Process exit codes of a run.
enum RunOutcome : int {
    kRunAllSucceeded = 0,
    kRunFailuresSkipped = 1,
    kRunStoppedAtFailure = 2,
    kRunCancelledOrBadScript = 3,
    kRunRestartNeeded = 3010,  // Windows exits before the actions; they run at the next start
};

// False: the command line names no script and the editor is to open. "/U" alone: the
// settling run of an interrupted patch (nothing applied). True: the run was
// handled (applied, cancelled or refused); `exitCode` tells the outcome.
// `commandLine` is the program's command line without its own path.
// Defined by the Win32 layer, which supplies the real platform.
bool ScriptRun(const std::string& commandLine, int& exitCode);

// Where the running program lives, for the command that resumes a patch.
struct ProgramPlace {
    std::string folder;   // without trailing "\"
    std::string exeName;  // without ".exe"
};

// ScriptRun on a given platform.
bool ScriptRunOn(const std::string& commandLine, runtime::RuntimePorts& ports, const ProgramPlace& program,
                 int& exitCode);

}  // namespace quen
