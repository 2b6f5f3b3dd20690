// frmINI: the INI patch dialog of one INI Patch action.
#pragma once

#include <windows.h>

#include "options/Program.h"
#include "project/ActClass.h"

namespace quen {

// Shows the dialog modally, owned by `owner` (disabled meanwhile). Every change goes
// straight into `action` (the main window marks the project as modified when it opens
// the dialog). True when the action was changed when the dialog closed.
bool ShowIniDialog(HWND owner, Program& program, ActClass& action);

}  // namespace quen
