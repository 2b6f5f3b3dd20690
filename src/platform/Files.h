// File operations that need the platform: attributes, listing, delete, copy, whole-file I/O.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quen::platform {

// Attribute bits with their Windows values; natively only ReadOnly and Directory occur.
enum FileAttr : unsigned {
    kAttrNormal = 0,
    kAttrReadOnly = 1,
    kAttrHidden = 2,
    kAttrSystem = 4,
    kAttrDirectory = 16,
    kAttrArchive = 32,
};

enum class AttrStatus { Ok, NotFound, AccessDenied, OtherError };

struct AttrResult {
    AttrStatus status = AttrStatus::OtherError;
    unsigned attrs = 0;  // valid when status is Ok
    int error = 0;       // classic error number when status is not Ok
};

// Paths use "\" as separator; the native build maps it to "/".
AttrResult GetAttributes(const std::string& path);
bool SetAttributes(const std::string& path, unsigned attrs);
bool SetAttributesNormal(const std::string& path);

// True when a listing of `pattern` finds an entry allowed by `mask`: entries that are
// hidden, system or directories count only when the mask holds that bit. Windows
// accepts wildcards in the last part; natively the pattern is a plain path.
bool FindEntry(const std::string& pattern, unsigned mask);

// True for a path that names the same entry whatever the current folder is: on Windows
// a drive letter and ":\" or "\\server\share" (IsWindowsFullPath); natively also a path
// from the root ("\tmp\a"), as the native tests' folders are named.
bool IsFullPath(const std::string& path);

// The names of a folder's entries in the order the file system lists them, without
// "." and "..": files (hidden and system ones too) and sub folders apart.
struct FolderListing {
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

// Each returns 0 on success or a classic error number (base/Errors.h).
int ListFolder(const std::string& folder, FolderListing& listing);
int RemoveFile(const std::string& path);
int CopyOneFile(const std::string& source, const std::string& target);
int MakeDirectory(const std::string& path);
// Removes an empty folder.
int RemoveEmptyDirectory(const std::string& path);
// Moves `temp` over `target`, replacing it; `target` must not be read-only.
int MoveReplace(const std::string& temp, const std::string& target);
int ReadWholeFile(const std::string& path, std::string& data);

// Writes `data` to a new file beside `target` and then replaces `target` with it, so a
// failure (refused write, full disk) leaves `target` as it was. A read-only, hidden or
// system target is still replaced; the new file has normal attributes. Returns 0 or a
// classic error number.
int WriteFileReplacing(const std::string& target, const std::string& data);

// Writes `data` as the whole content of `path` (created, or emptied first) and flushes it
// to the disk before closing, so a power loss after the return cannot leave it zero-filled.
// On failure the partly written file is removed. Returns 0 or a classic error number.
int WriteFileFlushed(const std::string& path, const std::string& data);

// Files too large to hold at once, written and read in parts: AppendToFile adds `data` at
// the end of `path` (created when missing); ReadFilePart sets `data` to up to `size` bytes
// from `offset` (fewer at the end of the file); FileSize gives its length. Each returns 0 or a classic error number.
int AppendToFile(const std::string& path, const std::string& data);
int ReadFilePart(const std::string& path, unsigned long long offset, std::size_t size, std::string& data);
int FileSize(const std::string& path, unsigned long long& size);

}  // namespace quen::platform
