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

    // The scan only advances with both values at least 1, whoever supplied them.
    CompTuning Sanitized() const {
        return {std::max<std::int64_t>(defaultSample, 1), std::max<std::int64_t>(moveSize, 1)};
    }
};

// 8 for the header region, 32 for code, data and relocations, the default otherwise.
inline std::int64_t SampleSizeFor(const std::string& regionName, std::int64_t defaultSample) {
    if (regionName == "File_Head") return 8;
    if (regionName == ".text" || regionName == ".data" || regionName == ".reloc") return 32;
    return defaultSample;
}

}  // namespace quen
