// A modal dialog from an .rc template.
#include "win/ModalDialog.h"

#include <commctrl.h>

namespace quen::win {

INT_PTR ModalDialog::Run(HWND owner, int templateId) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

HWND ModalDialog::CreatePage(HWND parent, int templateId) {
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), parent, PageProc,
                              reinterpret_cast<LPARAM>(this));
}

void ModalDialog::CreateTabPages(int tabId, std::span<const std::string> titles, std::span<const int> templates,
                                 std::span<HWND> pages) {
    HWND tab = GetDlgItem(hwnd_, tabId);
    for (size_t i = 0; i < titles.size(); ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(titles[i].c_str());
        SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    RECT r{};
    GetClientRect(tab, &r);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(tab, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    for (size_t i = 0; i < templates.size() && i < pages.size(); ++i) {
        pages[i] = CreatePage(hwnd_, templates[i]);
        // Pages stand above the tab strip, which would otherwise paint over them.
        SetWindowPos(pages[i], HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_HIDEWINDOW);
    }
}

INT_PTR ModalDialog::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    try {
        switch (msg) {
            case WM_COMMAND:
                OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
                return TRUE;
            case WM_NOTIFY: {
                const INT_PTR r = OnNotify(reinterpret_cast<NMHDR*>(lp));
                SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, r);
                return TRUE;
            }
            case WM_CLOSE:
                OnClose();
                return TRUE;
            default:
                return OnOther(msg, wp, lp) ? TRUE : FALSE;
        }
    } catch (...) {
        OnError();
        return TRUE;
    }
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<ModalDialog*>(lp);
        SetWindowLongPtrA(h, DWLP_USER, lp);
        self->hwnd_ = h;
        self->initialising_ = true;
        try {
            self->OnInit();
        } catch (...) {
            self->OnError();
        }
        self->initialising_ = false;
        return TRUE;
    }
    auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(h, DWLP_USER));
    return self ? self->Dispatch(msg, wp, lp) : FALSE;
}

// Pages forward their commands and notifications to the dialog that made them.
INT_PTR CALLBACK ModalDialog::PageProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(h, DWLP_USER, lp);
        return FALSE;
    }
    auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(h, DWLP_USER));
    if (!self || (msg != WM_COMMAND && msg != WM_NOTIFY)) return FALSE;
    return self->Dispatch(msg, wp, lp);
}

}  // namespace quen::win
