// Win32_API: folder browsing, starting and waiting for programs, volume serial numbers,
// the operating-system family.
#include "startup/win/Win32_API.h"

#include <shlobj.h>

#include <vector>

#include "startup/FSUPLIBmain.h"
#include "startup/SystemText.h"
#include "win/ComInit.h"
#include "platform/win/MessagePump.h"
#include "platform/win/Handles.h"

namespace quen::win {
namespace {

constexpr DWORD kDetachedProcess = DETACHED_PROCESS;
constexpr DWORD kIdleWaitMs = 90000;
constexpr DWORD kLabelBufferSize = 200;
constexpr DWORD kFileSystemBufferSize = 50;

// A bare drive ("C:") as a working folder would mean the drive's current folder.
std::string AsWorkingFolder(const std::string& folder) {
    return folder.size() == 2 && folder[1] == ':' ? folder + "\\" : folder;
}

}  // namespace

bool BrowseForFolder(HWND owner, const std::string& title, std::string& path) {
    path.clear();
    if (title.size() >= kBrowseTitleLimit) return true;
    ScopedComInit com;
    char display[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    UniquePidl chosen(SHBrowseForFolderA(&info));
    if (!chosen) return true;
    char folder[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(chosen.get(), folder)) return true;
    path = CutAtNul(std::string(folder, sizeof folder));
    return false;
}

std::string ToAnsiBytes(std::wstring_view text) {
    if (text.empty()) return {};
    const UINT cp = GetACP();
    const int wide = static_cast<int>(text.size());
    int size = WideCharToMultiByte(cp, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(cp, 0, text.data(), wide, out.data(), size, nullptr, nullptr);
    return out;
}

bool StartProcess(const std::string& program, const std::string& currentDirectory, const std::string& arguments,
                  STARTUPINFOA& startup, PROCESS_INFORMATION& info) {
    // CreateProcessA may write into the command line, so it gets its own buffer.
    std::string line = BuildCommandLine(program, arguments);
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    const char* folder = currentDirectory.empty() ? nullptr : currentDirectory.c_str();
    return CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, kDetachedProcess, nullptr,
                          folder, &startup, &info) != FALSE;
}

bool RunAndWait(const std::string& program, std::string currentDirectory) {
    if (currentDirectory.empty()) currentDirectory = ProgramFolder(program);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USEPOSITION;
    startup.dwX = 0;
    startup.dwY = 0;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION info = {};
    if (!StartProcess(program, AsWorkingFolder(currentDirectory), "", startup, info)) return false;
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);
    thread.reset();
    WaitForInputIdle(process.get(), kIdleWaitMs);
    win::WaitPumping(process.get());
    return true;
}

std::int32_t GetVolumeSerial(const std::string& root) {
    char label[kLabelBufferSize] = {};
    char fileSystem[kFileSystemBufferSize] = {};
    DWORD serial = 0;
    DWORD maxComponent = 0;
    DWORD flags = 0;
    if (!GetVolumeInformationA(root.c_str(), label, kLabelBufferSize, &serial, &maxComponent, &flags, fileSystem,
                               kFileSystemBufferSize))
        return -1;
    if (GetOSFamily() == "NT") serial = SwapBytes32(serial);
    return static_cast<std::int32_t>(serial);
}

std::string GetOSFamily() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return "";
    return OsFamilyCode(version.dwPlatformId);
}

}  // namespace quen::win
