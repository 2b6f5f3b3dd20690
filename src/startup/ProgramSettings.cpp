// The program settings file: the values read at start and how they are checked.
#include "startup/ProgramSettings.h"

#include "base/Text.h"

namespace quen {

std::string SettingsFilePath(const std::string& programFolder, const std::string& exeName) {
    return programFolder + "\\" + exeName + ".ini";
}

std::optional<int64_t> ParseSettingsNumber(const std::string& text, int64_t min, int64_t max) {
    const auto v = ReadDecimal(text);
    if (!v || *v < min || *v > max) return std::nullopt;
    return v;
}

}  // namespace quen
