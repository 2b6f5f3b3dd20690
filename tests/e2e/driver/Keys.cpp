// The "keys" step: key presses posted to a control as the keyboard sends them, for windows
// that watch their message queue for keys rather than an edit box's text, and for the keys
// a dialog manager acts on (Enter, Escape, Alt with a mnemonic letter, Delete).
#include "driver/Keys.h"

#include <vector>

#include "driver/CommonControls.h"

namespace quen::driver {
namespace {

struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

LPARAM KeyData(UINT vk, bool alt, bool up) {
    LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    if (alt) data |= LPARAM{1} << 29;
    if (up) data |= LPARAM{3} << 30;
    return data;
}

// One press: down, the character it types, up.
void Press(std::vector<Message>& out, UINT vk, wchar_t c) {
    out.push_back({WM_KEYDOWN, vk, KeyData(vk, false, false)});
    out.push_back({WM_CHAR, c, KeyData(vk, false, false)});
    out.push_back({WM_KEYUP, vk, KeyData(vk, false, true)});
}

UINT VkOf(wchar_t c) {
    const SHORT vk = VkKeyScanW(c);
    if (vk == -1) drive::Fail("no key types \"" + drive::Narrow(std::wstring(1, c)) + "\"");
    return LOBYTE(vk);
}

// TEXT: characters, and {Enter}, {Esc}, {Del} or {Alt+x} for those keys. A named key is
// posted as the message a dialog manager or control acts on (the key-down, or for Alt+x
// the system character), since the target's own key translation would double the rest.
std::vector<Message> Messages(const std::wstring& text) {
    std::vector<Message> out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'{') {
            Press(out, VkOf(text[i]), text[i]);
            continue;
        }
        const size_t end = text.find(L'}', i);
        const std::wstring name = end == std::wstring::npos ? L"" : text.substr(i + 1, end - i - 1);
        const UINT vk = name == L"Enter" ? VK_RETURN : name == L"Esc" ? VK_ESCAPE : name == L"Del" ? VK_DELETE : 0;
        if (vk) out.push_back({WM_KEYDOWN, vk, KeyData(vk, false, false)});
        else if (name.size() == 5 && name.compare(0, 4, L"Alt+") == 0)
            out.push_back({WM_SYSCHAR, name[4], KeyData(VkOf(name[4]), true, false)});
        else drive::Fail("unknown key \"{" + drive::Narrow(name) + "}\"");
        i = end;
    }
    return out;
}

}  // namespace

void KeysStep(const Step& step) {
    HWND target = Resolve(step, drive::ControlKind::Readable, true);
    if (drive::SameNoCase(drive::ClassOf(target), L"ComboBox")) {  // a person types into its edit field
        if (HWND edit = FindWindowExW(target, nullptr, L"Edit", nullptr)) target = edit;
    }
    const std::vector<Message> messages = Messages(step.args[1]);
    for (const Message& m : messages) {
        if (!PostMessageW(target, m.message, m.wParam, m.lParam))
            drive::Fail("cannot post keys to the control \"" + drive::Narrow(step.args[0]) + "\"");
    }
    // A sent message is answered at the target's next retrieval, which takes posted ones first:
    // one more answer than keys posted means every key was taken (and seen by hooks). A key
    // that closed the window leaves nothing to answer.
    for (size_t i = 0; i <= messages.size() && IsWindow(target); ++i)
        SendMessageTimeoutW(target, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
}

}  // namespace quen::driver
