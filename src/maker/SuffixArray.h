// The suffix array of a byte string and the longest-match search over it.
#pragma once

#include <cstdint>
#include <vector>

#include "maker/CompFormat.h"

namespace quen {

// Start offsets (0-based) of all suffixes of `text` in lexicographic order, built by
// induced sorting in linear time. Texts must be shorter than 4 GiB.
std::vector<std::uint32_t> BuildSuffixArray(ByteView text);

// The longest prefix of a pattern that occurs anywhere in a text.
struct SuffixMatch {
    std::uint32_t offset = 0;  // 0-based start in the text
    std::uint32_t length = 0;  // 0: not even the first byte occurs
};

class SuffixIndex {
public:
    explicit SuffixIndex(ByteView text) : text_(text), sa_(BuildSuffixArray(text)) {}

    // The longest run of text equal to the start of `pattern`; among equally long runs,
    // one of them.
    SuffixMatch Longest(ByteView pattern) const;

private:
    ByteView text_;
    std::vector<std::uint32_t> sa_;
};

}  // namespace quen
