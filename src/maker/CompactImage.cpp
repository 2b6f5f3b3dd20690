// Reading a PE file's sections, image base and base relocations for reference prediction.
#include "maker/CompactImage.h"

#include <algorithm>
#include <cstring>

#include "maker/CompactFormat.h"

namespace quen {
namespace {

constexpr std::uint32_t kExecute = 0x20000000u;  // IMAGE_SCN_MEM_EXECUTE
constexpr int kRelocDirectory = 5;
constexpr std::int64_t kLimit = std::int64_t{1} << 32;

struct Pe {
    std::int64_t optional = -1, optionalSize = 0;
    int sections = 0;
    bool x64 = false;
};

// The PE headers of f, or optional == -1 when f is not a PE file with a whole section table.
Pe ReadPe(ByteView f) {
    Pe pe;
    const auto size = static_cast<std::int64_t>(f.size());
    if (size < 0x40 || f[0] != 'M' || f[1] != 'Z') return pe;
    const std::int64_t at = GetLE32(f.data() + 0x3C);
    if (at > size - 24 || GetLE32(f.data() + at) != 0x00004550) return pe;
    const std::int64_t optionalSize = GetLE16(f.data() + at + 20);
    const int sections = GetLE16(f.data() + at + 6);
    if (at + 24 + optionalSize + 40 * std::int64_t{sections} > size) return pe;
    pe.optional = at + 24;
    pe.optionalSize = optionalSize;
    pe.sections = sections;
    pe.x64 = GetLE16(f.data() + at + 4) == 0x8664;
    return pe;
}

std::vector<ImageSection> SectionsOf(ByteView f, const Pe& pe) {
    std::vector<ImageSection> out;
    for (int i = 0; i < pe.sections; ++i) {
        const std::uint8_t* s = f.data() + pe.optional + pe.optionalSize + 40 * i;
        ImageSection x;
        x.raw = GetLE32(s + 20);
        x.rawSize = std::clamp<std::int64_t>(static_cast<std::int64_t>(f.size()) - x.raw, 0, GetLE32(s + 16));
        x.rva = GetLE32(s + 12);
        x.virtualSize = GetLE32(s + 8);
        std::memcpy(x.name, s, 8);
        out.push_back(x);
    }
    return out;
}

// The old position of address `rva`, or -1 when no section holds it in the file.
std::int64_t RawOf(const std::vector<ImageSection>& sections, std::int64_t rva) {
    for (const ImageSection& s : sections) {
        if (rva >= s.rva && rva - s.rva < s.rawSize) return s.raw + (rva - s.rva);
    }
    return -1;
}

std::uint64_t Get(const std::uint8_t* p, int width) {
    std::uint64_t v = 0;
    for (int i = width - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

std::vector<Fixup> FixupsOf(ByteView f, const Pe& pe, const std::vector<ImageSection>& sections) {
    const std::uint8_t* opt = f.data() + pe.optional;
    const std::int64_t dirs = pe.x64 ? 112 : 96;
    if (pe.optionalSize < dirs + 8 * (kRelocDirectory + 1) || GetLE32(opt + dirs - 4) <= kRelocDirectory) return {};
    const std::int64_t start = RawOf(sections, GetLE32(opt + dirs + 8 * kRelocDirectory));
    const std::int64_t size = static_cast<std::int64_t>(f.size());
    const std::int64_t end = std::min(size, start + GetLE32(opt + dirs + 8 * kRelocDirectory + 4));
    // The blocks' sizes first, so the list is allocated once.
    std::int64_t entries = 0;
    for (std::int64_t at = start; start >= 0 && at + 8 <= end;) {
        const std::int64_t block = GetLE32(f.data() + at + 4);
        if (block < 8 || block > end - at) break;
        entries += (block - 8) / 2;
        at += block;
    }
    std::vector<Fixup> out;
    out.reserve(static_cast<std::size_t>(entries));
    for (std::int64_t at = start; start >= 0 && at + 8 <= end;) {
        const std::int64_t page = GetLE32(f.data() + at), block = GetLE32(f.data() + at + 4);
        if (block < 8 || block > end - at) break;
        for (std::int64_t e = at + 8; e + 2 <= at + block; e += 2) {
            const int entry = GetLE16(f.data() + e), type = entry >> 12, width = type == 3 ? 4 : type == 10 ? 8 : 0;
            const std::int64_t raw = width ? RawOf(sections, page + (entry & 0xFFF)) : -1;
            if (raw >= 0 && raw + width <= size) out.push_back({static_cast<std::uint32_t>(raw), static_cast<std::uint32_t>(width)});
        }
        at += block;
    }
    // Linkers write them in order; of overlapping ones the first (the narrower) is kept.
    const auto before = [](const Fixup& a, const Fixup& b) { return a.at != b.at ? a.at < b.at : a.width < b.width; };
    if (!std::is_sorted(out.begin(), out.end(), before)) std::sort(out.begin(), out.end(), before);
    std::size_t kept = 0;
    for (const Fixup& x : out) {
        if (kept == 0 || x.at >= out[kept - 1].at + out[kept - 1].width) out[kept++] = x;
    }
    out.resize(kept);
    return out;
}

}  // namespace

OldCode FindOldCode(ByteView f) {
    OldCode code;
    const Pe pe = ReadPe(f);
    if (pe.optional < 0) {
        code.ranges = {{0, static_cast<std::int64_t>(f.size())}};
        return code;
    }
    code.x64 = pe.x64;
    code.sections = SectionsOf(f, pe);
    for (int i = 0; i < pe.sections; ++i) {
        const ImageSection& s = code.sections[static_cast<std::size_t>(i)];
        const std::uint8_t* header = f.data() + pe.optional + pe.optionalSize + 40 * i;
        if ((GetLE32(header + 36) & kExecute) && s.rawSize > 0) code.ranges.push_back({s.raw, s.raw + s.rawSize});
    }
    std::sort(code.ranges.begin(), code.ranges.end());
    const std::int64_t baseAt = pe.x64 ? 24 : 28;
    if (pe.optionalSize >= baseAt + 8) code.imageBase = Get(f.data() + pe.optional + baseAt, pe.x64 ? 8 : 4);
    code.fixups = FixupsOf(f, pe, code.sections);
    return code;
}

ImageMoves MovesOf(const OldCode& old, ByteView newFile) {
    ImageMoves m;
    m.moves.assign(old.sections.size(), {0, 0});
    const OldCode next = FindOldCode(newFile);
    if (next.sections.empty()) return m;
    m.base = static_cast<std::int64_t>(next.imageBase - old.imageBase);
    if (m.base <= -kLimit || m.base >= kLimit) m.base = 0;
    for (std::size_t i = 0; i < old.sections.size(); ++i) {
        const ImageSection& o = old.sections[i];
        const ImageSection* n = old.sections.size() == next.sections.size() ? &next.sections[i] : nullptr;
        for (const ImageSection& s : next.sections) {
            if (!n && std::memcmp(s.name, o.name, 8) == 0) n = &s;
        }
        if (n) m.moves[i] = {(n->rva - n->raw) - (o.rva - o.raw), n->rva - o.rva};
    }
    return m;
}

void PutMoves(Bytes& out, const ImageMoves& m) {
    PutVarint(out, ZigZag(m.base));
    for (const auto& [skew, rva] : m.moves) {
        PutVarint(out, ZigZag(skew));
        PutVarint(out, ZigZag(rva));
    }
}

bool ReadMoves(ByteView stream, std::size_t sections, ImageMoves& m) {
    VarintReader r(stream);
    const auto next = [&](std::int64_t& v) {
        std::uint64_t u;
        if (!r.Next(u)) return false;
        v = UnZigZag(u);
        return v > -kLimit && v < kLimit;
    };
    m.moves.assign(sections, {0, 0});
    if (!next(m.base)) return false;
    for (auto& [skew, rva] : m.moves) {
        if (!next(skew) || !next(rva)) return false;
    }
    return r.AtEnd();
}

}  // namespace quen
