// The program settings file: the values read at start and how they are checked.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quen {

// Values of the settings file kept for the whole run, named after their keys.
struct ProgramSettings {
    int32_t DefSample_Size = 64;
    int32_t Comp_Move_Size = 4;
    int32_t Comp_Mode = 1;  // 1 quick, 2 thorough, 3 compact; absent means 1
    std::string WAVE_Open;  // program folder & "\" & value
    std::string WAVE_End;   // program folder & "\" & value
    int16_t CDExtraPatch = 0;
    std::string Default_TPL;
    std::string Language;
    std::string CABLIB;
    std::string CABLIB_PARAMETER;
    std::string CABLIB_SCRFILE;
    std::string PATCH_EXE_HEAD;
};

// Settings file of a program: folder & "\" & executable name & ".ini".
std::string SettingsFilePath(const std::string& programFolder, const std::string& exeName);

// Reads a whole number from a settings value: blanks around it, an optional sign, decimal
// digits, inside [min, max]. Nothing else is a number.
std::optional<int64_t> ParseSettingsNumber(const std::string& text, int64_t min, int64_t max);

}  // namespace quen
