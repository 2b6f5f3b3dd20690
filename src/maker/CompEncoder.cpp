// The region encoder: a greedy forward scan, sped up by an index over the old region.
#include "maker/CompEncoder.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "maker/CompMatchIndex.h"
#include "maker/CompTuning.h"

namespace quen {
namespace {

// Old regions below this size are searched without an index.
constexpr std::int64_t kIndexMinimum = 4096;
// Positions walked before the index is asked: runs right at the search start are common.
constexpr std::int64_t kQuickWalk = 64;
constexpr std::int64_t kProgressEvery = 8192;

class RegionSearch {
public:
    RegionSearch(ByteView oldFile, std::int64_t os, std::int64_t oe, ByteView newFile, std::int64_t ne,
                 std::int64_t sample, std::int64_t move)
        : spec_{oldFile, oe, newFile, 0, ne, sample, move, &memo_} {
        if (oe - os + 1 >= kIndexMinimum) index_.emplace(oldFile, os, oe, sample);
    }

    Match Find(std::int64_t q, std::int64_t n) {
        const std::int64_t lastStart = spec_.oldEnd - spec_.sample;
        // A run longer than S needs S + 1 bytes in both regions.
        if (n + spec_.sample > spec_.newEnd || q > lastStart) return {};
        spec_.newPos = n;
        if (!index_) return Walk(spec_, q, lastStart).match;
        const WalkResult quick = Walk(spec_, q, std::min(lastStart, q + kQuickWalk));
        if (quick.match.Found() || quick.next > lastStart) return quick.match;
        const std::int64_t last = index_->LastCandidate(quick.next, spec_.newFile, n);
        if (last == 0) return {};
        return Walk(spec_, quick.next, last).match;
    }

private:
    RepeatMemo memo_;
    WalkInput spec_;
    std::optional<MatchIndex> index_;
};

void Report(const ProgressSpan& progress, std::int64_t n, std::int64_t& nextReport) {
    if (!progress.sink || n < nextReport || progress.newLength <= 0) return;
    nextReport = (n / kProgressEvery + 1) * kProgressEvery;
    progress.sink->Reached(std::min(100.0, 100.0 * static_cast<double>(n) / progress.newLength));
}

}  // namespace

void EncodeRegion(ByteView oldFile, std::int64_t os, std::int64_t oe, ByteView newFile, std::int64_t ns,
                  std::int64_t ne, std::int64_t sample, std::int64_t move, CompRecords& records,
                  ProgressSpan progress) {
    sample = CompTuning::Clamped(sample);
    move = CompTuning::Clamped(move);
    std::int64_t q = os, n = ns, l = ns;
    std::int64_t nextReport = ns;
    std::unique_ptr<RegionSearch> search;
    while (n + sample - 1 <= ne && q <= oe) {
        if (!search) search = std::make_unique<RegionSearch>(oldFile, os, oe, newFile, ne, sample, move);
        const Match m = search->Find(q, n);
        if (m.Found()) {
            if (n > l) records.push_back({CompRecord::Literal, l, n - l});
            records.push_back({CompRecord::Copy, m.position, m.length});
            q = m.position + m.length;
            n += m.length;
            l = n;
        } else {
            n += sample;
        }
        Report(progress, n, nextReport);
    }
    if (l <= ne) records.push_back({CompRecord::Literal, l, ne - l + 1});
}

}  // namespace quen
