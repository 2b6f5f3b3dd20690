// Builds uncompressed cabinets for tests: one folder, the files' bytes in 32 KB data blocks
// with their checksums, and the offsets of each part so tests can damage them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "build/CabChecksum.h"
#include "build/CompFormat.h"

namespace quen::testcab {

struct Cabinet {
    Bytes bytes;
    std::size_t filesAt = 0;  // first file entry
    std::size_t dataAt = 0;   // first data block
};

inline void Put16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline Cabinet Build(const std::vector<std::pair<std::string, std::string>>& files) {
    Bytes entries, content;
    for (const auto& [name, data] : files) {
        PutLE32(entries, static_cast<std::uint32_t>(data.size()));
        PutLE32(entries, static_cast<std::uint32_t>(content.size()));
        for (int i = 0; i < 4; ++i) Put16(entries, 0);  // folder 0, date, time, attributes
        entries.insert(entries.end(), name.begin(), name.end());
        entries.push_back(0);
        content.insert(content.end(), data.begin(), data.end());
    }
    Bytes blocks;
    std::uint16_t count = 0;
    for (std::size_t at = 0; at < content.size() || count == 0; at += 32768, ++count) {
        const std::size_t n = std::min<std::size_t>(32768, content.size() - at);
        const ByteView part(content.data() + at, n);
        PutLE32(blocks, CabDataChecksum(part, static_cast<std::uint16_t>(n), static_cast<std::uint16_t>(n)));
        Put16(blocks, static_cast<std::uint16_t>(n));
        Put16(blocks, static_cast<std::uint16_t>(n));
        blocks.insert(blocks.end(), part.begin(), part.end());
        if (content.empty()) break;
    }
    Cabinet c;
    c.filesAt = 36 + 8;
    c.dataAt = c.filesAt + entries.size();
    Bytes& b = c.bytes;
    b = {'M', 'S', 'C', 'F', 0, 0, 0, 0};
    PutLE32(b, static_cast<std::uint32_t>(c.dataAt + blocks.size()));
    PutLE32(b, 0);
    PutLE32(b, static_cast<std::uint32_t>(c.filesAt));
    PutLE32(b, 0);
    b.push_back(3);
    b.push_back(1);
    Put16(b, 1);
    Put16(b, static_cast<std::uint16_t>(files.size()));
    for (int i = 0; i < 3; ++i) Put16(b, 0);  // flags, set id, cabinet index
    PutLE32(b, static_cast<std::uint32_t>(c.dataAt));
    Put16(b, count);
    Put16(b, 0);  // no compression
    b.insert(b.end(), entries.begin(), entries.end());
    b.insert(b.end(), blocks.begin(), blocks.end());
    return c;
}

}  // namespace quen::testcab
