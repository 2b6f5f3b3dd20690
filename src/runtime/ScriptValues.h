// Reading the value encodings of a patch script: numbers, counts, truth values, fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/Text.h"

namespace quen::runtime {

// The n-th (from 1) comma-separated field, cut at a NUL and trimmed; "" past the end.
std::string Field(std::string_view text, int n);

// Decimal (optional sign, 32-bit range) or "&H" with one to eight hex digits (the 32-bit
// pattern, so &HFFFFFFFF is -1). Blanks around are allowed; anything else is no number.
std::optional<int32_t> ParseScriptNumber(std::string_view text);

// A count (ProcCount, Count, registry list sizes): no number counts as 0; limited to 0..32767.
int ParseCount(std::string_view text);

// "True" / "False"; any other text gives the default.
bool ParseTruth(std::string_view text, bool defaultValue);

}  // namespace quen::runtime
