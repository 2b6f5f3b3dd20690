// The "keys" step: key presses posted to a control as the keyboard sends them, for windows
// that watch their message queue for keys rather than an edit box's text.
#include "driver/Keys.h"

#include "driver/CommonControls.h"

namespace quen::driver {

void KeysStep(const Step& step) {
    HWND target = Resolve(step, drive::ControlKind::Readable, true);
    for (wchar_t c : step.args[1]) {
        const SHORT vk = VkKeyScanW(c);
        if (vk == -1) drive::Fail("no key types \"" + drive::Narrow(std::wstring(1, c)) + "\"");
        const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyW(LOBYTE(vk), MAPVK_VK_TO_VSC)) << 16;
        if (!PostMessageW(target, WM_KEYDOWN, LOBYTE(vk), down) || !PostMessageW(target, WM_CHAR, c, down) ||
            !PostMessageW(target, WM_KEYUP, LOBYTE(vk), down | LPARAM{3} << 30))
            drive::Fail("cannot post keys to the control \"" + drive::Narrow(step.args[0]) + "\"");
    }
    // A sent message is answered at the target's next retrieval, which takes posted ones first:
    // one more answer than keys posted means every key was taken (and seen by hooks).
    for (size_t i = 0; i <= 3 * step.args[1].size(); ++i) drive::SendOrFail(target, WM_NULL, 0, 0);
}

}  // namespace quen::driver
