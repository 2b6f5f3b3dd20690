// The system's open and save file dialogs.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace quen::win {

struct FileDialogSetup {
    FileDialogSetup(std::string filterText, std::string initialFile = "", const char* ext = nullptr, int index = 0)
        : filter(std::move(filterText)), initial(std::move(initialFile)), defaultExt(ext), filterIndex(index) {}

    std::string filter;             // "Text|pattern|Text|pattern", as the language files write it
    std::string initial;            // the file name shown at first
    const char* defaultExt;         // added to a name typed without one
    int filterIndex;                // 1-based; 0 the first
};

// The chosen path, or "" when the user cancelled. Throws quen::Error when the dialog
// itself fails.
std::string OpenFileDialog(HWND owner, const FileDialogSetup& setup);
// With an overwrite prompt; a read-only file is not offered.
std::string SaveFileDialog(HWND owner, const FileDialogSetup& setup);

}  // namespace quen::win
