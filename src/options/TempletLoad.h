// Loading a template the way the editor does: with its message for a wrong file.
#pragma once

#include <string>

#include "project/PatchOptions.h"

namespace quen {

class Lang;

// Reads the template into `options` (see ReadTemplet). A file that is not a template
// shows "Wrong Templet File!" / "Error" with the exclamation icon and gives false. Other
// failures throw quen::Error for the caller's error report; `options` stay unchanged.
bool LoadTemplet(const std::string& path, PatchOptions& options, const Lang& lang);

// The default template at program start: a refused or unreadable one shows its message
// (the wrong-file message, or the error report with no procedure name) and leaves
// `options` as they were, empty at start. True when it was loaded.
bool LoadDefaultTemplet(const std::string& path, PatchOptions& options, const Lang& lang);

}  // namespace quen
