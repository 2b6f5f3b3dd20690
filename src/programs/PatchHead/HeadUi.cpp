// How the head speaks: message boxes, or in a silent run the log file only.
#include "programs/PatchHead/HeadUi.h"

#include <windows.h>

#include "platform/Ui.h"
#include "win/MessageBoxCall.h"

namespace quen::head {

namespace {

bool g_silent = false;
runtime::LogPort* g_log = nullptr;

}  // namespace

bool FileLog::Open(const std::string& path) {
    file_.reset(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file_);
}

void FileLog::Append(const std::string& text) {
    DWORD written = 0;
    if (file_) WriteFile(file_.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void SetSilentMessages(bool silent, runtime::LogPort* log) {
    g_silent = silent;
    g_log = log;
}

void Tell(const std::string& text) { platform::ShowMessage(text, "Patch", platform::MsgIcon::Critical); }

}  // namespace quen::head

namespace quen::platform {

// The head's own message box: the engine's messages must not stop a silent run.
MsgResult ShowMessage(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons) {
    if (head::g_silent) {
        if (head::g_log) head::g_log->Append(title + ": " + text + "\r\n");
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes : MsgResult::Ok;
    }
    return win::ShowMessageBox(text, title, icon, buttons);
}

}  // namespace quen::platform
