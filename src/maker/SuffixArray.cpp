// Suffix array construction by induced sorting, and binary search for the longest match.
#include "maker/SuffixArray.h"

#include <algorithm>
#include <cstring>

namespace quen {
namespace {

constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;

// Sorts the suffixes of s[0, n) over the alphabet [0, alphabet) into sa (n entries). A
// virtual end marker below every symbol ends the text. Leftmost-S (LMS) suffixes are
// sorted first, by recursion on their names, and induce the order of all others.
template <class Symbol>
class InducedSort {
public:
    InducedSort(const Symbol* s, std::uint32_t n, std::uint32_t alphabet, std::uint32_t* sa)
        : s_(s), n_(n), alphabet_(alphabet), sa_(sa), smaller_(n) {}

    void Run() {
        if (n_ == 1) {
            sa_[0] = 0;
            return;
        }
        for (std::uint32_t i = n_ - 1; i-- > 0;) {
            smaller_[i] = s_[i] < s_[i + 1] || (s_[i] == s_[i + 1] && smaller_[i + 1]);
        }
        Count();

        // Stage 1: LMS suffixes in text order at their buckets' ends sort their substrings.
        std::fill(sa_, sa_ + n_, kEmpty);
        Tails();
        for (std::uint32_t i = 1; i < n_; ++i) {
            if (IsLms(i)) sa_[--bucket_[s_[i]]] = i;
        }
        Induce();
        const std::uint32_t m = SortLms();

        // Stage 2: the sorted LMS suffixes induce the whole order. Moved to their buckets'
        // ends from the last, each lands at or after its own slot.
        Count();
        std::fill(sa_ + m, sa_ + n_, kEmpty);
        Tails();
        for (std::uint32_t i = m; i-- > 0;) {
            const std::uint32_t j = sa_[i];
            sa_[i] = kEmpty;
            sa_[--bucket_[s_[j]]] = j;
        }
        Induce();
    }

private:
    bool IsLms(std::uint32_t i) const { return i > 0 && smaller_[i] && !smaller_[i - 1]; }

    void Count() {
        counts_.assign(alphabet_ + 1, 0);
        for (std::uint32_t i = 0; i < n_; ++i) ++counts_[s_[i] + 1];
        for (std::uint32_t c = 1; c <= alphabet_; ++c) counts_[c] += counts_[c - 1];
    }
    void Heads() { bucket_.assign(counts_.begin(), counts_.end() - 1); }
    void Tails() { bucket_.assign(counts_.begin() + 1, counts_.end()); }

    void Induce() {
        Heads();
        // The end marker precedes everything: the last suffix (L-type) comes first.
        sa_[bucket_[s_[n_ - 1]]++] = n_ - 1;
        for (std::uint32_t i = 0; i < n_; ++i) {
            const std::uint32_t v = sa_[i];
            if (v != kEmpty && v > 0 && !smaller_[v - 1]) sa_[bucket_[s_[v - 1]]++] = v - 1;
        }
        Tails();
        for (std::uint32_t i = n_; i-- > 0;) {
            const std::uint32_t v = sa_[i];
            if (v != kEmpty && v > 0 && smaller_[v - 1]) sa_[--bucket_[s_[v - 1]]] = v - 1;
        }
    }

    // LMS substrings starting at a and b (both LMS) are equal up to and including the next LMS.
    bool SameLmsSubstring(std::uint32_t a, std::uint32_t b) const {
        for (std::uint32_t d = 0;; ++d) {
            if (a + d == n_ || b + d == n_) return false;
            if (s_[a + d] != s_[b + d] || smaller_[a + d] != smaller_[b + d]) return false;
            if (d > 0 && IsLms(a + d)) return true;
        }
    }

    // From stage 1's order: names for the LMS substrings, the suffix order of the named
    // string (recursively when names repeat), and so the m LMS suffixes in order, left in
    // sa_[0, m). All of it within sa_: LMS positions are at least 2 apart, so m <= n / 2.
    std::uint32_t SortLms() {
        std::uint32_t m = 0;
        for (std::uint32_t i = 0; i < n_; ++i) {
            if (IsLms(sa_[i])) sa_[m++] = sa_[i];
        }
        // p / 2 gives each LMS position p a slot behind the first m.
        std::fill(sa_ + m, sa_ + n_, kEmpty);
        std::uint32_t names = 0;
        for (std::uint32_t i = 0; i < m; ++i) {
            if (i == 0 || !SameLmsSubstring(sa_[i - 1], sa_[i])) ++names;
            sa_[m + sa_[i] / 2] = names - 1;
        }
        // The names in text order, moved to the end: the reduced string.
        std::uint32_t* reduced = sa_ + n_ - m;
        for (std::uint32_t i = n_, j = n_; i-- > m;) {
            if (sa_[i] != kEmpty) sa_[--j] = sa_[i];
        }
        if (names == m) {
            for (std::uint32_t i = 0; i < m; ++i) sa_[reduced[i]] = i;
        } else {
            // The buckets are counted again afterwards: the recursion needs the room.
            std::vector<std::uint32_t>().swap(counts_);
            std::vector<std::uint32_t>().swap(bucket_);
            InducedSort<std::uint32_t>(reduced, m, names, sa_).Run();
        }
        // The LMS positions in text order replace the reduced string; the order maps onto them.
        for (std::uint32_t i = 1, j = 0; i < n_; ++i) {
            if (IsLms(i)) reduced[j++] = i;
        }
        for (std::uint32_t i = 0; i < m; ++i) sa_[i] = reduced[sa_[i]];
        return m;
    }

    const Symbol* s_;
    std::uint32_t n_, alphabet_;
    std::uint32_t* sa_;
    std::vector<bool> smaller_;  // S-type: the suffix is smaller than the next one
    std::vector<std::uint32_t> counts_;  // counts_[c]: first slot of bucket c
    std::vector<std::uint32_t> bucket_;  // the next free slot of each bucket, from its head or tail
};

}  // namespace

std::vector<std::uint32_t> BuildSuffixArray(ByteView text) {
    std::vector<std::uint32_t> sa(text.size());
    if (!text.empty()) {
        InducedSort<std::uint8_t>(text.data(), static_cast<std::uint32_t>(text.size()), 256, sa.data()).Run();
    }
    return sa;
}

SuffixMatch SuffixIndex::Longest(ByteView pattern) const {
    // Binary search for where the pattern would sit; the longest match is one of the two
    // neighbours there. Both bounds remember their common prefix with the pattern, so
    // each probe starts comparing after the smaller of the two.
    std::int64_t lo = -1, hi = static_cast<std::int64_t>(sa_.size());
    std::size_t lcpLo = 0, lcpHi = 0;
    while (hi - lo > 1) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        const std::uint32_t at = sa_[static_cast<std::size_t>(mid)];
        const std::size_t room = std::min<std::size_t>(text_.size() - at, pattern.size());
        std::size_t k = std::min(lcpLo, lcpHi);
        if (k < room) {
            k += static_cast<std::size_t>(
                CommonRun(text_.data() + at + k, pattern.data() + k, static_cast<std::int64_t>(room - k)));
        }
        // A suffix that ends inside the pattern sorts before it.
        if (k == pattern.size() || (k < room && text_[at + k] > pattern[k])) {
            hi = mid;
            lcpHi = k;
        } else {
            lo = mid;
            lcpLo = k;
        }
    }
    SuffixMatch best;
    if (lo >= 0 && lcpLo > 0) best = {sa_[static_cast<std::size_t>(lo)], static_cast<std::uint32_t>(lcpLo)};
    if (hi < static_cast<std::int64_t>(sa_.size()) && lcpHi > best.length) {
        best = {sa_[static_cast<std::size_t>(hi)], static_cast<std::uint32_t>(lcpHi)};
    }
    return best;
}

}  // namespace quen
