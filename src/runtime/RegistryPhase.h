// The registry side of a patch: add, delete and pause values, restore them, leave Windows.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/RememberedValues.h"
#include "runtime/RunContext.h"

namespace quen::runtime {

// Sets ctx.st.Hive from a hive code ("HKCR", "HKCC", "HKCU", "HKDD", "HKLM", "HKPD",
// "HKUS"); any other code keeps the previous hive.
void SelectHive(RuntimeState& st, const std::string& code);

// The data of a registry entry: field 5; for a binary or string value everything after
// the fourth comma (cut at a NUL, blanks trimmed at both ends), so a byte list "1,2,3"
// and a text "C:\Apps, Inc" travel whole; each byte of a binary list is trimmed.
std::string EntryData(const std::string& entry, int type);

// AddReg, DelReg, OffReg. A value is paused only when it can be set back exactly; what is
// set back is kept in a file in the account's state folder (RememberedValues); the others stay
// in place and the user is told once.
void RegistryPhase(RunContext& ctx);

// Sets back the values paused by this run or by its first phase.
SetBackResult RestorePausedValues(RunContext& ctx);

// Restores paused values, then leaves Windows as ERI asks.
void RestoreAndExit(RunContext& ctx);

// Leaves Windows (1 log off, 2 restart, 3 shut down) and tells the user when Windows refused.
void ExitWindows(RunContext& ctx, int code);

// An exit code of a script (PRI, ERI): 1 to 3, anything else means no exit.
int ExitCode(const std::string& text);

// The file in the account's state folder that keeps remembered values for this patch.
std::string RememberFilePath(const std::string& stateDir, const std::string& patchId);

}  // namespace quen::runtime
