// frmShow: the runtime window in its four modes.
#include "runtime/win/frmShow.h"

#include "platform/Ui.h"
#include "runtime/win/frmShowIds.h"
#include "platform/win/MessagePump.h"
#include "win/PictureFile.h"
#include "startup/ProgramInfo.h"

namespace quen::runtime::win {

namespace {

void ShowControl(HWND dlg, int id, bool show) { ShowWindow(GetDlgItem(dlg, id), show ? SW_SHOW : SW_HIDE); }

void SetText(HWND dlg, int id, const std::string& text) { SetDlgItemTextA(dlg, id, text.c_str()); }

}  // namespace

FrmShow::~FrmShow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool FrmShow::Open(const ShowModel& model, HWND owner, HICON icon) {
    hwnd_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FRMSHOW), owner, DialogProc,
                               reinterpret_cast<LPARAM>(this));
    if (!hwnd_) return false;
    if (!icon) icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    if (!icon) icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    // The progress log of a long patch outgrows the edit control's default limit (about
    // 32,000 characters), which would drop its last lines.
    SendDlgItemMessageA(hwnd_, IDC_SHOW_TEXT, EM_SETLIMITTEXT, 0, 0);
    SetFont(model);
    ShowPicture(model.picture);
    SetWindowTextA(hwnd_, model.caption.c_str());
    SetText(hwnd_, IDC_SHOW_TEXT, model.text);
    Apply(model);
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    quen::win::PumpPending();
    return true;
}

void FrmShow::Apply(const ShowModel& m) {
    SetText(hwnd_, IDC_SHOW_PROMPT, m.prompt);
    SetText(hwnd_, IDC_SHOW_OK, m.okButton);
    SetText(hwnd_, IDC_SHOW_CANCEL, m.cancelButton);
    SetText(hwnd_, IDC_SHOW_ABOUT, m.aboutButton);
    ShowControl(hwnd_, IDC_SHOW_PROMPT, m.showPrompt);
    ShowControl(hwnd_, IDC_SHOW_OK, m.showOk);
    ShowControl(hwnd_, IDC_SHOW_CANCEL, m.showCancel);
    ShowControl(hwnd_, IDC_SHOW_ABOUT, m.showAbout);
    busy_ = m.busy;
    // The close box is greyed while the window must stay open.
    EnableMenuItem(GetSystemMenu(hwnd_, FALSE), SC_CLOSE, MF_BYCOMMAND | (busy_ ? MF_GRAYED : MF_ENABLED));
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(busy_ ? IDC_WAIT : IDC_ARROW)));
    if (m.showOk) SetFocus(GetDlgItem(hwnd_, IDC_SHOW_OK));
}

void FrmShow::AppendText(const std::string& text) {
    HWND edit = GetDlgItem(hwnd_, IDC_SHOW_TEXT);
    const LRESULT end = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

bool FrmShow::Wait() {
    MSG msg;
    while (!closed_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!IsDialogMessageA(hwnd_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (hwnd_) {
        DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }
    return cancelled_;
}

void FrmShow::SetFont(const ShowModel& m) {
    if (m.fontName.empty() && m.fontSize == 0) return;
    HDC dc = GetDC(hwnd_);
    const int height = m.fontSize > 0 ? -MulDiv(m.fontSize, GetDeviceCaps(dc, LOGPIXELSY), 72) : -11;
    ReleaseDC(hwnd_, dc);
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, m.fontName.empty() ? "MS Shell Dlg" : m.fontName.c_str(), LF_FACESIZE);
    font_.reset(CreateFontIndirectA(&lf));
    // An unknown font leaves the designed one.
    if (!font_) return;
    for (int id : {IDC_SHOW_TEXT, IDC_SHOW_PROMPT, IDC_SHOW_OK, IDC_SHOW_CANCEL, IDC_SHOW_ABOUT})
        SendDlgItemMessageA(hwnd_, id, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

// The picture stands left of the text, which then starts beside it.
void FrmShow::ShowPicture(const std::string& path) {
    HWND box = GetDlgItem(hwnd_, IDC_SHOW_PICTURE);
    RECT r{};
    GetWindowRect(box, &r);
    if (!path.empty()) picture_ = quen::win::LoadPictureFitted(path, r.right - r.left, r.bottom - r.top);
    ShowWindow(box, picture_ ? SW_SHOW : SW_HIDE);
    if (!picture_) return;
    SendMessageA(box, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.get()));
    HWND text = GetDlgItem(hwnd_, IDC_SHOW_TEXT);
    RECT t{};
    GetWindowRect(text, &t);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&t), 2);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    const int left = r.right + 6;
    MoveWindow(text, left, t.top, t.right - left, t.bottom - t.top, TRUE);
}

void FrmShow::Close() {
    closed_ = true;
    ShowWindow(hwnd_, SW_HIDE);
}

void FrmShow::OnCommand(int id) {
    switch (id) {
        case IDC_SHOW_OK:
            if (!busy_) Close();
            break;
        case IDC_SHOW_CANCEL:
            if (!busy_) {
                cancelled_ = true;
                Close();
            }
            break;
        case IDC_SHOW_ABOUT:
            if (about_) about_(hwnd_);
            else MessageBoxA(hwnd_, ProgramTitleWithVersion().c_str(), kProgramName, MB_OK | MB_ICONINFORMATION);
            break;
        default:
            break;  // Escape (IDCANCEL) neither closes nor cancels: only the buttons decide
    }
}

INT_PTR FrmShow::OnMessage(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
        case WM_COMMAND:
            OnCommand(LOWORD(wp));
            return TRUE;
        case WM_CLOSE:
            if (!busy_) Close();  // the title bar's close counts as OK
            return TRUE;
        case WM_SETCURSOR:
            if (busy_) {
                SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
                SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK FrmShow::DialogProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(h, DWLP_USER, lp);
        reinterpret_cast<FrmShow*>(lp)->hwnd_ = h;
        return FALSE;
    }
    auto* self = reinterpret_cast<FrmShow*>(GetWindowLongPtrA(h, DWLP_USER));
    if (!self) return FALSE;
    try {
        return self->OnMessage(msg, wp, lp);
    } catch (...) {
        return FALSE;  // nothing may cross the window procedure
    }
}

}  // namespace quen::runtime::win
