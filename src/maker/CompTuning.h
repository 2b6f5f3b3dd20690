// The encoder's tuning values and the sample size each region is compared with.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "startup/ProgramSettings.h"

namespace quen {

// How hard the encoder searches (settings key Comp_Mode). Quick: the greedy forward
// scan region by region. Thorough: matches anywhere in the old file, records chosen for
// the smallest data after compression; slower, same record types, so every decoder reads it.
// Compact: the compact format (maker/CompactFormat.h), approximate copies, the smallest data.
enum class CompMode { Quick = 1, Thorough = 2, Compact = 3 };

// 1, 2 and 3 as the settings file writes them; anything else is no mode.
inline std::optional<CompMode> CompModeFromNumber(std::int64_t v) {
    if (v >= 1 && v <= 3) return static_cast<CompMode>(v);
    return std::nullopt;
}

// Defaults are the shipped settings' values (DefSample_Size, Comp_Move_Size, Comp_Mode).
struct CompTuning {
    std::int64_t defaultSample = 64;
    std::int64_t moveSize = 4;
    CompMode mode = CompMode::Quick;

    // The scan only advances with both values at least 1, whoever supplied them; values
    // beyond any file's length (files are below 4 GiB) act alike and are cut to keep
    // position arithmetic in range.
    static std::int64_t Clamped(std::int64_t v) { return std::clamp<std::int64_t>(v, 1, std::int64_t{1} << 32); }
    CompTuning Sanitized() const { return {Clamped(defaultSample), Clamped(moveSize), mode}; }
};

// The encoder's values as the program settings hold them (checked when they were read).
inline CompTuning TuningFromSettings(const ProgramSettings& s) {
    return CompTuning{s.DefSample_Size, s.Comp_Move_Size, CompModeFromNumber(s.Comp_Mode).value_or(CompMode::Quick)}
        .Sanitized();
}

// 8 for the header region, 32 for code, data and relocations, the default otherwise.
inline std::int64_t SampleSizeFor(const std::string& regionName, std::int64_t defaultSample) {
    if (regionName == "File_Head") return 8;
    if (regionName == ".text" || regionName == ".data" || regionName == ".reloc") return 32;
    return defaultSample;
}

}  // namespace quen
