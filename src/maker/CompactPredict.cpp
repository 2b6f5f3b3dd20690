// The copy map and the rel32 prediction shared by the compact encoder and decoder.
#include "maker/CompactPredict.h"

#include <algorithm>

namespace quen {
namespace {

// Positions no valid data reaches (files are below 4 GiB), so sums cannot overflow.
constexpr std::int64_t kFar = std::int64_t{1} << 40;
constexpr int kBlockBits = 8;

}  // namespace

void CopyMap::Add(std::int64_t newStart, std::int64_t oldStart, std::int64_t length) {
    if (length > 0) copies_.push_back({oldStart, newStart, length});
}

void CopyMap::Finish() {
    std::stable_sort(copies_.begin(), copies_.end(), [](const Copy& a, const Copy& b) { return a.oldStart < b.oldStart; });
    const std::int64_t last = copies_.empty() ? -1 : std::max<std::int64_t>(-1, copies_.back().oldStart >> kBlockBits);
    blockEnd_.assign(static_cast<std::size_t>(last + 1), 0);
    std::size_t i = 0;
    for (std::int64_t b = 0; b <= last; ++b) {
        while (i < copies_.size() && copies_[i].oldStart >> kBlockBits <= b) ++i;
        blockEnd_[static_cast<std::size_t>(b)] = static_cast<std::uint32_t>(i);
    }
}

std::int64_t CopyMap::NewOf(std::int64_t o) const {
    const std::int64_t b = o >> kBlockBits, blocks = static_cast<std::int64_t>(blockEnd_.size());
    const auto from = copies_.begin() + (b > 0 ? blockEnd_[static_cast<std::size_t>(std::min(b, blocks) - 1)] : 0);
    const auto to = b < blocks ? copies_.begin() + blockEnd_[static_cast<std::size_t>(b)] : copies_.end();
    auto it = std::upper_bound(from, to, o, [](std::int64_t v, const Copy& c) { return v < c.oldStart; });
    for (int k = 0; k < kReach && it != copies_.begin(); ++k) {
        --it;
        if (o < it->oldStart + it->length) return it->newStart + (o - it->oldStart);
    }
    return -1;
}

bool CopyMapOfStream(ByteView commands, CopyMap& map) {
    VarintReader r(commands);
    std::int64_t n = 0, oldEnd = 0;
    while (!r.AtEnd()) {
        std::uint64_t literal, copy, delta;
        if (!r.Next(literal) || !r.Next(copy) || !r.Next(delta)) return false;
        // Larger values are refused by the decoding pass; here they only must not overflow.
        if (literal > 0xFFFFFFFFu || copy > 0xFFFFFFFFu || delta > 0x3FFFFFFFFu) return false;
        n += static_cast<std::int64_t>(literal);
        oldEnd += UnZigZag(delta);
        map.Add(n, oldEnd, static_cast<std::int64_t>(copy));
        n += static_cast<std::int64_t>(copy);
        oldEnd += static_cast<std::int64_t>(copy);
        if (n > kFar || oldEnd > kFar || oldEnd < -kFar) return false;
    }
    map.Finish();
    return true;
}

CopyMap CopyMapOf(const CompactCommands& commands) {
    CopyMap map;
    std::int64_t n = 0;
    for (const CompactCommand& c : commands) {
        n += c.literal;
        map.Add(n, c.oldStart, c.copy);
        n += c.copy;
    }
    map.Finish();
    return map;
}

OldCode FindOldCode(ByteView f) {
    OldCode code;
    const auto size = static_cast<std::int64_t>(f.size());
    const auto whole = [&] {
        code.ranges = {{0, size}};
        code.x64 = false;
        return code;
    };
    if (size < 0x40 || f[0] != 'M' || f[1] != 'Z') return whole();
    const std::int64_t pe = GetLE32(f.data() + 0x3C);
    if (pe > size - 24 || GetLE32(f.data() + pe) != 0x00004550) return whole();
    const int sections = GetLE16(f.data() + pe + 6);
    const std::int64_t table = pe + 24 + GetLE16(f.data() + pe + 20);
    if (table + 40 * std::int64_t{sections} > size) return whole();
    code.x64 = GetLE16(f.data() + pe + 4) == 0x8664;
    for (int i = 0; i < sections; ++i) {
        const std::uint8_t* s = f.data() + table + 40 * i;
        const std::int64_t raw = GetLE32(s + 20), length = GetLE32(s + 16);
        if (!(GetLE32(s + 36) & 0x20000000u) || raw >= size) continue;  // IMAGE_SCN_MEM_EXECUTE
        code.ranges.push_back({raw, std::min(size, raw + length)});
    }
    std::sort(code.ranges.begin(), code.ranges.end());
    return code;
}

namespace {

// The field of a reference instruction at p (its bytes end before `end`), or -1.
std::int64_t FieldAt(const std::uint8_t* old, std::int64_t p, std::int64_t end, bool x64) {
    const std::uint8_t op = old[p];
    if (op == 0xE8 || op == 0xE9) return p + 1;
    if (p + 6 > end) return -1;
    if (op == 0x0F && (old[p + 1] & 0xF0) == 0x80) return p + 2;
    if (!x64) return -1;
    if (op == 0xFF && (old[p + 1] == 0x15 || old[p + 1] == 0x25)) return p + 2;
    const std::int64_t at = (op & 0xF0) == 0x40 ? p + 1 : p;
    if (at + 6 > end) return -1;
    switch (old[at]) {
        case 0x03: case 0x2B: case 0x33: case 0x39: case 0x3B: case 0x63: case 0x85: case 0x89: case 0x8B: case 0x8D:
            return (old[at + 1] & 0xC7) == 0x05 ? at + 2 : -1;
        default:
            return -1;
    }
}

// The bytes that may begin a reference instruction (FieldAt decides), so the scan skips
// every other byte with one lookup.
struct StartBytes {
    bool x86[256] = {}, x64[256] = {};
    StartBytes() {
        for (int b : {0xE8, 0xE9, 0x0F}) x86[b] = x64[b] = true;
        for (int b : {0xFF, 0x03, 0x2B, 0x33, 0x39, 0x3B, 0x63, 0x85, 0x89, 0x8B, 0x8D}) x64[b] = true;
        for (int b = 0x40; b <= 0x4F; ++b) x64[b] = true;
    }
};

}  // namespace

void PredictReferences(ByteView oldFile, const OldCode& code, const CopyMap& map, std::int64_t oldStart,
                       std::int64_t newStart, std::uint8_t* out, std::int64_t count) {
    const std::uint8_t* old = oldFile.data();
    const auto oldSize = static_cast<std::int64_t>(oldFile.size());
    const std::int64_t copyEnd = oldStart + count;
    static const StartBytes starts;
    const bool* may = code.x64 ? starts.x64 : starts.x86;
    for (const auto& [rangeStart, rangeEnd] : code.ranges) {
        const std::int64_t end = std::min(copyEnd, rangeEnd);
        for (std::int64_t p = std::max(oldStart, rangeStart); p + 5 <= end;) {
            if (!may[old[p]]) {
                ++p;
                continue;
            }
            const std::int64_t field = FieldAt(old, p, end, code.x64);
            const std::int64_t target = field < 0 ? -1 : field + 4 + static_cast<std::int32_t>(GetLE32(old + field));
            if (target < 0 || target >= oldSize) {
                ++p;
                continue;
            }
            if (const std::int64_t newTarget = map.NewOf(target); newTarget >= 0) {
                const std::int64_t newField = newStart + (field - oldStart);
                const auto predicted = static_cast<std::uint32_t>(newTarget - newField - 4);
                std::uint8_t* f = out + (field - oldStart);
                for (int i = 0; i < 4; ++i) f[i] = static_cast<std::uint8_t>(predicted >> (8 * i));
            }
            p = field + 4;
        }
    }
}

}  // namespace quen
