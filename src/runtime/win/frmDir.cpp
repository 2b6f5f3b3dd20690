// frmDir: asks the end user for the folder of an action whose directory is "Ask".
#include "runtime/win/frmDir.h"

#include "runtime/win/frmDirIds.h"
#include "platform/Ui.h"
#include "startup/FSUPLIBmain.h"
#include "startup/win/Win32_API.h"

namespace quen::runtime::win {

namespace {

struct DirDialog {
    const runtime::AskTexts& texts;
    std::string initial;
    std::string chosen;
};

std::string ItemText(HWND dlg, int id) {
    const int n = GetWindowTextLengthA(GetDlgItem(dlg, id));
    std::string s(static_cast<size_t>(n) + 1, '\0');
    GetDlgItemTextA(dlg, id, s.data(), n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
}

bool IsFolder(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return !path.empty() && a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void OnInit(HWND dlg, DirDialog& d) {
    HWND owner = GetWindow(dlg, GW_OWNER);
    HICON icon = owner ? reinterpret_cast<HICON>(SendMessageA(owner, WM_GETICON, ICON_SMALL, 0)) : nullptr;
    if (!icon) icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    if (icon) SendMessageA(dlg, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SetWindowTextA(dlg, d.texts.title.c_str());
    SetDlgItemTextA(dlg, IDC_DIR_PROMPT, d.texts.prompt.c_str());
    SetDlgItemTextA(dlg, IDC_DIR_BROWSE, d.texts.browse.c_str());
    SetDlgItemTextA(dlg, IDC_DIR_OK, d.texts.ok.c_str());
    SetDlgItemTextA(dlg, IDC_DIR_TEXT, d.initial.c_str());
    SetForegroundWindow(dlg);
}

void OnOk(HWND dlg, DirDialog& d) {
    const std::string typed = ItemText(dlg, IDC_DIR_TEXT);
    // A relative folder would be resolved against whatever the current folder is.
    if (IsWindowsFullPath(typed) && IsFolder(typed)) {
        d.chosen = typed;
        EndDialog(dlg, IDOK);
        return;
    }
    platform::ShowMessage(d.texts.notFound, d.texts.errorTitle, platform::MsgIcon::Exclamation);
}

INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(dlg, DWLP_USER, lp);
        OnInit(dlg, *reinterpret_cast<DirDialog*>(lp));
        return TRUE;
    }
    auto* d = reinterpret_cast<DirDialog*>(GetWindowLongPtrA(dlg, DWLP_USER));
    if (!d) return FALSE;
    try {
        if (msg == WM_CLOSE) {
            EndDialog(dlg, IDCANCEL);
            return TRUE;
        }
        if (msg != WM_COMMAND) return FALSE;
        switch (LOWORD(wp)) {
            case IDC_DIR_OK:
            case IDOK:
                OnOk(dlg, *d);
                return TRUE;
            case IDC_DIR_BROWSE: {
                const std::string folder = BrowseFolder(dlg, d->texts.prompt);
                if (!folder.empty()) SetDlgItemTextA(dlg, IDC_DIR_TEXT, folder.c_str());
                return TRUE;
            }
            default:
                return TRUE;  // Escape does not close: the question has no Cancel
        }
    } catch (...) {
        return FALSE;  // nothing may cross the window procedure
    }
}

}  // namespace

std::string BrowseFolder(HWND owner, const std::string& title) {
    std::string path;
    quen::win::BrowseForFolder(owner, title, path);
    return path;
}

std::string AskDirectory(HWND owner, const runtime::AskTexts& texts, const std::string& initialDir) {
    DirDialog d{texts, initialDir, {}};
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FRMDIR), owner, DialogProc,
                    reinterpret_cast<LPARAM>(&d));
    return d.chosen;
}

}  // namespace quen::runtime::win
