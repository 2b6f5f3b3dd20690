// The file seam on POSIX: attributes from the mode bits, listing, delete, copy, folders.
#include "platform/Files.h"

#include <cerrno>
#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Errors.h"
#include "base/Text.h"
#include "platform/posix/NativePath.h"

namespace quen::platform {

using posix::ClassicError;
using posix::HasInvalidNameChar;
using posix::NativePath;

AttrResult GetAttributes(const std::string& path) {
    AttrResult r;
    if (path.empty() || HasInvalidNameChar(path)) {
        r.error = kErrPathFileAccess;
        return r;
    }
    const std::string native = NativePath(path);
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0) {
        const int err = errno;
        r.error = ClassicError(err, native);
        if (r.error == kErrFileNotFound) r.status = AttrStatus::NotFound;
        if (err == EACCES) r.status = AttrStatus::AccessDenied;
        return r;
    }
    r.status = AttrStatus::Ok;
    if (S_ISDIR(st.st_mode)) r.attrs |= kAttrDirectory;
    // Root may write anything, so the mode bit (not access()) decides read-only.
    if ((st.st_mode & S_IWUSR) == 0) r.attrs |= kAttrReadOnly;
    return r;
}

bool SetAttributes(const std::string& path, unsigned attrs) {
    const std::string native = NativePath(path);
    struct stat st {};
    if (path.empty() || ::stat(native.c_str(), &st) != 0) return false;
    mode_t mode = st.st_mode & 07777;
    if (attrs & kAttrReadOnly) {
        mode &= ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
    } else {
        mode |= S_IWUSR;
    }
    return ::chmod(native.c_str(), mode) == 0;
}

bool SetAttributesNormal(const std::string& path) { return SetAttributes(path, kAttrNormal); }

namespace {

bool Allowed(unsigned attrs, unsigned mask) {
    return (attrs & (kAttrHidden | kAttrSystem | kAttrDirectory) & ~mask) == 0;
}

// A listing of a folder ("C:\A\") finds its "." entry or any file.
bool FolderHasEntry(const std::string& native, unsigned mask) {
    if (mask & kAttrDirectory) return ::access(native.c_str(), F_OK) == 0;
    DIR* dir = ::opendir(native.c_str());
    if (dir == nullptr) return false;
    bool found = false;
    while (dirent* e = ::readdir(dir)) {
        struct stat st {};
        const std::string full = native + e->d_name;
        if (::stat(full.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

}  // namespace

bool IsFullPath(const std::string& path) {
    return IsWindowsFullPath(path) || (!path.empty() && (path[0] == '\\' || path[0] == '/'));
}

bool FindEntry(const std::string& pattern, unsigned mask) {
    if (pattern.empty() || HasInvalidNameChar(pattern)) return false;
    const std::string native = NativePath(pattern);
    if (native.back() == '/') return FolderHasEntry(native, mask);
    const AttrResult a = GetAttributes(pattern);
    return a.status == AttrStatus::Ok && Allowed(a.attrs, mask);
}

int ListFolder(const std::string& folder, FolderListing& listing) {
    const std::string native = NativePath(folder) + "/";
    DIR* dir = ::opendir(native.c_str());
    if (dir == nullptr) return ClassicError(errno, native);
    while (dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        struct stat st {};
        if (name == "." || name == ".." || ::stat((native + name).c_str(), &st) != 0) continue;
        (S_ISDIR(st.st_mode) ? listing.folders : listing.files).push_back(name);
    }
    ::closedir(dir);
    return 0;
}

int RemoveEmptyDirectory(const std::string& path) {
    if (HasInvalidNameChar(path)) return kErrPathFileAccess;
    const std::string native = NativePath(path);
    return ::rmdir(native.c_str()) == 0 ? 0 : ClassicError(errno, native);
}

int RemoveFile(const std::string& path) {
    const std::string native = NativePath(path);
    struct stat st {};
    if (::lstat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return kErrPathFileAccess;
    if (::unlink(native.c_str()) != 0) return ClassicError(errno, native);
    return 0;
}

int CopyOneFile(const std::string& source, const std::string& target) {
    std::error_code ec;
    const std::string to = NativePath(target);
    std::filesystem::copy_file(NativePath(source), to,
                               std::filesystem::copy_options::overwrite_existing, ec);
    return ec ? ClassicError(ec.value(), to) : 0;
}

int MakeDirectory(const std::string& path) {
    if (HasInvalidNameChar(path)) return kErrPathFileAccess;
    const std::string native = NativePath(path);
    if (::mkdir(native.c_str(), 0777) != 0) {
        return errno == EEXIST ? kErrPathFileAccess : ClassicError(errno, native);
    }
    return 0;
}

int MoveReplace(const std::string& temp, const std::string& target) {
    const std::string to = NativePath(target);
    if (::rename(NativePath(temp).c_str(), to.c_str()) != 0) return ClassicError(errno, to);
    return 0;
}

}  // namespace quen::platform
