// Reading the value encodings of a patch script.
#include "runtime/ScriptValues.h"

#include "startup/FSUPLIBmain.h"

namespace quen::runtime {

std::string Field(std::string_view text, int n) { return GetField(std::string(text), n); }

std::optional<int32_t> ParseScriptNumber(std::string_view text) {
    const auto n = ReadNumber32(text, INT32_MAX);
    if (!n) return std::nullopt;
    return static_cast<int32_t>(*n);
}

int ParseCount(std::string_view text) {
    auto v = ParseScriptNumber(text);
    if (!v || *v < 0) return 0;
    return *v > 32767 ? 32767 : *v;
}

bool ParseTruth(std::string_view text, bool defaultValue) {
    if (text == "True") return true;
    if (text == "False") return false;
    return defaultValue;
}

}  // namespace quen::runtime
