// The encoder's tuning values and the sample size each region is compared with.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

namespace quen {

// Defaults are the shipped settings' values (DefSample_Size, Comp_Move_Size).
struct CompTuning {
    std::int64_t defaultSample = 64;
    std::int64_t moveSize = 4;

    // The scan only advances with both values at least 1, whoever supplied them; values
    // beyond any file's length (files are below 4 GiB) act alike and are cut to keep
    // position arithmetic in range.
    static std::int64_t Clamped(std::int64_t v) { return std::clamp<std::int64_t>(v, 1, std::int64_t{1} << 32); }
    CompTuning Sanitized() const { return {Clamped(defaultSample), Clamped(moveSize)}; }
};

// 8 for the header region, 32 for code, data and relocations, the default otherwise.
inline std::int64_t SampleSizeFor(const std::string& regionName, std::int64_t defaultSample) {
    if (regionName == "File_Head") return 8;
    if (regionName == ".text" || regionName == ".data" || regionName == ".reloc") return 32;
    return defaultSample;
}

}  // namespace quen
