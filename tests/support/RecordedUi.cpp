// Message boxes for tests: recorded, never shown.
#include "support/RecordedUi.h"

namespace quen::platform {
namespace {

std::vector<RecordedMessage>& messages() {
    static std::vector<RecordedMessage> m;
    return m;
}

}  // namespace

// Answered with the first button, as a user who presses Enter.
MsgResult ShowMessage(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons) {
    messages().push_back({text, title, icon});
    return (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel) ? MsgResult::Yes : MsgResult::Ok;
}

const std::vector<RecordedMessage>& LastMessages() { return messages(); }

void ClearMessages() { messages().clear(); }

}  // namespace quen::platform
