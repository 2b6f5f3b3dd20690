// The copy map and the rel32 prediction shared by the compact encoder and decoder.
#include "maker/CompactPredict.h"

#include <algorithm>

namespace quen {
namespace {

// Positions no valid data reaches (files are below 4 GiB), so sums cannot overflow.
constexpr std::int64_t kFar = std::int64_t{1} << 40;

}  // namespace

void CopyMap::Add(std::int64_t newStart, std::int64_t oldStart, std::int64_t length) {
    if (length > 0) copies_.push_back({oldStart, newStart, length});
}

void CopyMap::Finish() {
    std::stable_sort(copies_.begin(), copies_.end(), [](const Copy& a, const Copy& b) { return a.oldStart < b.oldStart; });
}

std::int64_t CopyMap::NewOf(std::int64_t o) const {
    auto it = std::upper_bound(copies_.begin(), copies_.end(), o, [](std::int64_t v, const Copy& c) { return v < c.oldStart; });
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

void PredictReferences(ByteView oldFile, const CopyMap& map, std::int64_t oldStart, std::int64_t newStart,
                       std::uint8_t* out, std::int64_t count) {
    const std::uint8_t* old = oldFile.data();
    const auto oldSize = static_cast<std::int64_t>(oldFile.size());
    const std::int64_t end = oldStart + count;
    for (std::int64_t p = oldStart; p + 5 <= end;) {
        const std::uint8_t op = old[p];
        std::int64_t field = -1;
        if (op == 0xE8 || op == 0xE9) {
            field = p + 1;
        } else if (op == 0x0F && (old[p + 1] & 0xF0) == 0x80 && p + 6 <= end) {
            field = p + 2;
        }
        if (field < 0) {
            ++p;
            continue;
        }
        const auto rel = static_cast<std::int32_t>(GetLE32(old + field));
        const std::int64_t target = field + 4 + rel;
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

}  // namespace quen
