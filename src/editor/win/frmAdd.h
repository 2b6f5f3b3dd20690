// frmAdd: the dialog that describes what the Add command adds (kind, file or folder, new version).
#pragma once

#include <windows.h>

#include "options/Program.h"

namespace quen::editor::win {

// Shows the dialog modally. On OK it fills the project's AddTemplate, IncludeSubFolders
// and AddCancelled (false) and returns true; any other way of closing sets AddCancelled
// and returns false.
bool ShowAddDialog(HWND owner, Program& program);

}  // namespace quen::editor::win
