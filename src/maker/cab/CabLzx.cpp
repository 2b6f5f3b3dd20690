// Our LZX encoder for cabinet folders: a cost-based parse (lazy matching at the lower
// levels) with repeated offsets; every eight frames are looked at once (greedily) to find
// matches and cut blocks where the statistics change, then parsed block by block at the
// lowest cost, priced by each block's own statistics; verbatim or aligned-offset blocks;
// optional x86 call translation.
#include "maker/cab/CabLzx.h"

#include <algorithm>
#include <array>

#include "maker/cab/CabFormat.h"
#include "maker/cab/CabHuffman.h"
#include "maker/cab/CabLzxBits.h"
#include "maker/cab/CabLzxBlocks.h"
#include "maker/cab/CabLzxMatcher.h"
#include "maker/cab/CabLzxTables.h"
#include "maker/cab/CabLzxTrees.h"

namespace quen::cab {
namespace {

using namespace lzx;

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
    Parser(ByteView data, const LzxOptions& o, int mainSize)
        : data_(data),
          matcher_(data, o.windowBits, (1u << o.windowBits) - 3, o.level >= 7 ? kTreeDepth : 1 << (std::clamp(o.level, 1, 7) - 1),
                   o.level >= 7 ? kTreeNice : 16 * std::clamp(o.level, 1, 7), o.level >= 7),
          costBased_(o.level >= 7), mainPrice_(mainSize, 9), lengthPrice_(kNumSecondaryLengths, 6) {
        std::fill(mainPrice_.begin(), mainPrice_.begin() + kNumChars, 8);
    }

    // The elements of data[from, to), appended; `from` and `to` are frame boundaries (or
    // the end). Between Record and Replay, matches are found and kept; after Replay, the
    // same frames parsed again in order (in any grouping) get the kept matches back.
    void Parse(std::size_t from, std::size_t to, std::vector<Element>& out) {
        for (std::size_t frame = from; frame < to; frame += kBlockSize) {
            const std::size_t end = std::min(to, frame + kBlockSize);
            if (costBased_ && !replay_) ParseFrameGreedy(frame, end, out);
            else if (costBased_) ParseFrameByCost(frame, end, out);
            else ParseFrame(frame, end, out);
        }
    }

    void Record() {
        replay_ = false;
        blockReps_ = reps_;
        cache_.clear();
    }

    void Replay() {
        replay_ = true;
        reps_ = blockReps_;
        cursor_ = 0;
    }

    // Bit costs for the cost-based parse: the code lengths of the last block written;
    // symbols it did not use are taken as rare.
    // `alignedLen` empty: a verbatim block, whose low offset bits cost three bits each.
    void SetPrices(const std::vector<std::uint8_t>& mainLen, const std::vector<std::uint8_t>& lengthLen,
                   const std::vector<std::uint8_t>& alignedLen) {
        for (int i = 0; i < kAlignedSize; ++i) alignedPrice_[i] = alignedLen.empty() ? kAlignedBits : alignedLen[i];
        for (std::size_t i = 0; i < mainPrice_.size(); ++i) mainPrice_[i] = mainLen[i] ? mainLen[i] : 13;
        for (std::size_t i = 0; i < lengthPrice_.size(); ++i) lengthPrice_[i] = lengthLen[i] ? lengthLen[i] : 11;
    }

    // Only the cost-based parse gains from parsing a block again with its own prices.
    bool CostBased() const { return costBased_; }

private:
    struct Choice {
        int length = 0;
        int rep = -1;  // 0..2 when a repeated offset, else -1
        std::uint32_t distance = 0;
        int score = 0;
    };

    Choice Best(std::size_t pos, std::size_t end) {
        const int maxLength = static_cast<int>(std::min<std::size_t>(kMaxMatch, end - pos));
        if (maxLength < kMinMatch) return Choice{};
        const Choice rep = BestRep(pos, maxLength);
        matcher_.InsertUpTo(pos);
        return Prefer(rep, matcher_.Longest(pos, maxLength));
    }

    // The best repeated-offset match at `pos`, scored by length against rough bits.
    Choice BestRep(std::size_t pos, int maxLength) const {
        Choice best;
        for (int r = 0; r < kNumReps; ++r) {
            if (reps_[r] > pos) continue;
            const int len = matcher_.LengthAt(pos, reps_[r], maxLength);
            const int score = len * 8 - (r == 0 ? 6 : 8);
            if (len >= kMinMatch && score > best.score) best = Choice{len, r, reps_[r], score};
        }
        return best;
    }

    // `m` when it scores clearly better than `best` (a new offset costs more to send).
    static Choice Prefer(const Choice& best, const LzxMatch& m) {
        if (m.length == 0) return best;
        const int score = m.length * 8 - 9 - ExtraBits(SlotOf(m.distance + 2));
        return score > best.score + 4 ? Choice{m.length, -1, m.distance, score} : best;
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

    using Reps = std::array<std::uint32_t, kNumReps>;

    // One position of the cost-based parse: the cheapest way found to reach it.
    struct Node {
        std::uint32_t cost;
        std::uint16_t length;  // of the step that reaches it; 0 = literal
        std::int8_t rep;
        std::uint32_t distance;
        Reps reps;  // the repeated offsets after that step
    };

    std::uint32_t LengthPrice(int length, int slot) const {
        const int header = std::min(length - kMinMatch, kNumPrimaryLengths);
        std::uint32_t p = mainPrice_[kNumChars + slot * 8 + header];
        if (header == kNumPrimaryLengths) p += lengthPrice_[length - kMinMatch - kNumPrimaryLengths];
        return p;
    }

    std::uint32_t OffsetPrice(std::uint32_t formatted, int slot) const {
        const int extra = ExtraBits(slot);
        if (extra < kAlignedBits) return static_cast<std::uint32_t>(extra);
        return static_cast<std::uint32_t>(extra - kAlignedBits) + alignedPrice_[AlignedSymbol(formatted, slot)];
    }

    static void Relax(std::vector<Node>& nodes, std::size_t from, std::size_t to, std::uint32_t cost, int length,
                      int rep, std::uint32_t distance) {
        if (cost >= nodes[to].cost) return;
        Node& n = nodes[to];
        n.cost = cost;
        n.length = static_cast<std::uint16_t>(length);
        n.rep = static_cast<std::int8_t>(rep);
        n.distance = distance;
        n.reps = nodes[from].reps;
        if (length == 0) return;
        if (rep >= 0) {
            std::swap(n.reps[0], n.reps[rep]);
        } else {
            n.reps = Reps{distance, n.reps[0], n.reps[1]};
        }
    }

    // Cheapest path through the frame by the current prices: every position tries a
    // literal, every length of its repeated-offset matches and of each chain match.
    void ParseFrameByCost(std::size_t start, std::size_t end, std::vector<Element>& out) {
        const std::size_t n = end - start;
        nodes_.assign(n + 1, Node{0xFFFFFFFFu, 0, -1, 0, {}});
        nodes_[0].cost = 0;
        nodes_[0].reps = reps_;
        std::size_t skipTo = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t pos = start + i;
            Relax(nodes_, i, i + 1, nodes_[i].cost + mainPrice_[data_[pos]], 0, -1, 0);
            if (i < skipTo) continue;
            const int maxLength = static_cast<int>(std::min<std::size_t>(kMaxMatch, n - i));
            if (maxLength < kMinMatch) continue;
            const Reps reps = nodes_[i].reps;
            const std::uint32_t base = nodes_[i].cost;
            for (int r = 0; r < kNumReps; ++r) {
                if (reps[r] > pos) continue;
                const int len = matcher_.LengthAt(pos, reps[r], maxLength);
                for (int l = kMinMatch; l <= len; ++l) Relax(nodes_, i, i + l, base + LengthPrice(l, r), l, r, reps[r]);
            }
            FindMatches(pos, maxLength);
            int from = kMinMatch;
            for (const LzxMatch& m : matches_) {
                int rep = -1;
                for (int r = 0; r < kNumReps; ++r) if (reps[r] == m.distance) rep = r;
                const std::uint32_t formatted = rep >= 0 ? static_cast<std::uint32_t>(rep) : m.distance + 2;
                const int slot = SlotOf(formatted);
                const std::uint32_t offset = base + OffsetPrice(formatted, slot);
                for (int l = from; l <= m.length; ++l) Relax(nodes_, i, i + l, offset + LengthPrice(l, slot), l, rep, m.distance);
                from = m.length + 1;
            }
            // A very long match is taken as it is: the positions inside it are not tried.
            if (!matches_.empty() && matches_.back().length >= kLongMatch) skipTo = i + matches_.back().length;
        }
        path_.clear();
        for (std::size_t i = n; i > 0; i -= nodes_[i].length ? nodes_[i].length : 1) path_.push_back(i);
        std::size_t i = 0;
        for (auto it = path_.rbegin(); it != path_.rend(); ++it) {
            const Node& node = nodes_[*it];
            if (node.length == 0) {
                out.push_back(Element{0, data_[start + i], 0});
            } else {
                out.push_back(Element{node.length, 0, Format(Choice{node.length, node.rep, node.distance, 0})});
            }
            i = *it;
        }
    }

    // The first look at a stretch, for its statistics: the longest match (or repeated
    // offset) at each step, while every position a cost-based parse would look at gets
    // its matches found.
    void ParseFrameGreedy(std::size_t start, std::size_t end, std::vector<Element>& out) {
        const std::size_t n = end - start;
        std::size_t skipTo = 0, next = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t pos = start + i;
            const int maxLength = static_cast<int>(std::min<std::size_t>(kMaxMatch, n - i));
            const bool look = i >= skipTo && maxLength >= kMinMatch;
            if (look) {
                FindMatches(pos, maxLength);
                if (!matches_.empty() && matches_.back().length >= kLongMatch) skipTo = i + matches_.back().length;
            }
            if (i < next) continue;
            Choice best = maxLength >= kMinMatch ? BestRep(pos, maxLength) : Choice{};
            if (look && !matches_.empty()) best = Prefer(best, matches_.back());
            if (best.length == 0) {
                out.push_back(Element{0, data_[pos], 0});
                next = i + 1;
            } else {
                out.push_back(Element{static_cast<std::uint16_t>(best.length), 0, Format(best)});
                next = i + static_cast<std::size_t>(best.length);
            }
        }
    }

    // The chain matches at `pos`, found once per block and replayed on its later passes.
    void FindMatches(std::size_t pos, int maxLength) {
        if (replay_) {
            const std::size_t count = cache_[cursor_++].length;
            matches_.assign(cache_.begin() + static_cast<std::ptrdiff_t>(cursor_),
                            cache_.begin() + static_cast<std::ptrdiff_t>(cursor_ + count));
            cursor_ += count;
            return;
        }
        matcher_.InsertUpTo(pos);
        matcher_.Matches(pos, maxLength, matches_);
        cache_.push_back(LzxMatch{static_cast<int>(matches_.size()), 0});
        cache_.insert(cache_.end(), matches_.begin(), matches_.end());
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

    static constexpr int kLongMatch = 64;
    // The cost-based parse's tree search: trees find the longest matches in few steps,
    // and a match this long is rarely beaten by a longer one.
    static constexpr int kTreeDepth = 16, kTreeNice = 64;

    ByteView data_;
    LzxMatcher matcher_;
    bool costBased_;
    std::vector<std::uint32_t> mainPrice_, lengthPrice_;
    std::array<std::uint32_t, kAlignedSize> alignedPrice_{kAlignedBits, kAlignedBits, kAlignedBits, kAlignedBits,
                                                           kAlignedBits, kAlignedBits, kAlignedBits, kAlignedBits};
    std::vector<Node> nodes_;
    std::vector<LzxMatch> matches_;
    std::vector<std::size_t> path_;
    Reps reps_{1, 1, 1};
    // The stretch being parsed: the repeated offsets at its start and its matches (each
    // position's count, then its matches) with the replay position.
    Reps blockReps_{};
    std::vector<LzxMatch> cache_;
    std::size_t cursor_ = 0;
    bool replay_ = false;
};

// Writes blocks into the stream and cuts it into one payload per frame.
class BlockWriter {
public:
    BlockWriter(int mainSize, bool e8, std::size_t total) : trees_(mainSize), e8_(e8), total_(total) {
        bits_.Put(e8 ? 1 : 0, 1);
        if (e8) bits_.Put(kE8FileSize, 32);
    }

    const LzxTreeState& trees() const { return trees_; }

    // One block of data[from, to): verbatim or aligned, whichever is smaller. Its codes
    // become the parser's prices for what follows.
    void Write(const std::vector<Element>& elements, std::size_t from, std::size_t to, Parser& parser) {
        const Frequencies f = Count(elements, 0, elements.size(), trees_.mainSize(), e8_);
        const std::vector<std::uint8_t> alignedLen = AlignedLengths(f.aligned);
        const std::vector<std::uint16_t> alignedCode = CanonicalCodes(alignedLen);
        bits_.Put(alignedLen.empty() ? kBlockVerbatim : kBlockAligned, 3);
        bits_.Put(static_cast<std::uint32_t>(to - from), 24);
        for (std::uint8_t len : alignedLen) bits_.Put(len, kAlignedTreeBits);
        const LzxCodes codes = trees_.Write(bits_, f.main, f.length);
        parser.SetPrices(codes.mainLen, codes.lengthLen, alignedLen);

        std::size_t pos = from;
        for (const Element& e : elements) {
            const std::uint32_t sym = MainSymbol(e);
            bits_.Put(codes.main[sym], codes.mainLen[sym]);
            if (e.length == 0) {
                ++pos;
            } else {
                if (e.length >= kMinMatch + kNumPrimaryLengths) {
                    const int ls = e.length - kMinMatch - kNumPrimaryLengths;
                    bits_.Put(codes.length[ls], codes.lengthLen[ls]);
                }
                const int slot = SlotOf(e.formatted);
                const int extra = ExtraBits(slot);
                const std::uint32_t value = e.formatted - kPositionBase[slot];
                if (!alignedLen.empty() && extra >= kAlignedBits) {
                    bits_.Put(value >> kAlignedBits, extra - kAlignedBits);
                    const int low = AlignedSymbol(e.formatted, slot);
                    bits_.Put(alignedCode[low], alignedLen[low]);
                } else if (extra > 0) {
                    bits_.Put(value, extra);
                }
                pos += e.length;
            }
            if (pos % kBlockSize == 0 || pos == total_) {
                bits_.Align();
                frames_.push_back(bits_.Take());
            }
        }
    }

    std::vector<Bytes> Frames() { return std::move(frames_); }

private:
    LzxTreeState trees_;
    bool e8_;
    std::size_t total_;
    LzxBits bits_;
    std::vector<Bytes> frames_;
};

}  // namespace

std::vector<Bytes> EncodeLzx(ByteView input, const LzxOptions& options) {
    const int slots = kSlotsForWindow[options.windowBits - kLzxWindowMin];
    const bool e8 = options.e8 && input.size() <= kE8MaxFrames * kBlockSize;
    Bytes data(input.begin(), input.end());
    if (e8) TranslateE8(data);

    Parser parser(data, options, kNumChars + slots * 8);
    BlockWriter writer(kNumChars + slots * 8, e8, data.size());
    std::vector<Element> elements, block;
    for (std::size_t start = 0; start < data.size(); start += kFramesPerStretch * kBlockSize) {
        const std::size_t end = std::min(data.size(), start + kFramesPerStretch * kBlockSize);
        elements.clear();
        parser.Record();
        parser.Parse(start, end, elements);
        if (!parser.CostBased()) {
            writer.Write(elements, start, end, parser);
            continue;
        }
        // Again, block by block, each priced by its own statistics from the first parse.
        const std::vector<FrameSpan> frames = FrameSpans(elements, start, end);
        parser.Replay();
        for (const FrameSpan& b : SplitBlocks(elements, frames, writer.trees(), e8)) {
            const Frequencies f = Count(elements, b.first, b.last, writer.trees().mainSize(), e8);
            parser.SetPrices(CodeLengths(f.main, kMaxCodeLength), CodeLengths(f.length, kMaxCodeLength),
                             AlignedLengths(f.aligned));
            block.clear();
            parser.Parse(b.from, b.to, block);
            writer.Write(block, b.from, b.to, parser);
        }
    }
    return writer.Frames();
}

}  // namespace quen::cab
