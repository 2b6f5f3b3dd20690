// Comma fields of the project formats.
#pragma once

#include <string>
#include <vector>

#include "base/Text.h"

namespace quen {

// Every comma-separated field of `text`, each cut at its first NUL and trimmed; a text
// without commas is one field.
std::vector<std::string> SplitFields(const std::string& text);

}  // namespace quen
