// Changes to the user's files made only once the undo record can put them back.
#pragma once

#include <string>

#include "runtime/RunContext.h"

namespace quen::runtime {

// New content for `target`, which may not exist yet: an existing file is moved aside
// (it becomes target.bak when the run is kept, if `backup`), then the new content is
// written and flushed. On failure the target is as it was.
bool WriteSecured(RunContext& ctx, const std::string& target, const Bytes& data, bool backup);

// Deletes a file by moving it aside (its backup when backups are on); a missing file
// counts as deleted, a folder is refused.
bool DeleteSecured(RunContext& ctx, const std::string& target);

// Renames `from` to `to`; a file already named `to` is moved aside first.
bool RenameSecured(RunContext& ctx, const std::string& from, const std::string& to);

// Notes a program the patch runs: its own effects cannot be undone, only told.
bool NoteProgramRun(RunContext& ctx, const std::string& program);

}  // namespace quen::runtime
