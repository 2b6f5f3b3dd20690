// Message boxes for tests: recorded, never shown, so tests read what a user would see.
#pragma once

#include <string>
#include <vector>

#include "platform/Ui.h"

namespace quen::platform {

struct RecordedMessage {
    std::string text;
    std::string title;
    MsgIcon icon;
};

// Messages shown since the last ClearMessages.
const std::vector<RecordedMessage>& LastMessages();
void ClearMessages();

}  // namespace quen::platform
