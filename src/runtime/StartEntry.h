// The entry that starts a patch again after Windows was left before its actions: one Run
// value per patch, named after the patch's identity, so two pending patches (or one started
// twice) keep their own.
#pragma once

#include <string>

#include "runtime/RunContext.h"

namespace quen::runtime {

// Eight hex digits naming a patch identity (letter case ignored) in file and value names.
std::string PatchIdHash(const std::string& patchId);

// "Quenlark-" and the identity's hash.
std::string StartEntryName(const std::string& patchId);

// Arranges `command` to run at the next logon; false when it could not.
bool ArrangeStartEntry(RunContext& ctx, const std::string& command);

// Removes this patch's entry; false when it is still there.
bool RemoveStartEntry(RunContext& ctx);

}  // namespace quen::runtime
