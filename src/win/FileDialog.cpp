// The system's open and save file dialogs.
#include "win/FileDialog.h"

#include <commdlg.h>

#include "base/Errors.h"

namespace quen::win {

namespace {

std::string Run(HWND owner, const FileDialogSetup& setup, DWORD flags, bool save) {
    std::string pattern = setup.filter + "||";
    for (char& c : pattern) {
        if (c == '|') c = '\0';
    }
    std::string file = setup.initial;
    file.resize(MAX_PATH * 4, '\0');
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = pattern.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(setup.filterIndex);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = setup.defaultExt;
    ofn.Flags = flags | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn)) return file.c_str();
    if (DWORD err = CommDlgExtendedError()) throw Error(kErrPathFileAccess, "file dialog failed: " + std::to_string(err));
    return "";
}

}  // namespace

std::string OpenFileDialog(HWND owner, const FileDialogSetup& setup) {
    return Run(owner, setup, OFN_FILEMUSTEXIST, false);
}

std::string SaveFileDialog(HWND owner, const FileDialogSetup& setup) {
    return Run(owner, setup, OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN, true);
}

}  // namespace quen::win
