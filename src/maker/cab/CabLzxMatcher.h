// Finds matches for the LZX encoder: hash chains (or binary trees, for the cost-based
// parse) over four-byte prefixes within the window, and the nearest two- and three-byte
// matches.
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
    // `maxDistance`: the largest distance allowed (window size - 3); `depth`: chain links
    // (or tree nodes) followed per search; `nice`: a match this long ends the search.
    // `tree`: binary trees, which find the longest matches of the whole window in far
    // fewer steps than chains, for Matches; chains serve Longest.
    LzxMatcher(ByteView data, int windowBits, std::uint32_t maxDistance, int depth, int nice, bool tree);

    // Adds every position below `pos` not yet added to the chains.
    void InsertUpTo(std::size_t pos);
    // The match at `pos` (which must have been inserted up to, not including) no longer
    // than `maxLength`, preferring a cheaper one over a slightly longer far one.
    LzxMatch Longest(std::size_t pos, int maxLength) const;
    // Every match at `pos` longer than the ones nearer to it, nearest first (so lengths
    // grow), up to `maxLength`; for the cost-based parse. With trees, it also adds `pos`.
    void Matches(std::size_t pos, int maxLength, std::vector<LzxMatch>& out);
    // Length of the match at `pos` with `distance`, up to `maxLength`.
    int LengthAt(std::size_t pos, std::uint32_t distance, int maxLength) const;

private:
    std::uint32_t Hash(std::size_t pos) const;
    std::uint32_t Hash3(std::size_t pos) const;
    // The match at `pos` with the earlier position `at` (none when -1 or out of the window).
    LzxMatch MatchWith(std::int32_t at, std::size_t pos, int maxLength) const;
    void AddToChains(std::size_t pos);
    // Puts `pos` at the root of its tree, reporting into `out` (when given) each match
    // longer than `shortest`, up to `maxLength`.
    void AddToTree(std::size_t pos, int maxLength, int shortest, std::vector<LzxMatch>* out);

    ByteView data_;
    std::uint32_t maxDistance_;
    int depth_, nice_;
    bool tree_;
    int hashBits_;
    std::size_t inserted_ = 0;
    std::size_t mask_;
    // Chains: each position's previous one with its hash. Trees: each position's smaller
    // and greater subtree (two entries).
    std::vector<std::int32_t> head_, prev_;
    // The last position of each three-byte prefix (hashed) and of each two-byte prefix.
    std::vector<std::int32_t> head3_, head2_;
};

}  // namespace quen::cab
