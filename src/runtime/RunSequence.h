// The run sequence of a patch script: identifier check, windows, registry, restart, actions, end.
#pragma once

#include <string>

#include "runtime/RuntimePorts.h"
#include "runtime/RuntimeState.h"

namespace quen::runtime {

struct RunRequest {
    std::string scriptFile;     // full path
    bool secondPhase = false;   // started again with "/A" after leaving Windows
    std::string programFolder;  // for the Run value that resumes the patch
    std::string exeName;        // without ".exe"
    // A patch executable's package: the script is its "Setup.ini" (without identifier),
    // the data files lie beside it, and "Me" is the folder of the patch executable.
    std::string packageFolder{};
    std::string meFolder{};
    std::string resumeOptions{};  // put before "/A" in the resume command (e.g. "/S")
    // A package's identity: it follows "/A" in the resume command; empty: the script path.
    std::string patchId{};
    bool undoRecord = true;       // off only to measure what the undo record costs
};

// Applies the script and tells how the run ended (the process exit code).
RunOutcome RunScript(const RunRequest& request, RuntimePorts& ports);

// The [Text] values the runtime uses, with the defaults for missing switches.
ScriptTexts ReadScriptTexts(IniPort& ini, const std::string& scriptFile);

// The script's undo texts, the built-in ones where it has none; throws quen::Error when
// the script cannot be read.
UndoTexts ReadUndoTexts(IniPort& ini, const std::string& scriptFile);

// The command that resumes the patch: program path, "/A" and the patch identity (a path
// with blanks is quoted so the command line finds it whole).
std::string ResumeCommand(const RunRequest& request);

// The settling run of the start entry that an undo record keeps: settles what an
// interrupted run left (undone, or finished when it was kept) and applies nothing.
// AllDone when nothing is left, Stopped when something could not be put back (the user
// was told; the record and its entry stay for the next try), CancelledOrBad when another
// patch runs (it settles the record itself).
RunOutcome SettleInterruptedRun(const RunRequest& request, RuntimePorts& ports);

// A resumed run that cannot run its script (its package is gone or damaged): removes its
// start entry and sets back what its first phase paused.
RunOutcome EndResumedRun(const RunRequest& request, RuntimePorts& ports);

}  // namespace quen::runtime
