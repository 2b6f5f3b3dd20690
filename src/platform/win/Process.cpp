// The process seam on Windows: the cabinet tool started and waited for; temp folder; tree removal.
#include "platform/Process.h"

#include <windows.h>

#include <vector>

#include "platform/win/AnsiPath.h"
#include "platform/win/Handles.h"
#include "platform/win/MessagePump.h"

namespace quen::platform {

namespace {

constexpr DWORD kIdleWaitMs = 90000;

std::string WithoutTrailingBackslash(std::string s) {
    if (!s.empty() && s.back() == '\\') s.pop_back();
    return s;
}

}  // namespace

std::string TempFolder() {
    std::string folder = TempPath().value_or("C:\\");
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

bool RunAndWait(const std::string& program, const std::string& arguments, const std::string& workingFolder) {
    std::string line = "\"" + program + "\"" + arguments;
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    const std::string folder = WithoutTrailingBackslash(workingFolder);
    if (!CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        return false;
    }
    win::UniqueHandle process(info.hProcess);
    win::UniqueHandle thread(info.hThread);
    WaitForInputIdle(process.get(), kIdleWaitMs);
    win::WaitPumping(process.get());
    return true;
}

void DeleteTree(const std::string& path) {
    const std::string folder = WithoutTrailingBackslash(path);
    // A junction or symbolic link goes by itself: what it points to is not ours to empty.
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        if (!RemoveDirectoryA(folder.c_str())) DeleteFileA(folder.c_str());
        return;
    }
    {
        WIN32_FIND_DATAA found;
        win::UniqueFindHandle find(FindFirstFileA((folder + "\\*").c_str(), &found));
        while (find) {
            const std::string name = found.cFileName;
            const std::string full = folder + "\\" + name;
            if (name == "." || name == "..") {
            } else if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) {
                DeleteTree(full);
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
            if (!FindNextFileA(find.get(), &found)) break;
        }
    }  // the listing is closed before its folder goes
    RemoveDirectoryA(folder.c_str());
}

}  // namespace quen::platform
