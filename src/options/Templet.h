// Templates (*.tpl): the patch options alone, in an INI file of their own.
#pragma once

#include <string>

#include "project/PatchOptions.h"

namespace quen {

inline constexpr const char* kTempletSection = "Templet";
inline constexpr const char* kTempletIdKey = "QuenlarkTempletFileID";
inline constexpr const char* kTempletId = "Quenlark Templet";

// Writes every option but ShowPicture key by key with the line rules of AppINI: keys
// already in the file are replaced in place, others added, and keys the new options do
// not write (list keys beyond the new counts) stay. The whole file is built in memory and
// then replaces the old one through a temporary file, so any failure leaves the old
// template as it was. Throws quen::Error when the old file cannot be read, when a text
// other than the three window texts holds a line break, or when the file cannot be written.
void SaveTemplet(const std::string& path, const PatchOptions& options);

enum class TempletStatus {
    Loaded,
    WrongFile,  // the identification is not exactly "Quenlark Templet": nothing changed
};

// Reads the template into a copy of `options` and takes the copy over only when the
// whole template was read, so a refused or failed load changes nothing. ShowPicture
// keeps its value. The file is read once and its keys looked up with the line rules of
// AppINI. Throws quen::Error for a file that cannot be read (53 when missing) and for an
// integer key that is absent, not a number (13) or out of range (6).
TempletStatus ReadTemplet(const std::string& path, PatchOptions& options);

// The same for template text already read from its file.
TempletStatus ReadTempletText(const std::string& data, PatchOptions& options);

}  // namespace quen
