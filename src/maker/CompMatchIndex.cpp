// The old region index of the difference encoder.
#include "maker/CompMatchIndex.h"

#include <algorithm>
#include <cstring>

namespace quen {
namespace {

constexpr std::uint64_t kBase = 0x100000001B3ull;
// Verifications one lookup may spend before falling back to the safe bound.
constexpr int kVerifyBudget = 64;

std::uint64_t HashWindow(const std::uint8_t* p, std::int64_t w) {
    std::uint64_t h = 0;
    for (std::int64_t i = 0; i < w; ++i) h = h * kBase + p[i];
    return h;
}

std::uint64_t Power(std::int64_t e) {
    std::uint64_t r = 1;
    for (std::int64_t i = 0; i < e; ++i) r *= kBase;
    return r;
}

}  // namespace

MatchIndex::MatchIndex(ByteView oldFile, std::int64_t oldStart, std::int64_t oldEnd, std::int64_t sample)
    : old_(oldFile), oldEnd_(oldEnd), sample_(sample) {
    step_ = std::max<std::int64_t>(1, (sample + 2) / 2);
    window_ = sample + 2 - step_;
    power_ = Power(window_ - 1);
    const std::int64_t room = oldEnd - oldStart + 1 - window_;
    const std::int64_t windows = room < 0 ? 0 : room / step_ + 1;
    int bits = 4;
    const int most = static_cast<int>(std::min<std::int64_t>(30, 8 * window_));
    while (bits < most && (std::int64_t{1} << bits) < windows) ++bits;
    shift_ = 64 - bits;
    // Two passes (count, then place) rather than keeping every hash: 4 bytes per window.
    const auto bucketAt = [&](std::int64_t j) {
        return BucketOf(HashWindow(old_.data() + (oldStart + j * step_ - 1), window_));
    };
    bucketStart_.assign((std::size_t{1} << bits) + 1, 0);
    for (std::int64_t j = 0; j < windows; ++j) ++bucketStart_[bucketAt(j) + 1];
    for (std::size_t b = 1; b < bucketStart_.size(); ++b) bucketStart_[b] += bucketStart_[b - 1];
    positions_.resize(static_cast<std::size_t>(windows));
    std::vector<std::uint32_t> fill(bucketStart_.begin(), bucketStart_.end() - 1);
    for (std::int64_t j = 0; j < windows; ++j) {
        positions_[fill[bucketAt(j)]++] = static_cast<std::uint32_t>(oldStart + j * step_);
    }
}

bool MatchIndex::SameRun(std::int64_t oldPos, const std::uint8_t* want) const {
    return std::memcmp(old_.data() + (oldPos - 1), want, static_cast<std::size_t>(sample_ + 1)) == 0;
}

std::int64_t MatchIndex::LastCandidate(std::int64_t from, ByteView newFile, std::int64_t newPos) const {
    const std::int64_t lastStart = oldEnd_ - sample_;
    if (from > lastStart || positions_.empty()) return 0;
    const std::uint8_t* want = newFile.data() + (newPos - 1);
    std::uint64_t h = HashWindow(want, window_);
    std::int64_t best = 0;
    int budget = kVerifyBudget;
    for (std::int64_t d = 0; d < step_; ++d) {
        if (d > 0) h = (h - power_ * want[d - 1]) * kBase + want[d - 1 + window_];
        const std::uint64_t bucket = BucketOf(h);
        for (std::uint32_t i = bucketStart_[bucket + 1]; i > bucketStart_[bucket]; --i) {
            const std::int64_t p = static_cast<std::int64_t>(positions_[i - 1]) - d;
            if (p < from || p <= best) break;
            if (p > lastStart) continue;
            if (--budget < 0) return lastStart;
            if (SameRun(p, want)) {
                best = p;
                break;
            }
        }
    }
    return best;
}

}  // namespace quen
