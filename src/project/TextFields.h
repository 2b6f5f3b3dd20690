// Small text routines of the project formats: comma fields, trimming, replacing.
#pragma once

#include <string>
#include <vector>

#include "startup/IniLines.h"

namespace quen {

// Blanks (spaces) removed at both ends, as the INI line rules trim.
using ini::TrimBlanks;

// Every comma-separated field of `text`, each cut at its first NUL and trimmed; a text
// without commas is one field.
std::vector<std::string> SplitFields(const std::string& text);

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);

}  // namespace quen
