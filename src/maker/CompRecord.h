// One record of difference data as the encoder produces it, before it is written out.
#pragma once

#include <cstdint>
#include <vector>

namespace quen {

struct CompRecord {
    enum Kind { Literal, Copy };
    Kind kind = Literal;
    // Literal: first new position (1-based) of the bytes; copy: old position (1-based).
    std::int64_t position = 0;
    std::int64_t count = 0;

    bool operator==(const CompRecord&) const = default;
};

using CompRecords = std::vector<CompRecord>;

}  // namespace quen
