// frmDir: asks the end user for the folder of an action whose directory is "Ask".
#pragma once

#include <windows.h>

#include <string>

#include "runtime/RuntimePorts.h"

namespace quen::runtime::win {

// Shows the question modally, owned by `owner`, with the folder box starting at
// `initialDir`. Returns the folder confirmed with OK (a full path, IsWindowsFullPath, of an
// existing folder), or "" when the window was closed by its system menu.
std::string AskDirectory(HWND owner, const runtime::AskTexts& texts, const std::string& initialDir);

// The shell's folder browser with `title`; "" when cancelled or when it cannot be shown
// (a title of 131 characters or more fails at once).
std::string BrowseFolder(HWND owner, const std::string& title);

}  // namespace quen::runtime::win
