// The section table of a PE file as the regions the difference encoder compares.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "maker/CompFormat.h"

namespace quen {

// A named byte range of a file: 1-based, inclusive; end = start - 1 for an empty one.
struct Region {
    std::string name;
    std::int64_t start = 1;
    std::int64_t end = 0;

    std::int64_t Length() const { return end - start + 1; }
    bool operator==(const Region&) const = default;
};

inline constexpr const char* kFileHeadRegion = "File_Head";

// Entry 0 "File_Head" (the bytes before the first section's data), then one entry per
// section in table order; the section with the largest raw offset runs to the end of the
// file. Empty when the bytes are not a PE file (a section with raw offset 0 counts as not
// PE). Entries are not checked against the file length: see RegionsTileFile.
std::optional<std::vector<Region>> ReadSections(ByteView file);

// True when the regions, in order, follow each other without gap or overlap from the
// first byte to the last: only then is their concatenation the file itself.
bool RegionsTileFile(const std::vector<Region>& regions, std::int64_t fileLength);

}  // namespace quen
