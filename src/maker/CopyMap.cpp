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

void CopyMap::Mark(std::int64_t start, std::int64_t move) {
    const Segment& last = segments_.back();
    if ((last.to == kNowhere ? kNone : std::int64_t{last.to} - last.start) == move) return;
    segments_.push_back({static_cast<std::uint32_t>(start), move == kNone ? kNowhere : static_cast<std::uint32_t>(start + move)});
}

void CopyMap::Finish() {
    // Copies come in new order: a stable sort on the old start (below 2^33) keeps new order
    // on equal starts, here in three passes of 11 bits.
    std::vector<Copy> other(copies_.size());
    for (int shift = 0; shift < 33; shift += 11) {
        std::uint32_t count[2049] = {};
        for (const Copy& c : copies_) ++count[(c.oldStart >> shift & 2047) + 1];
        if (count[1] == copies_.size()) continue;  // all 0 (the last pass of most files)
        for (int d = 0; d < 2048; ++d) count[d + 1] += count[d];
        for (const Copy& c : copies_) other[count[c.oldStart >> shift & 2047]++] = c;
        copies_.swap(other);
    }
    // Between two successive old starts the kReach copies a lookup may take are the same:
    // the first of them (the latest sorted) holding a byte answers for it up to its end,
    // then the next one holding that end, and so on.
    segments_.assign(1, {0, kNowhere});
    const std::size_t n = copies_.size();
    // reach[i]: the greatest end of copies 0 to i, so a walk stops where none goes further.
    std::vector<std::int64_t> reach(n);
    for (std::size_t i = 0; i < n; ++i) reach[i] = std::max(i ? reach[i - 1] : 0, copies_[i].oldStart + copies_[i].length);
    for (std::size_t k = 0; k < n;) {
        const std::int64_t start = copies_[k].oldStart;
        while (k < n && copies_[k].oldStart == start) ++k;
        const std::int64_t next = k < n ? copies_[k].oldStart : kFar;
        std::int64_t o = start;
        for (std::size_t i = k; i > 0 && i + kReach > k && o < next && reach[i - 1] > o; --i) {
            const Copy& c = copies_[i - 1];
            if (c.oldStart + c.length <= o) continue;
            Mark(o, c.newStart - c.oldStart);
            o = c.oldStart + c.length;
        }
        if (o < next) Mark(o, kNone);
    }
    copies_ = {};
    const std::int64_t blocks = (segments_.back().start >> kBlockBits) + 1;
    segmentAt_.resize(static_cast<std::size_t>(blocks));
    std::uint32_t i = 0;
    for (std::int64_t b = 0; b < blocks; ++b) {
        while (i + 1 < segments_.size() && segments_[i + 1].start <= b << kBlockBits) ++i;
        segmentAt_[static_cast<std::size_t>(b)] = i;
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
