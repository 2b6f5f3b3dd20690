// FSUPLIBmain: the text, path and file routines used everywhere (comma fields, path
// parts, byte lists, existence tests, directory-of, forced delete, copy with folder).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Text.h"

namespace quen {

using ByteList = std::vector<std::uint8_t>;  // element 0 is the first byte

// --- text ----------------------------------------------------------------------------

// The n-th (from 1) comma-separated field, cut at its first NUL and trimmed of blanks;
// "" when the text has fewer fields. A field cannot contain a comma.
std::string GetField(const std::string& text, int n);
// The text after the last "\" (the whole text when there is none).
std::string GetFileName(const std::string& path);
// The name's text after its last ".", in upper case; "" when the name has no ".".
std::string GetExtension(const std::string& path);
// Removes one trailing "\".
std::string StripTrailingBackslash(const std::string& text);
// Removes every NUL.
std::string StripNuls(const std::string& text);
// Trims blanks, then cuts before the first NUL.
std::string CutAtNul(const std::string& text);
// Removes every blank.
std::string RemoveBlanks(const std::string& text);

// Comma-separated hexadecimal items ("0A, ff,1"), one byte each; the first empty item
// ends the list. Throws quen::Error 13 for an item that is not hexadecimal and 6 for
// one above FF.
ByteList HexListToBytes(const std::string& text);
// Texts are bytes of the system code page, so these copy byte for byte.
std::string BytesToText(const ByteList& bytes);
ByteList TextToBytes(const std::string& text);
// 0x12345678 -> 0x78563412
std::uint32_t SwapBytes32(std::uint32_t value);

// --- files ------------------------------------------------------------------------------

// Attribute masks of FileExists.
inline constexpr unsigned kFindNormal = 0;         // normal (and read-only) files only
inline constexpr unsigned kFindHiddenSystem = 6;   // also hidden and system files
inline constexpr unsigned kFindDirectories = 16;   // also folders

// False for an empty path; otherwise true when a listing of the path finds an entry the
// mask allows. Errors count as false.
bool FileExists(const std::string& path, unsigned mask);

// Whether `path` names one ordinary file (normal or read-only) at exactly that path: an
// empty name, a path ending in "\", a folder or a wildcard pattern is none.
bool IsPlainFile(const std::string& path);

// The procedure name GetDir reports its errors under.
inline constexpr const char* kGetDirErrorName = "GetPathInPathName";
// Receives GetDir's errors: a classic error number and the procedure name. The editor
// connects its error report; the default shows nothing.
using PathErrorReport = std::function<void(int errorNumber, const std::string& procedure)>;

// A folder path without its trailing "\"; for a file or a path that names nothing (or
// whose access is refused), the text before the last "\" ("" when that "\" is the first
// or second character or missing). When the attributes cannot be read for another
// reason (an invalid name, a missing folder on the way) `report` is called and the
// result is "".
std::string GetDir(const std::string& path, const PathErrorReport& report = {});

// Clears the attributes of an existing file (hidden and system included) and deletes
// it. True also when there is nothing to delete; false on any error.
bool DeleteFileForce(const std::string& path);
// Creates the target's folder (one level) when missing, then copies the file over any
// existing target. False on any error.
bool CopyFileEnsure(const std::string& source, const std::string& target);

}  // namespace quen
