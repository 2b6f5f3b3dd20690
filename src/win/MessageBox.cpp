// Message boxes through user32.
#include "platform/Ui.h"
#include "win/MessageBoxCall.h"

namespace quen::platform {

MsgResult ShowMessage(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons) {
    return win::ShowMessageBox(text, title, icon, buttons);
}

}  // namespace quen::platform
