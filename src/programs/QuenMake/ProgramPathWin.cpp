// Program folder and absolute paths through the Windows API (ANSI).
#include <windows.h>

#include "ProgramPath.h"

namespace quen {

std::string ProgramFolder() {
    char buf[MAX_PATH * 4];
    DWORD n = GetModuleFileNameA(nullptr, buf, sizeof buf);
    std::string path(buf, n < sizeof buf ? n : 0);
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty()) return path;
    char buf[MAX_PATH * 4];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof buf, buf, nullptr);
    return n > 0 && n < sizeof buf ? std::string(buf, n) : path;
}

}  // namespace quen
