// Native path and error helpers for the POSIX file seam.
#include "platform/posix/NativePath.h"

#include <cerrno>
#include <sys/stat.h>

#include "base/Errors.h"

namespace quen::platform::posix {

std::string NativePath(const std::string& path) {
    std::string out = path;
    for (char& c : out) {
        if (c == '\\') c = '/';
    }
    return out;
}

bool HasInvalidNameChar(const std::string& path) {
    for (std::size_t i = 0; i < path.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (c < 32 || c == '<' || c == '>' || c == '"' || c == '|' || c == '?' || c == '*') return true;
        if (c == ':' && i != 1) return true;
    }
    return false;
}

namespace {

bool ParentExists(const std::string& nativePath) {
    const auto slash = nativePath.find_last_of('/');
    if (slash == std::string::npos) return true;  // relative to the current folder
    if (slash == 0) return true;
    struct stat st {};
    return ::stat(nativePath.substr(0, slash).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

int ClassicError(int err, const std::string& nativePath) {
    switch (err) {
        case ENOENT:
            return ParentExists(nativePath) ? kErrFileNotFound : kErrPathFileAccess;
        case EACCES:
        case EPERM:
        case EROFS:
        case EBUSY:
        case ETXTBSY:
            return kErrPermissionDenied;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return kErrDiskFull;
        default:
            return kErrPathFileAccess;
    }
}

}  // namespace quen::platform::posix
