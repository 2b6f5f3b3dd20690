// Builds small PE files for tests: a DOS stub pointing at "PE\0\0", a header with an
// empty optional header area, a section table, and the sections' raw data.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "maker/CompFormat.h"

namespace quen::testpe {

struct Section {
    std::string name;
    std::uint32_t rawOffset = 0;  // 0 here means "right after the previous data"
    std::uint32_t rawSize = 0;
};

inline constexpr std::uint32_t kPeOffset = 64;
inline constexpr std::uint16_t kOptionalSize = 0xF0;

inline std::uint32_t TableOffset() { return kPeOffset + 24 + kOptionalSize; }

inline void Put32(Bytes& f, std::size_t at, std::uint32_t v) {
    if (f.size() < at + 4) f.resize(at + 4);
    SetLE32(f, at, v);
}

inline void Put16(Bytes& f, std::size_t at, std::uint16_t v) {
    if (f.size() < at + 2) f.resize(at + 2);
    f[at] = static_cast<std::uint8_t>(v);
    f[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// Headers only (DOS stub, PE header, section table); the file is `headerSize` long, or
// just long enough for the table.
inline Bytes Headers(const std::vector<Section>& sections, std::uint32_t headerSize) {
    Bytes f(std::max<std::size_t>(headerSize, TableOffset() + 40 * sections.size()), 0);
    f[0] = 'M';
    f[1] = 'Z';
    Put32(f, 60, kPeOffset);
    f[kPeOffset] = 'P';
    f[kPeOffset + 1] = 'E';
    Put16(f, kPeOffset + 6, static_cast<std::uint16_t>(sections.size()));
    Put16(f, kPeOffset + 20, kOptionalSize);
    for (std::size_t k = 0; k < sections.size(); ++k) {
        const std::size_t e = TableOffset() + 40 * k;
        for (std::size_t i = 0; i < sections[k].name.size() && i < 8; ++i) f[e + i] = sections[k].name[i];
        Put32(f, e + 16, sections[k].rawSize);
        Put32(f, e + 20, sections[k].rawOffset);
    }
    // Varied bytes inside the (unread) optional header area.
    for (std::size_t i = 0x100; i < TableOffset() && i < headerSize; ++i) f[i] = static_cast<std::uint8_t>(i * 7);
    return f;
}

// A PE file whose sections follow one another in table order after a 0x200-byte header.
inline Bytes Build(const std::vector<std::pair<std::string, Bytes>>& sections, std::uint32_t headerSize = 0x200) {
    const auto tableEnd = static_cast<std::uint32_t>(TableOffset() + 40 * sections.size());
    while (headerSize < tableEnd) headerSize += 0x200;
    std::vector<Section> table;
    std::uint32_t at = headerSize;
    for (const auto& [name, data] : sections) {
        table.push_back({name, at, static_cast<std::uint32_t>(data.size())});
        at += static_cast<std::uint32_t>(data.size());
    }
    Bytes f = Headers(table, headerSize);
    for (const auto& s : sections) f.insert(f.end(), s.second.begin(), s.second.end());
    return f;
}

}  // namespace quen::testpe
