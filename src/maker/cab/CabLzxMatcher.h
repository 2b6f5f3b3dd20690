// Finds matches for the LZX encoder: hash chains over four-byte prefixes within the
// window, the nearest two- and three-byte matches, plus the three repeated offsets.
#pragma once

#include <cstdint>
#include <vector>

#include "maker/CompFormat.h"

namespace quen::cab {

struct LzxMatch {
    int length = 0;          // 0: none
    std::uint32_t distance = 0;
};

class LzxMatcher {
public:
    // `maxDistance`: the largest distance allowed (window size - 3); `depth`: chain
    // links followed per search; `nice`: a match this long ends the search.
    LzxMatcher(ByteView data, int windowBits, std::uint32_t maxDistance, int depth, int nice);

    // Adds every position below `pos` not yet added to the chains.
    void InsertUpTo(std::size_t pos);
    // The match at `pos` (which must have been inserted up to, not including) no longer
    // than `maxLength`, preferring a cheaper one over a slightly longer far one.
    LzxMatch Longest(std::size_t pos, int maxLength) const;
    // Every match at `pos` longer than the ones nearer to it, nearest first (so lengths
    // grow), up to `maxLength`; for the cost-based parse.
    void Matches(std::size_t pos, int maxLength, std::vector<LzxMatch>& out) const;
    // Length of the match at `pos` with `distance`, up to `maxLength`.
    int LengthAt(std::size_t pos, std::uint32_t distance, int maxLength) const;

private:
    std::uint32_t Hash(std::size_t pos) const;
    std::uint32_t Hash3(std::size_t pos) const;
    // The match at `pos` with the earlier position `at` (none when -1 or out of the window).
    LzxMatch MatchWith(std::int32_t at, std::size_t pos, int maxLength) const;

    ByteView data_;
    std::uint32_t maxDistance_;
    int depth_, nice_;
    std::size_t inserted_ = 0;
    std::size_t mask_;
    std::vector<std::int32_t> head_, prev_;
    // The last position of each three-byte prefix (hashed) and of each two-byte prefix.
    std::vector<std::int32_t> head3_, head2_;
};

}  // namespace quen::cab
