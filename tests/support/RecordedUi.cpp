// Message boxes for tests: recorded, never shown.
#include "support/RecordedUi.h"

namespace quen::platform {
namespace {

struct Recorder {
    std::vector<RecordedMessage> messages;
    MsgResult answer = MsgResult::Ok;
    bool answerSet = false;
};

Recorder& recorder() {
    static Recorder r;
    return r;
}

MsgResult firstButton(MsgButtons b) {
    return (b == MsgButtons::YesNo || b == MsgButtons::YesNoCancel) ? MsgResult::Yes : MsgResult::Ok;
}

}  // namespace

MsgResult ShowMessage(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons) {
    recorder().messages.push_back({text, title, icon});
    return recorder().answerSet ? recorder().answer : firstButton(buttons);
}

const std::vector<RecordedMessage>& LastMessages() { return recorder().messages; }

void ClearMessages() {
    recorder().messages.clear();
    recorder().answerSet = false;
}

void SetNextAnswer(MsgResult answer) {
    recorder().answer = answer;
    recorder().answerSet = true;
}

}  // namespace quen::platform
