// The patch runtime's state for one run of a script.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Registry.h"
#include "runtime/ShowModel.h"

namespace quen::runtime {

inline constexpr const char* kScriptId = "QuenlarkScript_100";
inline constexpr const char* kRunValueName = "Quenlark";
inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Hive handle values as the registry accessor takes them; none selected yet is 0.
inline constexpr uint32_t kHiveNone = 0;
using platform::kHiveClassesRoot;
using platform::kHiveCurrentConfig;
using platform::kHiveCurrentUser;
using platform::kHiveDynData;
using platform::kHiveLocalMachine;
using platform::kHivePerformanceData;
using platform::kHiveUsers;

// How a run ended, as the process exit code tells it.
// RestartNeeded: Windows was asked to exit before the actions, which run when the program
// starts again (3010 is Windows Installer's "a restart is needed to finish").
enum class RunOutcome : int {
    AllDone = 0,
    FailuresSkipped = 1,
    Stopped = 2,
    CancelledOrBad = 3,
    RestartNeeded = 3010,
};

struct RuntimeState {
    std::string ScriptFile;
    std::string PatchId;  // what names the patch's start entry and kept values: its package, or the script path
    std::string PackageFolder;  // the package's data files ("P" & i); empty for a stand-alone script
    std::string MeFolder;       // what "Me" resolves to; empty: the script's folder
    bool SecondPhase = false;
    std::string ProgramFolder;  // folder of the running program, for the Run value
    std::string ExeName;        // program name without ".exe"
    std::string ResumeOptions;  // the switches a resumed or settling run keeps (silent, log)
    std::string WinDir, SysDir;
    std::string PreviousDir;
    std::string AskedDir;
    WindowMode Mode = WindowMode::Welcome;
    bool Cancelled = false;
    int ErrorState = 0;
    bool RestoreDue = false;  // values may be paused: a run that stops early sets them back
    uint32_t Hive = kHiveNone;  // the registry accessor's current hive
    std::string EndNote;        // added to the end window: what the undo of a stopped run did
    ScriptTexts Texts;
};

}  // namespace quen::runtime
