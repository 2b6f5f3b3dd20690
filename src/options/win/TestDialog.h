// The program test dialog (frmTest), called like a function: Ctrl+Alt+Shift+T in the main window.
#pragma once

#include <windows.h>

#include "options/Program.h"

namespace quen {

void ShowTestDialog(HWND owner, Program& program);

}  // namespace quen
