// Control texts, check marks, the owner's icon and fonts for dialogs.
#include "win/DialogItems.h"

namespace quen::win {

std::string WindowText(HWND h) {
    const int n = GetWindowTextLengthA(h);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    const int got = GetWindowTextA(h, s.data(), n + 1);
    s.resize(static_cast<size_t>(got < 0 ? 0 : got));
    return s;
}

std::string ItemText(HWND dlg, int id) { return WindowText(GetDlgItem(dlg, id)); }

void SetItemText(HWND dlg, int id, const std::string& text) { SetDlgItemTextA(dlg, id, text.c_str()); }

void EnableItem(HWND dlg, int id, bool enable) { EnableWindow(GetDlgItem(dlg, id), enable ? TRUE : FALSE); }

void ShowItem(HWND dlg, int id, bool show) { ShowWindow(GetDlgItem(dlg, id), show ? SW_SHOW : SW_HIDE); }

bool IsChecked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }

void SetChecked(HWND dlg, int id, bool checked) { CheckDlgButton(dlg, id, checked ? BST_CHECKED : BST_UNCHECKED); }

void UseOwnerIcon(HWND dlg) {
    HWND owner = GetWindow(dlg, GW_OWNER);
    HICON icon = owner ? reinterpret_cast<HICON>(SendMessageA(owner, WM_GETICON, ICON_BIG, 0)) : nullptr;
    if (!icon && owner) icon = reinterpret_cast<HICON>(GetClassLongPtrA(owner, GCLP_HICON));
    if (!icon) icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    if (!icon) return;
    SendMessageA(dlg, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(dlg, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

UniqueHFont MakeFont(const std::string& name, int points) {
    LOGFONTA lf{};
    if (points > 0) {
        HDC dc = GetDC(nullptr);
        lf.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
        ReleaseDC(nullptr, dc);
    }
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, name.empty() ? "MS Shell Dlg" : name.c_str(), LF_FACESIZE);
    return UniqueHFont(CreateFontIndirectA(&lf));
}

namespace {

BOOL CALLBACK GiveFont(HWND child, LPARAM font) {
    SendMessageA(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

}  // namespace

void SetFontDeep(HWND window, HFONT font) {
    if (font) EnumChildWindows(window, GiveFont, reinterpret_cast<LPARAM>(font));
}

}  // namespace quen::win
