// The message box seam for a console program: print the message, answer as Yes or OK.
#include "ConsoleUi.h"

#include <iostream>

#include "platform/Ui.h"
#include "project/TextFields.h"

namespace quen {

namespace {

std::ostream*& Stream() {
    static std::ostream* stream = &std::cerr;
    return stream;
}

}  // namespace

void SetConsoleMessageStream(std::ostream* stream) { Stream() = stream; }

namespace platform {

// No one can answer on the console: a question goes on as if answered Yes (a make that
// must not go on fails by itself afterwards).
MsgResult ShowMessage(const std::string& text, const std::string& title, MsgIcon, MsgButtons buttons) {
    *Stream() << title << ": " << ReplaceAll(text, "\r\n", "\n") << "\n";
    Stream()->flush();
    switch (buttons) {
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel: return MsgResult::Yes;
        default: return MsgResult::Ok;
    }
}

}  // namespace platform
}  // namespace quen
