// LZX tree transmission through pretrees.
#include "maker/cab/CabLzxTrees.h"

#include "maker/cab/CabHuffman.h"
#include "maker/cab/CabLzxTables.h"

namespace quen::cab {
namespace {

using namespace lzx;

// A pretree symbol with the extra bits that follow it.
struct PreCode {
    std::uint8_t symbol;
    std::uint8_t extraBits;
    std::uint8_t extra;
};

constexpr std::uint8_t Delta(std::uint8_t prev, std::uint8_t now) {
    return static_cast<std::uint8_t>((prev + 17 - now) % 17);
}

// Pretree symbols: 0..16 a difference, 17 and 18 runs of zeros (4..19, 20..51), 19 a
// run of 4 or 5 equal lengths followed by one difference taken against the first.
std::vector<PreCode> PreCodes(const std::vector<std::uint8_t>& len, const std::vector<std::uint8_t>& prev,
                              std::size_t first, std::size_t last) {
    std::vector<PreCode> out;
    for (std::size_t i = first; i < last;) {
        std::size_t run = 1;
        while (i + run < last && len[i + run] == len[i]) ++run;
        if (len[i] == 0 && run >= 20) {
            const std::size_t n = std::min<std::size_t>(run, 51);
            out.push_back({18, 5, static_cast<std::uint8_t>(n - 20)});
            i += n;
        } else if (len[i] == 0 && run >= 4) {
            out.push_back({17, 4, static_cast<std::uint8_t>(run - 4)});
            i += run;
        } else if (run >= 4) {
            const std::size_t n = std::min<std::size_t>(run, 5);
            out.push_back({19, 1, static_cast<std::uint8_t>(n - 4)});
            out.push_back({Delta(prev[i], len[i]), 0, 0});
            i += n;
        } else {
            out.push_back({Delta(prev[i], len[i]), 0, 0});
            ++i;
        }
    }
    return out;
}

}  // namespace

void WriteLengths(LzxBits& bits, const std::vector<std::uint8_t>& lengths, std::vector<std::uint8_t>& prev,
                  std::size_t first, std::size_t last) {
    const std::vector<PreCode> codes = PreCodes(lengths, prev, first, last);
    std::vector<std::uint32_t> freq(kPretreeSize, 0);
    for (const PreCode& c : codes) freq[c.symbol]++;
    const std::vector<std::uint8_t> preLen = CodeLengths(freq, kMaxPretreeLength);
    const std::vector<std::uint16_t> pre = CanonicalCodes(preLen);
    for (int s = 0; s < kPretreeSize; ++s) bits.Put(preLen[s], 4);
    for (const PreCode& c : codes) {
        bits.Put(pre[c.symbol], preLen[c.symbol]);
        if (c.extraBits > 0) bits.Put(c.extra, c.extraBits);
    }
    std::copy(lengths.begin() + first, lengths.begin() + last, prev.begin() + first);
}

LzxTreeState::LzxTreeState(int mainSize) : mainPrev_(mainSize, 0), lengthPrev_(kNumSecondaryLengths, 0) {}

LzxCodes LzxTreeState::Write(LzxBits& bits, const std::vector<std::uint32_t>& mainFreq,
                             const std::vector<std::uint32_t>& lengthFreq) {
    LzxCodes c;
    c.mainLen = CodeLengths(mainFreq, kMaxCodeLength);
    c.lengthLen = CodeLengths(lengthFreq, kMaxCodeLength);
    c.main = CanonicalCodes(c.mainLen);
    c.length = CanonicalCodes(c.lengthLen);
    WriteLengths(bits, c.mainLen, mainPrev_, 0, kNumChars);
    WriteLengths(bits, c.mainLen, mainPrev_, kNumChars, mainPrev_.size());
    WriteLengths(bits, c.lengthLen, lengthPrev_, 0, kNumSecondaryLengths);
    return c;
}

}  // namespace quen::cab
