// The about box (frmAbout), called like a function.
#pragma once

#include <windows.h>

#include <functional>

#include "options/Program.h"

namespace quen {

// The about box; with the program's CD it plays the CD's videos in a loop.
void ShowAboutDialog(HWND owner, Program& program);

// The about box with a make pending: a second after opening it pauses the CD audio, starts
// a video and runs `make`; it refuses to close until the make is done, then closes itself.
void ShowAboutDialogWithMake(HWND owner, Program& program, const std::function<void()>& make);

}  // namespace quen
