// Reading the section table of a PE file.
#include "maker/CompSections.h"

#include <algorithm>

namespace quen {
namespace {

constexpr std::size_t kPeOffsetField = 60;
constexpr std::size_t kSectionEntrySize = 40;

std::string SectionName(const std::uint8_t* entry) {
    std::string name;
    for (int i = 0; i < 8; ++i) {
        if (entry[i] != 0) name.push_back(static_cast<char>(entry[i]));
    }
    return name;
}

// Offset of the section table and the section count, when the headers are whole.
std::optional<std::pair<std::uint64_t, unsigned>> LocateTable(ByteView file) {
    const std::uint64_t length = file.size();
    if (length < kPeOffsetField + 4) return std::nullopt;
    const std::uint64_t pe = GetLE32(file.data() + kPeOffsetField);
    if (pe < 61 || pe + 24 > length) return std::nullopt;
    const std::uint8_t* h = file.data() + pe;
    if (h[0] != 'P' || h[1] != 'E' || h[2] != 0 || h[3] != 0) return std::nullopt;
    const unsigned count = GetLE16(h + 6);
    const std::uint64_t table = pe + 24 + GetLE16(h + 20);
    if (count == 0 || table + count * kSectionEntrySize > length) return std::nullopt;
    return std::make_pair(table, count);
}

}  // namespace

std::optional<std::vector<Region>> ReadSections(ByteView file) {
    const auto located = LocateTable(file);
    if (!located) return std::nullopt;
    const auto [table, count] = *located;
    std::vector<Region> regions{{kFileHeadRegion, 1, 0}};
    std::int64_t smallest = 0;
    std::size_t largestIndex = 0;
    std::int64_t largest = 0;
    for (unsigned k = 0; k < count; ++k) {
        const std::uint8_t* entry = file.data() + table + k * kSectionEntrySize;
        const std::int64_t size = GetLE32(entry + 16);
        const std::int64_t offset = static_cast<std::int32_t>(GetLE32(entry + 20));
        if (offset <= 0) return std::nullopt;
        regions.push_back({SectionName(entry), offset + 1, offset + size});
        smallest = (k == 0) ? offset : std::min(smallest, offset);
        if (offset > largest) {
            largest = offset;
            largestIndex = regions.size() - 1;
        }
    }
    regions.front().end = smallest;
    regions[largestIndex].end = static_cast<std::int64_t>(file.size());
    return regions;
}

bool RegionsTileFile(const std::vector<Region>& regions, std::int64_t fileLength) {
    std::int64_t next = 1;
    for (const Region& r : regions) {
        if (r.start != next || r.end < r.start - 1) return false;
        next = r.end + 1;
    }
    return next == fileLength + 1;
}

}  // namespace quen
