// The "keys" step: key presses posted to a control as the keyboard sends them, for windows
// that watch their message queue for keys rather than an edit box's text, and the keys a
// dialog manager acts on.
#include <vector>

#include "driver/CommonControls.h"

namespace quen::driver {

namespace {

UINT VkOf(wchar_t c) {
    const SHORT vk = VkKeyScanW(c);
    if (vk == -1) drive::Fail("no key types \"" + drive::Narrow(std::wstring(1, c)) + "\"");
    return LOBYTE(vk);
}

LPARAM KeyData(UINT vk) { return 1 | static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16; }

// Characters as down, char and up; {Enter}, {Esc} and {Del} as the key-down a dialog manager
// or control acts on, {Alt+x} as the system character (the target's own key translation
// would double anything more).
std::vector<MSG> Messages(const std::wstring& text) {
    std::vector<MSG> out;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t end = text[i] == L'{' ? text.find(L'}', i) : std::wstring::npos;
        if (end == std::wstring::npos) {
            const UINT vk = VkOf(text[i]);
            out.push_back({nullptr, WM_KEYDOWN, vk, KeyData(vk), 0, {}});
            out.push_back({nullptr, WM_CHAR, text[i], KeyData(vk), 0, {}});
            out.push_back({nullptr, WM_KEYUP, vk, KeyData(vk) | LPARAM{3} << 30, 0, {}});
            continue;
        }
        const std::wstring name = text.substr(i + 1, end - i - 1);
        const UINT vk = name == L"Enter" ? VK_RETURN : name == L"Esc" ? VK_ESCAPE : name == L"Del" ? VK_DELETE : 0;
        if (vk) out.push_back({nullptr, WM_KEYDOWN, vk, KeyData(vk), 0, {}});
        else if (name.size() == 5 && name.compare(0, 4, L"Alt+") == 0)
            out.push_back({nullptr, WM_SYSCHAR, name[4], KeyData(VkOf(name[4])) | LPARAM{1} << 29, 0, {}});
        else drive::Fail("unknown key \"{" + drive::Narrow(name) + "}\"");
        i = end;
    }
    return out;
}

}  // namespace

void KeysStep(const Step& step) {
    HWND target = Resolve(step, drive::ControlKind::Readable, true);
    const std::vector<MSG> messages = Messages(step.args[1]);
    for (const MSG& m : messages) {
        if (!PostMessageW(target, m.message, m.wParam, m.lParam))
            drive::Fail("cannot post keys to the control \"" + drive::Narrow(step.args[0]) + "\"");
    }
    // A sent message is answered at the target's next retrieval, which takes posted ones
    // first: one more answer than messages posted means all were taken. A key that closed
    // the window leaves nothing to answer.
    for (size_t i = 0; i <= messages.size() && IsWindow(target); ++i)
        SendMessageTimeoutW(target, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
}

}  // namespace quen::driver
