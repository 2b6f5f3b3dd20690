// Test helper: a background watcher that finds this process's dialog boxes, reads them and
// presses a button, as a person in front of the screen would.
#include "win/DialogWatcher.h"

#include <cstdlib>
#include <utility>

namespace quen::test {
namespace {

// The static control that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;

std::string WindowText(HWND w) {
    char buf[4096] = {};
    GetWindowTextA(w, buf, sizeof buf);
    return buf;
}

std::string ClassOf(HWND w) {
    char buf[256] = {};
    GetClassNameA(w, buf, sizeof buf);
    return buf;
}

std::string WithoutAmpersands(std::string s) {
    std::erase(s, '&');
    return s;
}

struct FindState {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND w, LPARAM lp) {
    auto* st = reinterpret_cast<FindState*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == st->pid && IsWindowVisible(w) && ClassOf(w) == "#32770") {
        st->found = w;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND w, LPARAM lp) {
    auto* seen = reinterpret_cast<SeenDialog*>(lp);
    std::string cls = ClassOf(w);
    std::string text = WindowText(w);
    if (cls == "Button") seen->buttons.push_back(WithoutAmpersands(text));
    else if (cls == "Static" && !text.empty()) seen->statics.push_back(text);
    return TRUE;
}

struct ButtonSearch {
    std::string caption;
    HWND found;
};

BOOL CALLBACK FindButton(HWND w, LPARAM lp) {
    auto* st = reinterpret_cast<ButtonSearch*>(lp);
    if (ClassOf(w) == "Button" && WithoutAmpersands(WindowText(w)) == st->caption && IsWindowEnabled(w)) {
        st->found = w;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

SeenDialog ReadDialog(HWND dialog) {
    SeenDialog seen;
    seen.title = WindowText(dialog);
    if (HWND text = GetDlgItem(dialog, kMessageTextId)) seen.messageText = WindowText(text);
    EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&seen));
    return seen;
}

bool PressButton(HWND dialog, const std::string& caption) {
    ButtonSearch st{caption, nullptr};
    EnumChildWindows(dialog, FindButton, reinterpret_cast<LPARAM>(&st));
    if (!st.found) return false;
    // A click as the mouse gives it, handled by the dialog's own thread. (Wine may take
    // about two seconds to hide a window when no window manager runs.)
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(st.found, BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &ignored);
    for (int i = 0; i < 30 && IsWindow(dialog); ++i) Sleep(10);
    // A button may ignore a synthetic click while its window is not active.
    if (IsWindow(dialog) && IsWindowVisible(dialog))
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(st.found), BN_CLICKED),
                     reinterpret_cast<LPARAM>(st.found));
    return true;
}

DialogWatcher::DialogWatcher(std::string press) : press_(std::move(press)) {
    thread_ = CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr);
}

DialogWatcher::~DialogWatcher() { Finish(); }

std::vector<SeenDialog> DialogWatcher::Finish() {
    stop_ = true;
    if (thread_) {
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    return seen_;
}

DWORD WINAPI DialogWatcher::ThreadMain(LPVOID self) {
    static_cast<DialogWatcher*>(self)->Run();
    return 0;
}

HWND DialogWatcher::FindDialog() const {
    FindState st{GetCurrentProcessId(), nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&st));
    return st.found;
}

void DialogWatcher::Run() {
    while (!stop_) {
        if (HWND dialog = FindDialog()) Handle(dialog);
        Sleep(20);
    }
}

void DialogWatcher::Handle(HWND dialog) {
    // Let the dialog finish laying out its controls before reading them.
    Sleep(100);
    SeenDialog seen = ReadDialog(dialog);
    if (const char* pause = std::getenv("QUEN_DIALOG_PAUSE_MS")) Sleep(static_cast<DWORD>(std::atoi(pause)));
    seen.pressed = PressButton(dialog, press_);
    // A dialog without the wanted button is closed so that the test does not hang.
    if (!seen.pressed) PostMessageA(dialog, WM_CLOSE, 0, 0);
    seen_.push_back(std::move(seen));
    for (int i = 0; i < 500 && IsWindow(dialog); ++i) Sleep(10);
}

}  // namespace quen::test
