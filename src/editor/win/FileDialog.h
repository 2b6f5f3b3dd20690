// The system's open and save file dialogs for one filter ("Project file(*.prj)|*.prj").
#pragma once

#include <windows.h>

#include <string>

namespace quen::editor::win {

// The chosen path, or "" when the user cancelled. Throws quen::Error when the dialog
// itself fails. `filter` is written as "Text|pattern|Text|pattern".
std::string OpenFileDialog(HWND owner, const std::string& filter);
// With an overwrite prompt; `defaultExt` ("prj") is added to a name typed without one.
std::string SaveFileDialog(HWND owner, const std::string& filter, const std::string& defaultExt);

}  // namespace quen::editor::win
