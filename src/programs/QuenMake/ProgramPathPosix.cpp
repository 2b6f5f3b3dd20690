// Program folder and absolute paths on POSIX systems.
#include <limits.h>
#include <filesystem>
#include <unistd.h>

#include "ProgramPath.h"

namespace quen {

std::string ProgramFolder() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf);
    std::string path(buf, n > 0 ? static_cast<size_t>(n) : 0);
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// Normalised like GetFullPathName ("." and ".." folded), so paths compare by text.
std::string AbsolutePath(const std::string& path) {
    if (path.empty() || path[0] == '\\') return path;
    if (path[0] == '/') return std::filesystem::path(path).lexically_normal().string();
    char buf[PATH_MAX];
    if (!getcwd(buf, sizeof buf)) return path;
    return (std::filesystem::path(buf) / path).lexically_normal().string();
}

}  // namespace quen
