// An index over the old region that finds, for a new position, the last old position
// where a run longer than the sample size could start, so searches that cannot succeed
// end at once and the others stop early.
#pragma once

#include <cstdint>
#include <vector>

#include "maker/CompFormat.h"

namespace quen {

// Hashes windows of W bytes starting every G bytes of the old region, with
// G + W - 1 <= S + 1: every old run of S + 1 equal bytes contains one indexed window.
class MatchIndex {
public:
    MatchIndex(ByteView oldFile, std::int64_t oldStart, std::int64_t oldEnd, std::int64_t sample);

    // The largest old position p >= from with p + S <= oldEnd whose S + 1 bytes equal the
    // new bytes at newPos (newPos + S must lie in the new file); 0 when there is none. When
    // the index cannot tell cheaply (many colliding windows) it answers oldEnd - S, which
    // is always a safe bound.
    std::int64_t LastCandidate(std::int64_t from, ByteView newFile, std::int64_t newPos) const;

private:
    std::uint64_t BucketOf(std::uint64_t hash) const { return (hash * 0x9E3779B97F4A7C15ull) >> shift_; }
    bool SameRun(std::int64_t oldPos, const std::uint8_t* want) const;

    ByteView old_;
    std::int64_t oldEnd_, sample_;
    std::int64_t step_;    // G
    std::int64_t window_;  // W
    std::uint64_t power_;  // B^(W-1), to roll the new side's hash
    int shift_ = 63;
    std::vector<std::uint32_t> bucketStart_;  // per bucket, index into positions_
    std::vector<std::uint32_t> positions_;    // window starts, ascending within each bucket
};

}  // namespace quen
