// The driver's steps: waiting for windows and processes, reading and using controls.
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <sstream>

#include "driver/Step.h"
#include "driver/CommonControls.h"
#include "platform/win/Handles.h"
#include "win/drive/Drive.h"

namespace quen::driver {

using namespace quen::drive;

void Print(const std::wstring& text) {
    std::fputs((Narrow(text) + "\n").c_str(), stdout);
    std::fflush(stdout);
}

namespace {

constexpr double kDefaultSeconds = 10.0;

[[noreturn]] void TimedOut(double seconds, const std::string& what) {
    std::ostringstream msg;
    msg << "timed out after " << seconds << " s waiting for " << what;
    Fail(msg.str(), kExitTimeout);
}

double Seconds(const Step& step, size_t index) {
    if (step.args.size() <= index) return kDefaultSeconds;
    wchar_t* end = nullptr;
    double s = std::wcstod(step.args[index].c_str(), &end);
    if (step.args[index].empty() || *end != L'\0' || !(s >= 0) || s > 86400)
        Fail("not a number of seconds: " + Narrow(step.args[index]), kExitUsage);
    return s;
}

std::string Describe(const Step& s) {
    const char* how[] = {"", "titled starting with ", "with a title containing "};
    return std::string("window ") + how[static_cast<int>(s.match)] + "\"" + Narrow(s.title) + "\"" +
           (s.className.empty() ? "" : " of class " + Narrow(s.className));
}

// Other processes' windows whose stored title matches; the stored title needs no message,
// so a hung window cannot stall the search.
std::vector<HWND> Windows(const Step& s) {
    return TopWindows([&s](HWND hwnd) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        wchar_t buf[1024] = {};
        InternalGetWindowText(hwnd, buf, 1024);
        std::wstring title = buf;
        bool match = s.match == TitleMatch::Exact    ? title == s.title
                     : s.match == TitleMatch::Prefix ? title.rfind(s.title, 0) == 0
                                                     : title.find(s.title) != std::wstring::npos;
        return pid != GetCurrentProcessId() && match && (s.className.empty() || SameNoCase(ClassOf(hwnd), s.className));
    });
}

// The first matching window, or with `gone` none, once there is; fails after `seconds`.
HWND WaitWindow(const Step& step, double seconds, bool gone = false) {
    Deadline deadline(seconds);
    do {
        auto found = Windows(step);
        if (found.empty() == gone) return gone ? nullptr : found.front();
    } while (deadline.Tick());
    TimedOut(seconds, Describe(step) + (gone ? " to disappear" : ""));
}

std::string Name(const Step& step, ControlKind kind) {
    const char* names[] = {"button", "edit box", "combo box or list box", "control"};
    return std::string(names[static_cast<int>(kind)]) + " \"" + Narrow(step.args[0]) + "\" in " + Describe(step);
}

}  // namespace

HWND Resolve(const Step& step, ControlKind kind, bool usable) {
    Deadline deadline(kDefaultSeconds);
    std::vector<Control> controls;
    do {
        auto windows = Windows(step);
        if (windows.empty()) continue;
        controls = ListControls(windows.front());
        if (HWND h = FindControl(controls, step.args[0], kind)) {
            if (usable && !IsWindowVisible(h)) Fail(Name(step, kind) + " is hidden");
            if (usable && !IsWindowEnabled(h)) Fail(Name(step, kind) + " is disabled");
            return h;
        }
    } while (deadline.Tick());
    WaitWindow(step, 0);  // fails with the timeout message when there is no window at all
    Fail("no " + Name(step, kind) + "; it has: " + Summary(controls));
}

namespace {

LONG StyleOf(HWND h) { return GetWindowLongW(h, GWL_STYLE); }
bool IsListBox(HWND h) { return SameNoCase(ClassOf(h), L"ListBox"); }

std::vector<std::wstring> Items(HWND h) {
    bool list = IsListBox(h);
    std::vector<std::wstring> items(static_cast<size_t>(std::max<LRESULT>(0, SendOrFail(h, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0))));
    for (size_t i = 0; i < items.size(); ++i) {
        auto len = SendOrFail(h, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, i, 0);
        items[i].assign(static_cast<size_t>(std::max<LRESULT>(0, len)) + 1, L'\0');
        auto got = SendOrFail(h, list ? LB_GETTEXT : CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(items[i].data()));
        items[i].resize(static_cast<size_t>(std::max<LRESULT>(0, got)));
    }
    return items;
}

void ListStep(const Step& step) {
    HWND top = WaitWindow(step, kDefaultSeconds);
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    HWND focus = GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info) ? info.hwndFocus : nullptr;
    for (const auto& c : ListControls(top)) {
        std::wstring flags = IsWindowVisible(c.hwnd) ? L"visible" : L"hidden";
        flags += IsWindowEnabled(c.hwnd) ? L",enabled" : L",disabled";
        if (SameNoCase(c.className, L"Button") && SendOrFail(c.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) flags += L",checked";
        if (SameNoCase(c.className, L"Edit") && (StyleOf(c.hwnd) & ES_READONLY)) flags += L",readonly";
        if (focus != nullptr && (focus == c.hwnd || GetParent(focus) == c.hwnd)) flags += L",focused";
        Print(c.className + L"\t" + std::to_wstring(c.id) + L"\t" + flags + L"\t" + Flat(c.text));
    }
}

void TextStep(const Step& step) {
    HWND h = Resolve(step, ControlKind::Readable, false);
    if (!IsListBox(h)) return Print(UnixLines(TextOf(h)));
    auto items = Items(h);
    for (size_t i = 0; i < items.size(); ++i) {
        if (SendOrFail(h, LB_GETSEL, i, 0) > 0) Print(items[i]);
    }
}

// Clicks until the box is checked (a three-state box needs up to two clicks).
void CheckStep(const Step& step) {
    HWND h = Resolve(step, ControlKind::Button, true);
    switch (StyleOf(h) & BS_TYPEMASK) {
        case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE:
        case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: break;
        default: Fail(Name(step, ControlKind::Button) + " is not a check box or radio button");
    }
    for (int click = 0; click < 3; ++click) {
        LRESULT before = SendOrFail(h, BM_GETCHECK, 0, 0);
        if (before == BST_CHECKED) return;
        Click(h);
        Deadline deadline(kDefaultSeconds);
        while (SendOrFail(h, BM_GETCHECK, 0, 0) == before) {
            if (!deadline.Tick()) Fail(Name(step, ControlKind::Button) + " did not change when clicked");
        }
    }
    if (SendOrFail(h, BM_GETCHECK, 0, 0) != BST_CHECKED) Fail(Name(step, ControlKind::Button) + " keeps its state");
}

// Typed key by key, so the control's own limits (length, digits only) apply as for a person;
// a click first gives it the focus, as a person's would.
void TypeStep(const Step& step) {
    HWND edit = Resolve(step, ControlKind::Editable, true);
    if (SameNoCase(ClassOf(edit), L"ComboBox")) edit = FindWindowExW(edit, nullptr, L"Edit", nullptr);
    if (edit == nullptr) Fail(Name(step, ControlKind::Editable) + " is a drop-down list without an edit field; use pick");
    if (StyleOf(edit) & ES_READONLY) Fail(Name(step, ControlKind::Editable) + " is read-only");
    SendOrFail(edit, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendOrFail(edit, WM_LBUTTONUP, 0, 0);
    SendOrFail(edit, EM_SETSEL, 0, -1);
    SendOrFail(edit, WM_CHAR, VK_BACK, 1);
    for (wchar_t c : step.args[1]) SendOrFail(edit, WM_CHAR, c == L'\n' ? L'\r' : c, 1);
}

// Tab texts cannot be read from another process: a tab is picked by its position (1 = first).
// Moving the focus selects the tab, and the control tells its owner as for a click.
void PickTab(HWND h, const Step& step) {
    const long n = std::wcstol(step.args[1].c_str(), nullptr, 10);
    if (n < 1 || n > SendOrFail(h, TCM_GETITEMCOUNT, 0, 0)) Fail("no tab " + Narrow(step.args[1]) + " in " + Name(step, ControlKind::Choice));
    SendOrFail(h, TCM_SETCURFOCUS, static_cast<WPARAM>(n - 1), 0);
}

void PickStep(const Step& step) {
    HWND h = Resolve(step, ControlKind::Choice, true);
    if (SameNoCase(ClassOf(h), L"SysTabControl32")) return PickTab(h, step);
    auto items = Items(h);
    size_t index = 0;
    while (index < items.size() && items[index] != step.args[1]) ++index;
    if (index == items.size()) {
        std::string known;
        for (const auto& i : items) known += (known.empty() ? "\"" : ", \"") + Narrow(i) + "\"";
        Fail("no item \"" + Narrow(step.args[1]) + "\" in " + Name(step, ControlKind::Choice) + "; its items: " +
             (known.empty() ? "none" : known));
    }
    bool list = IsListBox(h);
    if (list && (StyleOf(h) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))) SendOrFail(h, LB_SETSEL, TRUE, static_cast<LPARAM>(index));
    else SendOrFail(h, list ? LB_SETCURSEL : CB_SETCURSEL, index, 0);
    // The owner hears of the change as from a person's pick (a list box only when it asks to).
    if (!list || (StyleOf(h) & LBS_NOTIFY))
        PostMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), list ? LBN_SELCHANGE : CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(h));
}

std::vector<DWORD> ProcessIds(const std::wstring& name) {
    std::vector<DWORD> ids;
    win::UniqueHandle snap(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snap) Fail("cannot list the running processes");
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL ok = Process32FirstW(snap.get(), &entry); ok; ok = Process32NextW(snap.get(), &entry)) {
        if (SameNoCase(entry.szExeFile, name)) ids.push_back(entry.th32ProcessID);
    }
    return ids;
}

void ExitedStep(const Step& step) {
    const double seconds = Seconds(step, 1);
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (const auto& h : step.processes) {
        const ULONGLONG now = GetTickCount64();
        if (WaitForSingleObject(h.get(), now < end ? static_cast<DWORD>(end - now) : 0) == WAIT_TIMEOUT)
            TimedOut(seconds, "process " + Narrow(step.args[0]) + " to exit");
        DWORD code = 0;
        if (GetExitCodeProcess(h.get(), &code)) Print(std::to_wstring(code));
    }
}

}  // namespace

void OpenProcesses(Step& step) {
    for (DWORD id : ProcessIds(step.args[0])) {
        if (HANDLE h = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id))
            step.processes.emplace_back(h, CloseHandle);
    }
}

void RunStep(const Step& step) {
    const auto& v = step.verb;
    if (v == L"wait") WaitWindow(step, Seconds(step, 0));
    else if (v == L"gone") WaitWindow(step, Seconds(step, 0), true);
    else if (v == L"list") ListStep(step);
    else if (v == L"text") TextStep(step);
    else if (v == L"press") Click(Resolve(step, ControlKind::Button, true));
    else if (v == L"check") CheckStep(step);
    else if (v == L"type") TypeStep(step);
    else if (v == L"pick") PickStep(step);
    else if (v == L"msgbox") Print(UnixLines(MessageText(WaitWindow(step, kDefaultSeconds))));
    else if (v == L"close") PostMessageW(WaitWindow(step, kDefaultSeconds), WM_CLOSE, 0, 0);
    else if (v == L"exited") ExitedStep(step);
    else if (v == L"keys") KeysStep(step);
    else RunCommonControlStep(step);
}

}  // namespace quen::driver
