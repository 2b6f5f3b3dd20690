// The program settings file: the values read at start and how they are checked.
#include "startup/ProgramSettings.h"

#include <cctype>

namespace quen {

std::string SettingsFilePath(const std::string& programFolder, const std::string& exeName) {
    return programFolder + "\\" + exeName + ".ini";
}

std::optional<int64_t> ParseSettingsNumber(const std::string& text, int64_t min, int64_t max) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t digitsStart = i;
    int64_t value = 0;
    for (; i < n && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > max - min + 1) return std::nullopt;  // far out of range; stop before overflow
    }
    if (i == digitsStart) return std::nullopt;
    while (i < n && text[i] == ' ') ++i;
    if (i != n) return std::nullopt;
    if (negative) value = -value;
    if (value < min || value > max) return std::nullopt;
    return value;
}

}  // namespace quen
