// frmMake: the make dialog, where the project becomes a stand-alone script or a patch
// executable.
#pragma once

#include <windows.h>

#include "options/Program.h"

namespace quen {

// Shows the dialog modally, owned by `owner` (disabled meanwhile); the main window has
// checked the actions already. Returns when the dialog closed: after a make (whether it
// succeeded or not; failures have been shown) or on Cancel.
void ShowMakeDialog(HWND owner, Program& program);

}  // namespace quen
