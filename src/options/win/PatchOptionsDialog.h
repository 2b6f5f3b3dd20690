// The patch options dialog (frmAOption), called like a function.
#pragma once

#include <windows.h>

#include "options/Program.h"

namespace quen {

// Edits program.project.Options; true when OK saved the controls (the project is then
// modified). The registry lists, font, icon and picture flag change at once either way.
bool ShowPatchOptionsDialog(HWND owner, Program& program);

}  // namespace quen
