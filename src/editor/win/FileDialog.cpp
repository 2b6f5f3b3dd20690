// The system's open and save file dialogs.
#include "editor/win/FileDialog.h"

#include <commdlg.h>

#include "base/Errors.h"

namespace quen::editor::win {

namespace {

std::string Run(HWND owner, const std::string& filter, const char* defaultExt, DWORD flags, bool save) {
    std::string pattern = filter + "||";
    for (char& c : pattern) {
        if (c == '|') c = '\0';
    }
    char file[MAX_PATH] = {};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = pattern.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = defaultExt;
    ofn.Flags = flags | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn)) return file;
    if (DWORD err = CommDlgExtendedError()) throw Error(kErrPathFileAccess, "file dialog failed: " + std::to_string(err));
    return "";
}

}  // namespace

std::string OpenFileDialog(HWND owner, const std::string& filter) {
    return Run(owner, filter, nullptr, OFN_FILEMUSTEXIST, false);
}

std::string SaveFileDialog(HWND owner, const std::string& filter, const std::string& defaultExt) {
    return Run(owner, filter, defaultExt.c_str(), OFN_OVERWRITEPROMPT, true);
}

}  // namespace quen::editor::win
