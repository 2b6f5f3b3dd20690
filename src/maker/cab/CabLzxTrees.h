// LZX tree transmission: code lengths sent as differences from the previous block's,
// through a pretree, in the pieces the reader expects.
#pragma once

#include <cstdint>
#include <vector>

#include "maker/cab/CabLzxBits.h"

namespace quen::cab {

struct LzxCodes {
    std::vector<std::uint16_t> main, length;
    std::vector<std::uint8_t> mainLen, lengthLen;
};

class LzxTreeState {
public:
    explicit LzxTreeState(int mainSize);
    int mainSize() const { return static_cast<int>(mainPrev_.size()); }

    // Builds the main and length trees of a verbatim block from the frequencies, writes
    // them (main tree literals, main tree matches, length tree) and keeps their lengths
    // for the next block.
    LzxCodes Write(LzxBits& bits, const std::vector<std::uint32_t>& mainFreq,
                   const std::vector<std::uint32_t>& lengthFreq);

private:
    std::vector<std::uint8_t> mainPrev_, lengthPrev_;
};

// Writes lengths[first, last) as differences from prev[first, last) with a pretree of
// its own, and stores them into prev. Exposed for the tests.
void WriteLengths(LzxBits& bits, const std::vector<std::uint8_t>& lengths, std::vector<std::uint8_t>& prev,
                  std::size_t first, std::size_t last);

}  // namespace quen::cab
