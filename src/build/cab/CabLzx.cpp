// Our LZX encoder for cabinet folders: lazy matching with repeated offsets, verbatim
// blocks of up to eight frames with pretree-coded trees, optional x86 call translation.
#include "build/cab/CabLzx.h"

#include <algorithm>
#include <array>

#include "build/cab/CabFormat.h"
#include "build/cab/CabHuffman.h"
#include "build/cab/CabLzxBits.h"
#include "build/cab/CabLzxMatcher.h"
#include "build/cab/CabLzxTables.h"
#include "build/cab/CabLzxTrees.h"

namespace quen::cab {
namespace {

using namespace lzx;

constexpr std::size_t kFramesPerBlock = 8;

// One coded element: a literal (length 0) or a match with its formatted offset.
struct Element {
    std::uint16_t length;
    std::uint8_t literal;
    std::uint32_t formatted;
};

// Translates x86 CALL targets (E8 and a relative 32-bit operand) to absolute positions,
// frame by frame, as the reader reverses it after each frame.
void TranslateE8(Bytes& data) {
    for (std::size_t frame = 0; frame * kBlockSize < data.size(); ++frame) {
        const std::size_t start = frame * kBlockSize, end = std::min(data.size(), start + kBlockSize);
        if (end - start <= 10) continue;
        for (std::size_t i = start; i < end - 10;) {
            if (data[i] != 0xE8) {
                ++i;
                continue;
            }
            const std::int32_t cur = static_cast<std::int32_t>(i);
            const std::int32_t rel = static_cast<std::int32_t>(Get32(&data[i + 1]));
            const std::int32_t size = static_cast<std::int32_t>(kE8FileSize);
            if (rel >= -cur && rel < size - cur) {
                Set32(&data[i + 1], static_cast<std::uint32_t>(rel + cur));
            } else if (rel >= size - cur && rel < size) {
                Set32(&data[i + 1], static_cast<std::uint32_t>(rel - size));
            }
            i += 5;
        }
    }
}

class Parser {
public:
    Parser(ByteView data, const LzxOptions& o)
        : data_(data),
          matcher_(data, o.windowBits, (1u << o.windowBits) - 3, 1 << (std::clamp(o.level, 1, 7) - 1),
                   16 * std::clamp(o.level, 1, 7)) {}

    // The elements of data[from, to); `to` is a frame boundary or the end.
    void Parse(std::size_t from, std::size_t to, std::vector<Element>& out) {
        for (std::size_t frame = from; frame < to; frame += kBlockSize) {
            const std::size_t end = std::min(to, frame + kBlockSize);
            ParseFrame(frame, end, out);
        }
    }

private:
    struct Choice {
        int length = 0;
        int rep = -1;  // 0..2 when a repeated offset, else -1
        std::uint32_t distance = 0;
        int score = 0;
    };

    Choice Best(std::size_t pos, std::size_t end) {
        const int maxLength = static_cast<int>(std::min<std::size_t>(kMaxMatch, end - pos));
        Choice best;
        if (maxLength < kMinMatch) return best;
        for (int r = 0; r < kNumReps; ++r) {
            if (reps_[r] > pos) continue;
            const int len = matcher_.LengthAt(pos, reps_[r], maxLength);
            const int score = len * 8 - (r == 0 ? 6 : 8);
            if (len >= kMinMatch && score > best.score) best = Choice{len, r, reps_[r], score};
        }
        matcher_.InsertUpTo(pos);
        const LzxMatch m = matcher_.Longest(pos, maxLength);
        if (m.length > 0) {
            const int score = m.length * 8 - 9 - ExtraBits(SlotOf(m.distance + 2));
            if (score > best.score + 4) best = Choice{m.length, -1, m.distance, score};
        }
        return best;
    }

    void ParseFrame(std::size_t pos, std::size_t end, std::vector<Element>& out) {
        Choice cur = Best(pos, end);
        while (pos < end) {
            if (cur.length == 0) {
                out.push_back(Element{0, data_[pos], 0});
                ++pos;
                cur = Best(pos, end);
                continue;
            }
            // Lazy step: a better match one byte later wins over this one.
            if (cur.length < 32 && pos + 1 < end) {
                const Choice next = Best(pos + 1, end);
                if (next.score > cur.score + 8) {
                    out.push_back(Element{0, data_[pos], 0});
                    ++pos;
                    cur = next;
                    continue;
                }
            }
            out.push_back(Element{static_cast<std::uint16_t>(cur.length), 0, Format(cur)});
            pos += static_cast<std::size_t>(cur.length);
            cur = pos < end ? Best(pos, end) : Choice{};
        }
    }

    // The offset as coded, keeping the repeated offsets as the reader will.
    std::uint32_t Format(const Choice& c) {
        if (c.rep >= 0) {
            std::swap(reps_[0], reps_[c.rep]);
            return static_cast<std::uint32_t>(c.rep);
        }
        for (int r = 0; r < kNumReps; ++r) {
            if (reps_[r] == c.distance) {
                std::swap(reps_[0], reps_[r]);
                return static_cast<std::uint32_t>(r);
            }
        }
        reps_[2] = reps_[1];
        reps_[1] = reps_[0];
        reps_[0] = c.distance;
        return c.distance + 2;
    }

    ByteView data_;
    LzxMatcher matcher_;
    std::array<std::uint32_t, kNumReps> reps_{1, 1, 1};
};

std::uint32_t MainSymbol(const Element& e) {
    if (e.length == 0) return e.literal;
    const int header = std::min(e.length - kMinMatch, kNumPrimaryLengths);
    return static_cast<std::uint32_t>(kNumChars + SlotOf(e.formatted) * 8 + header);
}

}  // namespace

std::vector<Bytes> EncodeLzx(ByteView input, const LzxOptions& options) {
    const int slots = kSlotsForWindow[options.windowBits - kLzxWindowMin];
    const bool e8 = options.e8 && input.size() <= kE8MaxFrames * kBlockSize;
    Bytes data(input.begin(), input.end());
    if (e8) TranslateE8(data);

    Parser parser(data, options);
    LzxBits bits;
    bits.Put(e8 ? 1 : 0, 1);
    if (e8) bits.Put(kE8FileSize, 32);
    LzxTreeState trees(kNumChars + slots * 8);
    std::vector<Bytes> frames;
    std::vector<Element> elements;
    for (std::size_t block = 0; block < data.size(); block += kFramesPerBlock * kBlockSize) {
        const std::size_t end = std::min(data.size(), block + kFramesPerBlock * kBlockSize);
        elements.clear();
        parser.Parse(block, end, elements);

        std::vector<std::uint32_t> mainFreq(trees.mainSize(), 0), lengthFreq(kNumSecondaryLengths, 0);
        for (const Element& e : elements) {
            mainFreq[MainSymbol(e)]++;
            if (e.length >= kMinMatch + kNumPrimaryLengths) lengthFreq[e.length - kMinMatch - kNumPrimaryLengths]++;
        }
        // The reader only undoes the translation once a tree has given 0xE8 a code.
        if (e8 && mainFreq[0xE8] == 0) mainFreq[0xE8] = 1;
        bits.Put(kBlockVerbatim, 3);
        bits.Put(static_cast<std::uint32_t>(end - block), 24);
        const LzxCodes codes = trees.Write(bits, mainFreq, lengthFreq);

        std::size_t pos = block;
        for (const Element& e : elements) {
            const std::uint32_t sym = MainSymbol(e);
            bits.Put(codes.main[sym], codes.mainLen[sym]);
            if (e.length == 0) {
                ++pos;
            } else {
                if (e.length >= kMinMatch + kNumPrimaryLengths) {
                    const int ls = e.length - kMinMatch - kNumPrimaryLengths;
                    bits.Put(codes.length[ls], codes.lengthLen[ls]);
                }
                const int slot = SlotOf(e.formatted);
                if (ExtraBits(slot) > 0) bits.Put(e.formatted - kPositionBase[slot], ExtraBits(slot));
                pos += e.length;
            }
            if (pos % kBlockSize == 0 || pos == data.size()) {
                bits.Align();
                frames.push_back(bits.Take());
            }
        }
    }
    return frames;
}

}  // namespace quen::cab
