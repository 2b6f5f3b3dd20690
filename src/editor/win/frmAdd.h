// frmAdd: the dialog that describes what the Add command adds (kind, file or folder, new version).
#pragma once

#include <windows.h>

#include "options/Program.h"

namespace quen::editor::win {

enum class AddChoice { Cancelled, Actions, OldVersion };

// Shows the dialog modally. On OK it fills the project's AddTemplate, IncludeSubFolders
// and AddCancelled (false) and answers Actions, or, with its box checked, adds another old
// version to `patch` (the selected Patch File action, null when there is none; the box is
// offered only with one) and answers OldVersion; any other way of closing sets
// AddCancelled and answers Cancelled.
AddChoice ShowAddDialog(HWND owner, Program& program, ActClass* patch);

}  // namespace quen::editor::win
