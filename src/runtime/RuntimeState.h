// The patch runtime's state for one run of a script.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/ShowModel.h"

namespace quen::runtime {

inline constexpr const char* kScriptId = "QuenlarkScript_100";
inline constexpr const char* kResumeSwitch = "/A";
inline constexpr const char* kRunValueName = "Quenlark";
inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Hive handle values as the registry accessor takes them.
inline constexpr uint32_t kHiveNone = 0;
inline constexpr uint32_t kHiveClassesRoot = 0x80000000u;
inline constexpr uint32_t kHiveCurrentUser = 0x80000001u;
inline constexpr uint32_t kHiveLocalMachine = 0x80000002u;
inline constexpr uint32_t kHiveUsers = 0x80000003u;
inline constexpr uint32_t kHivePerformanceData = 0x80000004u;
inline constexpr uint32_t kHiveCurrentConfig = 0x80000005u;
inline constexpr uint32_t kHiveDynData = 0x80000006u;

// How a run ended, as the process exit code tells it.
enum class RunOutcome : int { AllDone = 0, FailuresSkipped = 1, Stopped = 2, CancelledOrBad = 3 };

struct RuntimeState {
    std::string ScriptFile;
    bool SecondPhase = false;
    std::string ProgramFolder;  // folder of the running program, for the Run value
    std::string ExeName;        // program name without ".exe"
    std::string WinDir, SysDir;
    std::string PreviousDir;
    std::string AskedDir;
    WindowMode Mode = WindowMode::Welcome;
    bool Cancelled = false;
    int ErrorState = 0;
    uint32_t Hive = kHiveNone;  // the registry accessor's current hive
    ScriptTexts Texts;
};

}  // namespace quen::runtime
