// Steps on one control: read it, press it, check it, type into it, pick from it.
#include <windows.h>

#include <string>
#include <vector>

#include "driver/Actions.h"
#include "driver/Clock.h"
#include "driver/Controls.h"
#include "driver/Failure.h"
#include "driver/Text.h"

namespace quen::driver {

namespace {

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button: return "button";
        case ControlKind::Editable: return "edit box";
        case ControlKind::Choice: return "combo box or list box";
        case ControlKind::Readable: return "control";
    }
    return "control";
}

std::string Name(const Step& step, ControlKind kind) {
    return std::string(KindName(kind)) + " \"" + Narrow(step.args[0]) + "\" in " + Describe(step.window);
}

// Waits for the window and the control: a dialog may fill in its controls after it shows.
HWND Resolve(const Step& step, const Session& session, ControlKind kind) {
    Deadline deadline(session.timeout);
    HWND top = nullptr;
    std::vector<Control> controls;
    do {
        auto windows = FindWindows(step.window);
        if (windows.empty()) continue;
        top = windows.front();
        controls = ListControls(top);
        if (HWND h = FindControl(controls, step.args[0], kind)) return h;
    } while (deadline.Tick());
    if (top == nullptr) WaitWindow(step.window, 0);  // fails with the timeout message
    Fail("no " + Name(step, kind) + "; it has: " + Summary(controls));
}

LONG StyleOf(HWND h) { return GetWindowLongW(h, GWL_STYLE); }

// A person can only use what is shown and enabled.
void RequireUsable(HWND h, const Step& step, ControlKind kind) {
    if (!IsWindowVisible(h)) Fail(Name(step, kind) + " is hidden");
    if (!IsWindowEnabled(h)) Fail(Name(step, kind) + " is disabled");
}

bool IsListBox(HWND h) { return SameNoCase(ClassOf(h), L"ListBox"); }

std::vector<std::wstring> Items(HWND h) {
    bool list = IsListBox(h);
    auto count = SendOrFail(h, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
    std::vector<std::wstring> items;
    for (LRESULT i = 0; i < count; ++i) {
        auto len = SendOrFail(h, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(static_cast<size_t>(len < 0 ? 0 : len) + 1, L'\0');
        auto got = SendOrFail(h, list ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(i),
                              reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(got < 0 ? 0 : got));
        items.push_back(text);
    }
    return items;
}

void TextStep(const Step& step, const Session& session) {
    HWND h = Resolve(step, session, ControlKind::Readable);
    if (!IsListBox(h)) {
        PrintLine(UnixLines(TextOf(h)));
        return;
    }
    auto items = Items(h);
    for (size_t i = 0; i < items.size(); ++i) {
        if (SendOrFail(h, LB_GETSEL, i, 0) > 0) PrintLine(items[i]);
    }
}

// Posted, not sent: a button that opens a modal box would block the driver until
// the box closes.
void PressStep(const Step& step, const Session& session) {
    HWND h = Resolve(step, session, ControlKind::Button);
    RequireUsable(h, step, ControlKind::Button);
    PostMessageW(h, BM_CLICK, 0, 0);
}

bool IsCheckable(HWND h) {
    switch (StyleOf(h) & BS_TYPEMASK) {
        case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE:
        case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: return true;
        default: return false;
    }
}

// Clicks until the box shows the wanted state (a three-state box needs up to two clicks).
void CheckStep(const Step& step, const Session& session, bool want) {
    HWND h = Resolve(step, session, ControlKind::Button);
    if (!IsCheckable(h)) Fail(Name(step, ControlKind::Button) + " is not a check box or radio button");
    RequireUsable(h, step, ControlKind::Button);
    LRESULT wanted = want ? BST_CHECKED : BST_UNCHECKED;
    for (int click = 0; click < 3; ++click) {
        LRESULT before = SendOrFail(h, BM_GETCHECK, 0, 0);
        if (before == wanted) return;
        PostMessageW(h, BM_CLICK, 0, 0);
        Deadline deadline(session.timeout);
        while (SendOrFail(h, BM_GETCHECK, 0, 0) == before) {
            if (!deadline.Tick()) Fail(Name(step, ControlKind::Button) + " did not change when clicked");
        }
    }
    if (SendOrFail(h, BM_GETCHECK, 0, 0) != wanted) {
        Fail(Name(step, ControlKind::Button) + (want ? " stays unchecked" : " stays checked"));
    }
}

HWND EditOf(HWND h, const Step& step) {
    if (!SameNoCase(ClassOf(h), L"ComboBox")) return h;
    HWND edit = FindWindowExW(h, nullptr, L"Edit", nullptr);
    if (edit == nullptr) Fail(Name(step, ControlKind::Editable) + " is a drop-down list without an edit field; use pick");
    return edit;
}

// Typed key by key, so the control's own limits (length, digits only) apply as for a person.
void TypeStep(const Step& step, const Session& session) {
    HWND h = Resolve(step, session, ControlKind::Editable);
    RequireUsable(h, step, ControlKind::Editable);
    HWND edit = EditOf(h, step);
    if (StyleOf(edit) & ES_READONLY) Fail(Name(step, ControlKind::Editable) + " is read-only");
    // A click first, as a person's: the field gets the focus and its owner sees the change.
    SendOrFail(edit, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendOrFail(edit, WM_LBUTTONUP, 0, 0);
    SendOrFail(edit, EM_SETSEL, 0, -1);
    SendOrFail(edit, WM_CHAR, VK_BACK, 1);
    for (wchar_t c : step.args[1]) SendOrFail(edit, WM_CHAR, c == L'\n' ? L'\r' : c, 1);
}

void PickStep(const Step& step, const Session& session) {
    HWND h = Resolve(step, session, ControlKind::Choice);
    RequireUsable(h, step, ControlKind::Choice);
    auto items = Items(h);
    size_t index = 0;
    while (index < items.size() && items[index] != step.args[1]) ++index;
    if (index == items.size()) {
        std::string known;
        for (const auto& i : items) known += (known.empty() ? "\"" : ", \"") + Narrow(i) + "\"";
        Fail("no item \"" + Narrow(step.args[1]) + "\" in " + Name(step, ControlKind::Choice) +
             "; its items: " + (known.empty() ? "none" : known));
    }
    HWND parent = GetParent(h);
    WPARAM id = static_cast<WPARAM>(GetDlgCtrlID(h));
    if (!IsListBox(h)) {
        SendOrFail(h, CB_SETCURSEL, index, 0);
        PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
        return;
    }
    if (StyleOf(h) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) SendOrFail(h, LB_SETSEL, TRUE, static_cast<LPARAM>(index));
    else SendOrFail(h, LB_SETCURSEL, index, 0);
    if (StyleOf(h) & LBS_NOTIFY) {
        PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
    }
}

}  // namespace

void RunControlStep(const Step& step, Session& session) {
    const auto& v = step.verb;
    if (v == L"text") TextStep(step, session);
    else if (v == L"press") PressStep(step, session);
    else if (v == L"check") CheckStep(step, session, true);
    else if (v == L"uncheck") CheckStep(step, session, false);
    else if (v == L"type") TypeStep(step, session);
    else if (v == L"pick") PickStep(step, session);
    else FailUsage("unknown step \"" + Narrow(v) + "\"");
}

}  // namespace quen::driver
