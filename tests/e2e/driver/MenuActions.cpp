// The menu step: choose a menu command by its captions' access keys, as a person does
// with Alt and letters. Another process's menus cannot be read under Wine, so the
// captions must carry their "&" and the program's own menu code finds the items.
#include <windows.h>

#include <cwchar>
#include <cwctype>

#include "driver/Actions.h"
#include "driver/Clock.h"
#include "driver/Failure.h"
#include "driver/Text.h"

namespace quen::driver {

namespace {

wchar_t AccessKey(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        return static_cast<wchar_t>(std::towlower(caption[i + 1]));
    }
    FailUsage("menu caption \"" + Narrow(caption) + "\" has no access key; write it with its '&' (\"&File\")");
}

struct MenuCount {
    DWORD thread;
    int open;
};

BOOL CALLBACK CountMenus(HWND hwnd, LPARAM param) {
    auto* c = reinterpret_cast<MenuCount*>(param);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (GetWindowThreadProcessId(hwnd, nullptr) == c->thread && IsWindowVisible(hwnd) && std::wcscmp(cls, L"#32768") == 0) {
        ++c->open;
    }
    return TRUE;
}

// Open menus are top-level windows of class #32768 on the program's thread.
int OpenMenus(DWORD thread) {
    MenuCount c{thread, 0};
    EnumWindows(CountMenus, reinterpret_cast<LPARAM>(&c));
    return c.open;
}

bool WaitOpenMenus(DWORD thread, int count, double seconds) {
    Deadline deadline(seconds);
    do {
        if (OpenMenus(thread) == count) return true;
    } while (deadline.Tick());
    return false;
}

std::string PathTo(const Step& step, size_t level) {
    std::string path;
    for (size_t i = 0; i <= level; ++i) path += (i ? " > " : "") + Narrow(step.args[i]);
    return path;
}

// A menu left open would swallow the test's next keys. WM_CANCELMODE ends the menu
// loop and is harmless when none runs (Escape could cancel the window itself).
[[noreturn]] void CloseAndFail(HWND top, DWORD thread, const std::string& message) {
    PostMessageW(top, WM_CANCELMODE, 0, 0);
    WaitOpenMenus(thread, 0, 2.0);
    Fail(message);
}

}  // namespace

// SC_KEYMENU opens the menu bar's item with that key; each further key goes to the
// program once the menu it belongs to is open, as a person waits to see the menu.
void MenuStep(const Step& step, const Session& session) {
    std::wstring keys;
    for (const auto& caption : step.args) keys += AccessKey(caption);
    HWND top = WaitWindow(step.window, session.timeout);
    if (!IsWindowEnabled(top)) Fail(Describe(step.window) + " is disabled (a modal window is open)");
    if (GetMenu(top) == nullptr) Fail(Describe(step.window) + " has no menu bar");
    DWORD thread = GetWindowThreadProcessId(top, nullptr);
    PostMessageW(top, WM_SYSCOMMAND, SC_KEYMENU, keys[0]);
    for (size_t i = 1; i < keys.size(); ++i) {
        if (!WaitOpenMenus(thread, static_cast<int>(i), session.timeout)) {
            CloseAndFail(top, thread, "menu \"" + PathTo(step, i - 1) + "\" did not open (no such menu, or it is disabled)");
        }
        PostMessageW(top, WM_CHAR, keys[i], 1);
    }
    if (!WaitOpenMenus(thread, 0, keys.size() > 1 ? 2.0 : 0.5)) {
        CloseAndFail(top, thread, "menu item \"" + PathTo(step, keys.size() - 1) +
                                      "\" did not run (no such item, it is disabled, or it opens a submenu)");
    }
}

}  // namespace quen::driver
