// Message boxes, the one user-facing call the core makes directly.
#pragma once

#include <string>

namespace quen::platform {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };

enum class MsgResult { Ok, Cancel, Yes, No };

// Shows a modal message box and returns the button pressed. Defined by the Win32
// layer (src/win); test programs link a recording definition instead.
MsgResult ShowMessage(const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::Ok);

}  // namespace quen::platform
