// The file actions of a script patch: byte replacement, delete, INI patch, rename.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/RunContext.h"

namespace quen::runtime {

enum class ActionResult { Success, NotFound, CheckSumDiffers, Failed };

// The exclusive-or of the data's 32-bit little-endian words, the last one zero-padded.
uint32_t BufferCheckSum(const Bytes& data);

// The check sum of a file; false when it cannot be read.
bool FileCheckSum(FilePort& files, const std::string& path, uint32_t& sum);

// Replace Byte action `index` on `target` (which exists): the check sum (unless switched
// off or blank), then every byte entry.
ActionResult PatchBytes(RunContext& ctx, int index, const std::string& target);

// The INI entries of action `index` written into `target`; false when one failed.
bool ApplyIniEntries(RunContext& ctx, const std::string& target, int index);

// Renames `target` (which exists) to NewName in the same folder, replacing a file of that name.
bool RenameTarget(RunContext& ctx, int index, const std::string& folder, const std::string& target);

}  // namespace quen::runtime
