// The "keys" step: key presses posted to a control as the keyboard sends them, for windows
// that watch their message queue for keys rather than their edit boxes' text.
#include <windows.h>

#include "driver/CommonControls.h"
#include "driver/Keys.h"

namespace quen::driver {

void KeysStep(const Step& step) {
    HWND target = Resolve(step, drive::ControlKind::Readable, true);
    for (wchar_t c : step.args[1]) {
        const SHORT scan = VkKeyScanW(c);
        if (scan == -1) drive::Fail("no key types \"" + drive::Narrow(std::wstring(1, c)) + "\"");
        const UINT vk = LOBYTE(scan);
        const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
        const LPARAM up = down | (LPARAM{3} << 30);  // previous state down, key being released
        if (!PostMessageW(target, WM_KEYDOWN, vk, down) || !PostMessageW(target, WM_CHAR, c, down) ||
            !PostMessageW(target, WM_KEYUP, vk, up))
            drive::Fail("cannot post keys to the control \"" + drive::Narrow(step.args[0]) + "\"");
    }
    // A sent message is handled at the target's next message retrieval, and posted messages
    // come before input, paint and timers: once one more message than was posted has been
    // sent and answered, every posted key has been taken from the queue (and seen by hooks).
    for (size_t i = 0; i <= 3 * step.args[1].size(); ++i) drive::SendOrFail(target, WM_NULL, 0, 0);
}

}  // namespace quen::driver
