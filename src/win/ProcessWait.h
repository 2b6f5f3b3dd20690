// Waiting for a started program while the thread's windows keep repainting and answering.
#pragma once

#include <windows.h>

namespace quen::win {

// Returns when `process` has ended. Messages of the thread's windows are dispatched
// meanwhile, so a window that waits is not frozen; what must not run twice is disabled by
// the caller (a modal dialog's owner already is). A quit request is kept for the caller's
// loop and the rest of the wait pumps nothing.
inline void WaitPumping(HANDLE process) {
    while (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                WaitForSingleObject(process, INFINITE);
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace quen::win
