// One user32 message box for the platform's message kinds; shared by the program's
// message port and the head's own (which must also be able to stay silent).
#pragma once

#include <windows.h>

#include <string>

#include "platform/Ui.h"

namespace quen::win {

inline platform::MsgResult ShowMessageBox(const std::string& text, const std::string& title, platform::MsgIcon icon,
                                          platform::MsgButtons buttons) {
    using platform::MsgButtons;
    using platform::MsgIcon;
    UINT flags = MB_TASKMODAL | MB_SETFOREGROUND;
    switch (icon) {
        case MsgIcon::Critical: flags |= MB_ICONERROR; break;
        case MsgIcon::Question: flags |= MB_ICONQUESTION; break;
        case MsgIcon::Exclamation: flags |= MB_ICONEXCLAMATION; break;
        case MsgIcon::Information: flags |= MB_ICONINFORMATION; break;
        case MsgIcon::None: break;
    }
    switch (buttons) {
        case MsgButtons::Ok: flags |= MB_OK; break;
        case MsgButtons::OkCancel: flags |= MB_OKCANCEL; break;
        case MsgButtons::YesNo: flags |= MB_YESNO; break;
        case MsgButtons::YesNoCancel: flags |= MB_YESNOCANCEL; break;
    }
    switch (MessageBoxA(nullptr, text.c_str(), title.c_str(), flags)) {
        case IDCANCEL: return platform::MsgResult::Cancel;
        case IDYES: return platform::MsgResult::Yes;
        case IDNO: return platform::MsgResult::No;
        default: return platform::MsgResult::Ok;
    }
}

}  // namespace quen::win
