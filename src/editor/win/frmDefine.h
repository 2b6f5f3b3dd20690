// frmDefine: the byte replacement dialog of one Replace Byte action.
#pragma once

#include <windows.h>

#include "options/Program.h"
#include "project/ActClass.h"

namespace quen {

// Shows the dialog modally, owned by `owner` (disabled meanwhile). Every change goes
// straight into `action`; adding or deleting an entry marks the project as modified.
// True when the action was changed when the dialog closed.
bool ShowDefineDialog(HWND owner, Program& program, ActClass& action);

}  // namespace quen
