// Message boxes through user32.
#include <windows.h>

#include "platform/Ui.h"

namespace quen::platform {

MsgResult ShowMessage(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons) {
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
        case IDCANCEL: return MsgResult::Cancel;
        case IDYES: return MsgResult::Yes;
        case IDNO: return MsgResult::No;
        default: return MsgResult::Ok;
    }
}

}  // namespace quen::platform
