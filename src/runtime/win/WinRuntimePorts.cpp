// The engine's system facts, Windows exit and windows on real Windows.
#include "runtime/win/WinRuntimePorts.h"

#include <windows.h>
#include <shlobj.h>

#include <optional>

#include "base/Errors.h"
#include "runtime/win/frmDir.h"
#include "startup/win/Win32_API.h"
#include "platform/win/AnsiPath.h"
#include "platform/win/Handles.h"
#include "platform/win/MessagePump.h"

namespace quen::runtime::win {

namespace {

constexpr UINT kFolderBuffer = 255;

template <typename F>
std::string Folder(F call) {
    char buf[kFolderBuffer + 1] = {};
    const UINT n = call(buf, kFolderBuffer);
    return n > 0 && n <= kFolderBuffer ? std::string(buf, n) : std::string();
}

bool EnableShutdownPrivilege() {
    quen::win::UniqueHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put())) return false;
    TOKEN_PRIVILEGES tp{};
    tp.PrivilegeCount = 1;
    tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &tp.Privileges[0].Luid)) return false;
    return AdjustTokenPrivileges(token.get(), FALSE, &tp, 0, nullptr, nullptr) && GetLastError() == ERROR_SUCCESS;
}

}  // namespace

std::string WinSystem::WindowsDir() {
    return Folder([](char* b, UINT n) { return GetWindowsDirectoryA(b, n); });
}

std::string WinSystem::SystemDir() {
    return Folder([](char* b, UINT n) { return GetSystemDirectoryA(b, n); });
}

std::string WinSystem::StateDir() {
    // The profile's local application data: the account's own, also for SYSTEM, whose
    // temporary folder ordinary users may write to.
    // A profile named in letters outside the code page is reached through its short form.
    wchar_t buf[MAX_PATH + 1] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, buf))) return "";
    const std::optional<std::string> profile = quen::platform::AnsiPath(buf);
    if (!profile) return "";
    const std::string folder = *profile + "\\Quenlark";
    CreateDirectoryA(folder.c_str(), nullptr);
    const DWORD a = GetFileAttributesA(folder.c_str());
    const bool real = a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) && !(a & FILE_ATTRIBUTE_REPARSE_POINT);
    return real ? folder : "";
}

bool WinSystem::HoldRunLock() {
    if (runLock_ && runLock_->status() == 0) return true;
    const std::string folder = StateDir();
    // Without the state folder no undo record can be kept, so the run changes nothing.
    if (folder.empty()) return true;
    runLock_.emplace(folder + "\\Quenlark-run.lock");
    return runLock_->status() != kErrFileAlreadyOpen;
}

bool WinSystem::ExitSession(int code) {
    UINT flags;
    switch (code) {
        case 1: flags = EWX_LOGOFF; break;
        case 2: flags = EWX_REBOOT; break;
        case 3: flags = EWX_SHUTDOWN; break;
        default: return true;
    }
    // Logging off needs no privilege; restarting and shutting down do.
    if (code != 1) EnableShutdownPrivilege();
    return ExitWindowsEx(flags, SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_FLAG_PLANNED) != 0;
}

bool WinSystem::RunAndWait(const std::string& program, const std::string& folder) {
    return quen::win::RunAndWait(program, folder);
}

bool WinWindows::ShowAndWait(const ShowModel& model) {
    FrmShow window;
    if (!window.Open(model)) return true;  // a window that cannot be shown cannot be agreed to
    return window.Wait();
}

void WinWindows::OpenProgress(const ShowModel& model) {
    progress_ = std::make_unique<FrmShow>();
    if (!progress_->Open(model)) progress_.reset();
}

void WinWindows::AppendLog(const std::string& text) {
    if (progress_) progress_->AppendText(text);
}

void WinWindows::FinishProgress(const ShowModel& model) {
    if (!progress_) return;
    progress_->Apply(model);
    progress_->Wait();
    progress_.reset();
}

void WinWindows::PumpEvents() {
    // Byte searches call this often; looking at the queue once per tick of the system clock
    // (10-16 ms) keeps the window live. The tick count, not the C++ clocks: those bring the
    // thread library into the head.
    const ULONGLONG now = GetTickCount64();
    if (now == lastPump_) return;
    lastPump_ = now;
    quen::win::PumpPending();
}

std::string WinWindows::AskDirectory(const AskTexts& texts, const std::string& initialDir) {
    return runtime::win::AskDirectory(progress_ ? progress_->hwnd() : nullptr, texts, initialDir);
}

}  // namespace quen::runtime::win
