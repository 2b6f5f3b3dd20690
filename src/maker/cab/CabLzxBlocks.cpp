// LZX block statistics: element frequencies, the aligned tree's worth, block cuts.
#include "maker/cab/CabLzxBlocks.h"

#include <algorithm>

#include "maker/cab/CabFormat.h"
#include "maker/cab/CabHuffman.h"
#include "maker/cab/CabLzxBits.h"
#include "maker/cab/CabLzxTables.h"

namespace quen::cab::lzx {
namespace {

// Bits of a block with these frequencies: its trees (sent against `trees`) and its codes.
std::size_t BlockBits(const Frequencies& f, LzxTreeState trees) {
    LzxBits scratch;
    const LzxCodes c = trees.Write(scratch, f.main, f.length);
    scratch.Align();
    std::size_t bits = scratch.Take().size() * 8;
    for (std::size_t i = 0; i < f.main.size(); ++i) bits += f.main[i] * c.mainLen[i];
    for (std::size_t i = 0; i < f.length.size(); ++i) bits += f.length[i] * c.lengthLen[i];
    return bits;
}

Frequencies& operator+=(Frequencies& a, const Frequencies& b) {
    for (std::size_t i = 0; i < a.main.size(); ++i) a.main[i] += b.main[i];
    for (std::size_t i = 0; i < a.length.size(); ++i) a.length[i] += b.length[i];
    for (std::size_t i = 0; i < a.aligned.size(); ++i) a.aligned[i] += b.aligned[i];
    return a;
}

}  // namespace

std::uint32_t MainSymbol(const Element& e) {
    if (e.length == 0) return e.literal;
    const int header = std::min(e.length - kMinMatch, kNumPrimaryLengths);
    return static_cast<std::uint32_t>(kNumChars + SlotOf(e.formatted) * 8 + header);
}

Frequencies Count(const std::vector<Element>& elements, std::size_t first, std::size_t last, int mainSize, bool e8) {
    Frequencies f{std::vector<std::uint32_t>(mainSize, 0), std::vector<std::uint32_t>(kNumSecondaryLengths, 0),
                  std::vector<std::uint32_t>(kAlignedSize, 0)};
    for (std::size_t i = first; i < last; ++i) {
        const Element& e = elements[i];
        f.main[MainSymbol(e)]++;
        if (e.length >= kMinMatch + kNumPrimaryLengths) f.length[e.length - kMinMatch - kNumPrimaryLengths]++;
        const int slot = e.length ? SlotOf(e.formatted) : 0;
        if (ExtraBits(slot) >= kAlignedBits) f.aligned[AlignedSymbol(e.formatted, slot)]++;
    }
    if (e8 && f.main[0xE8] == 0) f.main[0xE8] = 1;
    return f;
}

std::vector<FrameSpan> FrameSpans(const std::vector<Element>& elements, std::size_t start, std::size_t end) {
    std::vector<FrameSpan> spans;
    std::size_t pos = start, first = 0;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        pos += elements[i].length ? elements[i].length : 1;
        if (pos % kBlockSize == 0 || pos == end) {
            spans.push_back(FrameSpan{pos - (pos - 1) % kBlockSize - 1, pos, first, i + 1});
            first = i + 1;
        }
    }
    return spans;
}

std::vector<FrameSpan> SplitBlocks(const std::vector<Element>& elements, const std::vector<FrameSpan>& frames,
                                   const LzxTreeState& trees, bool e8) {
    std::vector<FrameSpan> blocks;
    Frequencies current;
    std::size_t currentBits = 0;
    for (const FrameSpan& frame : frames) {
        const Frequencies f = Count(elements, frame.first, frame.last, trees.mainSize(), e8);
        const std::size_t alone = BlockBits(f, trees);
        if (!blocks.empty()) {
            Frequencies joined = current;
            joined += f;
            const std::size_t joinedBits = BlockBits(joined, trees);
            if (joinedBits <= currentBits + alone) {
                blocks.back().to = frame.to;
                blocks.back().last = frame.last;
                current = std::move(joined);
                currentBits = joinedBits;
                continue;
            }
        }
        blocks.push_back(frame);
        current = f;
        currentBits = alone;
    }
    return blocks;
}

std::vector<std::uint8_t> AlignedLengths(const std::vector<std::uint32_t>& freq) {
    std::vector<std::uint8_t> len = CodeLengths(freq, kMaxAlignedLength);
    long saved = -kAlignedSize * kAlignedTreeBits;
    for (int i = 0; i < kAlignedSize; ++i) saved += static_cast<long>(freq[i]) * (kAlignedBits - len[i]);
    return saved > 0 ? len : std::vector<std::uint8_t>{};
}

}  // namespace quen::cab::lzx
