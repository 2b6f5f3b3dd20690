// Handing the thread's waiting messages to its windows, while a long step or a started
// program runs, so a window that waits is not frozen.
#pragma once

#include <windows.h>

namespace quen::win {

// Dispatches every message waiting for the thread's windows, through `dialog`'s keyboard
// handling when one is given. A quit request is put back for the caller's own loop and
// stops the pump: then it returns true.
inline bool PumpPending(HWND dialog = nullptr) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return true;
        }
        if (dialog && IsDialogMessageA(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return false;
}

// Returns when `process` has ended, pumping meanwhile; what must not run twice is
// disabled by the caller (a modal dialog's owner already is). After a quit request the
// rest of the wait pumps nothing.
inline void WaitPumping(HANDLE process) {
    while (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        if (PumpPending()) {
            WaitForSingleObject(process, INFINITE);
            return;
        }
    }
}

}  // namespace quen::win
