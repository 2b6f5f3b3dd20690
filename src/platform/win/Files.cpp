// The file seam on Windows: attributes, listing with an attribute mask, delete, copy, folders.
#include "platform/Files.h"

#include <windows.h>

#include "base/Text.h"
#include "platform/win/WinError.h"
#include "platform/win/Handles.h"

namespace quen::platform {

using win::ClassicError;

namespace {

int LastError() { return ClassicError(GetLastError()); }

bool Allowed(DWORD attrs, unsigned mask) {
    return (attrs & (kAttrHidden | kAttrSystem | kAttrDirectory) & ~mask) == 0;
}

}  // namespace

AttrResult GetAttributes(const std::string& path) {
    AttrResult r;
    const DWORD attrs = GetFileAttributesA(path.c_str());
    if (attrs != INVALID_FILE_ATTRIBUTES) {
        r.status = AttrStatus::Ok;
        r.attrs = attrs;
        return r;
    }
    const DWORD err = GetLastError();
    r.error = ClassicError(err);
    if (err == ERROR_FILE_NOT_FOUND) r.status = AttrStatus::NotFound;
    if (err == ERROR_ACCESS_DENIED) r.status = AttrStatus::AccessDenied;
    return r;
}

bool SetAttributes(const std::string& path, unsigned attrs) {
    return SetFileAttributesA(path.c_str(), attrs == 0 ? FILE_ATTRIBUTE_NORMAL : attrs) != 0;
}

bool SetAttributesNormal(const std::string& path) { return SetAttributes(path, kAttrNormal); }

bool IsFullPath(const std::string& path) { return IsWindowsFullPath(path); }

bool FindEntry(const std::string& pattern, unsigned mask) {
    if (pattern.empty()) return false;
    // A folder path with a trailing "\" lists the folder's content.
    const std::string query = pattern.back() == '\\' ? pattern + "*" : pattern;
    WIN32_FIND_DATAA data;
    quen::win::UniqueFindHandle h(FindFirstFileA(query.c_str(), &data));
    if (!h) return false;
    do {
        if (Allowed(data.dwFileAttributes, mask)) return true;
    } while (FindNextFileA(h.get(), &data));
    return false;
}

int ListFolder(const std::string& folder, FolderListing& listing) {
    WIN32_FIND_DATAA data;
    quen::win::UniqueFindHandle h(FindFirstFileA((folder + "\\*").c_str(), &data));
    if (!h) return LastError();
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? listing.folders : listing.files).push_back(name);
    } while (FindNextFileA(h.get(), &data));
    return 0;
}

int RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) ? 0 : LastError(); }

int CopyOneFile(const std::string& source, const std::string& target) {
    return CopyFileA(source.c_str(), target.c_str(), FALSE) ? 0 : LastError();
}

int MakeDirectory(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) ? 0 : LastError();
}

int RemoveEmptyDirectory(const std::string& path) { return RemoveDirectoryA(path.c_str()) ? 0 : LastError(); }

int MoveReplace(const std::string& temp, const std::string& target) {
    const DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    return MoveFileExA(temp.c_str(), target.c_str(), flags) ? 0 : LastError();
}

}  // namespace quen::platform
