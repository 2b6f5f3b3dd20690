// How the head speaks: message boxes, or in a silent run the log file only; the log file.
#pragma once

#include <string>

#include "runtime/RuntimePorts.h"
#include "platform/win/Handles.h"

namespace quen::head {

// Appends the progress log lines to a file (created when missing).
class FileLog : public runtime::LogPort {
public:
    bool Open(const std::string& path);
    void Append(const std::string& text) override;

private:
    win::UniqueHandle file_;
};

// In a silent run no message box opens: messages go to `log` (when there is one) and
// the first answer counts as given.
void SetSilentMessages(bool silent, runtime::LogPort* log);

// A message to the person running the patch (or to the log when silent).
void Tell(const std::string& text);

}  // namespace quen::head
