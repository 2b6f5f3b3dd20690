// The copy map's making: read once per patched file, so it is built for size in the
// patch executable while its lookups (CompactPredict.cpp) keep their speed.
#include <algorithm>

#include "maker/CompactPredict.h"

namespace quen {
namespace {

// Positions no valid data reaches (files are below 4 GiB), so sums cannot overflow.
constexpr std::int64_t kFar = std::int64_t{1} << 40;

}  // namespace

void CopyMap::Add(std::int64_t newStart, std::int64_t oldStart, std::int64_t length) {
    if (length > 0) copies_.push_back({oldStart, newStart, length});
}

void CopyMap::Finish() {
    // Copies come in new order, so ties on the old start keep it: a plain sort on both keys
    // is the stable one's result in less code.
    std::sort(copies_.begin(), copies_.end(), [](const Copy& a, const Copy& b) {
        return a.oldStart != b.oldStart ? a.oldStart < b.oldStart : a.newStart < b.newStart;
    });
    const std::int64_t last = copies_.empty() ? -1 : std::max<std::int64_t>(-1, copies_.back().oldStart >> kBlockBits);
    blockEnd_.assign(static_cast<std::size_t>(last + 1), 0);
    std::size_t i = 0;
    for (std::int64_t b = 0; b <= last; ++b) {
        while (i < copies_.size() && copies_[i].oldStart >> kBlockBits <= b) ++i;
        blockEnd_[static_cast<std::size_t>(b)] = static_cast<std::uint32_t>(i);
    }
    // A block where no copy starts after its first byte and the copy holding that byte
    // (or none) holds its last: every byte of it has the same answer.
    blockMove_.assign(blockEnd_.size(), kMixed);
    for (std::size_t b = 0; b < blockEnd_.size(); ++b) {
        const std::int64_t first = static_cast<std::int64_t>(b) << kBlockBits;
        const std::uint32_t from = b ? blockEnd_[b - 1] : 0;
        if (from < blockEnd_[b] && copies_[blockEnd_[b] - 1].oldStart > first) continue;
        const Copy* c = Search(first);
        if (!c) {
            blockMove_[b] = kNone;
        } else if (c->oldStart + c->length >= first + (1 << kBlockBits)) {
            blockMove_[b] = c->newStart - c->oldStart;
        }
    }
}

bool CopyMapOfStream(ByteView commands, std::int64_t oldSize, CopyMap& map) {
    VarintReader r(commands);
    map.Reserve(commands.size() / 3);
    std::int64_t n = 0, oldEnd = 0;
    while (!r.AtEnd()) {
        std::uint64_t literal, copy, delta;
        if (!r.Next(literal) || !r.Next(copy) || !r.Next(delta)) return false;
        // Larger values are refused by the decoding pass; here they only must not overflow.
        if (literal > 0xFFFFFFFFu || copy > 0xFFFFFFFFu || delta > 0x3FFFFFFFFu) return false;
        n += static_cast<std::int64_t>(literal);
        oldEnd += UnZigZag(delta);
        // A copy outside the old file is refused here too, so the map stays within it.
        if (copy > 0 && (oldEnd < 0 || oldEnd > oldSize - static_cast<std::int64_t>(copy))) return false;
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
    map.Reserve(commands.size());
    std::int64_t n = 0;
    for (const CompactCommand& c : commands) {
        n += c.literal;
        map.Add(n, c.oldStart, c.copy);
        n += c.copy;
    }
    map.Finish();
    return map;
}

}  // namespace quen
