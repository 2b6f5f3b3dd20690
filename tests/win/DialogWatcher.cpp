// Test helper: a background watcher that presses the buttons of this process's dialog boxes.
#include "win/DialogWatcher.h"

#include <windows.h>

#include <atomic>
#include <thread>

#include "win/drive/Drive.h"

namespace quen::test {
namespace {

std::string Ansi(const std::wstring& text) { return drive::Narrow(text, CP_ACP); }

bool OwnDialog(HWND w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid == GetCurrentProcessId() && drive::ClassOf(w) == L"#32770";
}

SeenDialog ReadAndPress(HWND dialog, const std::string& press) {
    Sleep(100);  // let the dialog finish laying out its controls
    SeenDialog seen{Ansi(drive::MessageText(dialog)), false};
    HWND button = nullptr;
    for (const auto& c : drive::ListControls(dialog)) {
        if (drive::IsKind(c.className, drive::ControlKind::Button) && Ansi(drive::StripMnemonic(c.text)) == press &&
            IsWindowEnabled(c.hwnd))
            button = c.hwnd;
    }
    seen.pressed = button != nullptr;
    if (!button) {
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        return seen;
    }
    drive::Click(button);
    for (int i = 0; i < 30 && IsWindowVisible(dialog); ++i) Sleep(10);
    // A button may ignore a synthetic click while its window is not active.
    if (IsWindowVisible(dialog))
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return seen;
}

}  // namespace

std::vector<SeenDialog> WatchDialogs(const std::function<void()>& call, const std::string& press) {
    std::atomic<bool> stop{false};
    std::vector<SeenDialog> seen;
    std::thread watcher([&] {
        while (!stop) {
            auto dialogs = drive::TopWindows(OwnDialog);
            if (!dialogs.empty()) {
                try {
                    seen.push_back(ReadAndPress(dialogs.front(), press));
                } catch (const drive::Failure&) {  // the dialog closed while being read
                }
                for (int i = 0; i < 500 && IsWindow(dialogs.front()); ++i) Sleep(10);
            }
            Sleep(20);
        }
    });
    call();
    stop = true;
    watcher.join();
    return seen;
}

}  // namespace quen::test
