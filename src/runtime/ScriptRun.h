// The runtime's entry: decides whether the command line names a script and applies it.
#pragma once

#include <string>

namespace quen {

// Process exit codes of a run.
enum RunOutcome : int {
    kRunAllSucceeded = 0,
    kRunFailuresSkipped = 1,
    kRunStoppedAtFailure = 2,
    kRunCancelledOrBadScript = 3,
};

inline constexpr const char* kScriptId = "QuenlarkScript_100";

// False: the command line names no script and the editor is to open. True: the run was
// handled (applied, cancelled or refused); `exitCode` tells the outcome.
// `commandLine` is the program's command line without its own path.
bool ScriptRun(const std::string& commandLine, int& exitCode);

}  // namespace quen
