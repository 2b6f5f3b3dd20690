// Hash-chain and binary-tree match finder of the LZX encoder.
#include "maker/cab/CabLzxMatcher.h"

#include "maker/cab/CabFormat.h"
#include "maker/cab/CabLzxTables.h"

namespace quen::cab {
namespace {

constexpr int kHashBits = 17;
// Trees sort their positions, so more of them (smaller ones) only shorten the searches.
constexpr int kTreeHashBits = 20;
constexpr int kHash3Bits = 16;
// Once a match is this long, only a quarter of the remaining chain is searched.
constexpr int kGoodLength = 32;

// Rough bits a match of this distance costs beyond its length: the extra bits of its
// position slot plus a main-tree code. Guides the choice between near and far matches.
int DistanceCost(std::uint32_t distance) {
    return lzx::ExtraBits(lzx::SlotOf(distance + 2)) + 9;
}

}  // namespace

LzxMatcher::LzxMatcher(ByteView data, int windowBits, std::uint32_t maxDistance, int depth, int nice, bool tree)
    : data_(data), maxDistance_(maxDistance), depth_(depth), nice_(nice), tree_(tree),
      hashBits_(tree ? kTreeHashBits : kHashBits), mask_((std::size_t{1} << windowBits) - 1),
      head_(std::size_t{1} << hashBits_, -1),
      prev_(std::min(data.size(), mask_ + 1) * (tree ? 2 : 1), -1), head3_(std::size_t{1} << kHash3Bits, -1),
      head2_(65536, -1) {}

std::uint32_t LzxMatcher::Hash(std::size_t pos) const {
    return (Get32(&data_[pos]) * 2654435761u) >> (32 - hashBits_);
}

std::uint32_t LzxMatcher::Hash3(std::size_t pos) const {
    return ((Get32(&data_[pos]) & 0xFFFFFF) * 2654435761u) >> (32 - kHash3Bits);
}

void LzxMatcher::InsertUpTo(std::size_t pos) {
    const std::size_t end = std::min(pos, data_.size() >= 4 ? data_.size() - 3 : 0);
    for (; inserted_ < end; ++inserted_) {
        if (tree_) AddToTree(inserted_, 0, 0, nullptr);
        else AddToChains(inserted_);
    }
    if (inserted_ < pos) inserted_ = pos;
}

void LzxMatcher::AddToChains(std::size_t pos) {
    const std::uint32_t h = Hash(pos);
    prev_[pos & mask_] = head_[h];
    head_[h] = static_cast<std::int32_t>(pos);
    head3_[Hash3(pos)] = static_cast<std::int32_t>(pos);
    head2_[Get16(&data_[pos])] = static_cast<std::int32_t>(pos);
}

// The tree of a hash holds its positions ordered by the bytes that follow them, the
// newest at the root. Searching for `pos` walks down from the root and splits the old
// tree into the subtrees smaller and greater than `pos`, which become its own: so the
// search is the insertion, and positions met on the way are the ones sharing the
// longest prefixes with `pos`, newest first.
void LzxMatcher::AddToTree(std::size_t pos, int maxLength, int shortest, std::vector<LzxMatch>* out) {
    // The next position's roots, fetched from memory while this one is searched.
    if (pos + 5 <= data_.size()) {
        __builtin_prefetch(&head_[Hash(pos + 1)]);
        __builtin_prefetch(&head3_[Hash3(pos + 1)]);
        __builtin_prefetch(&head2_[Get16(&data_[pos + 1])]);
    }
    head3_[Hash3(pos)] = static_cast<std::int32_t>(pos);
    head2_[Get16(&data_[pos])] = static_cast<std::int32_t>(pos);
    const std::uint32_t h = Hash(pos);
    std::int32_t cand = head_[h];
    head_[h] = static_cast<std::int32_t>(pos);
    // Where the next smaller and the next greater position met get linked in.
    std::int32_t* smaller = &prev_[2 * (pos & mask_)];
    std::int32_t* greater = smaller + 1;
    const int limit = static_cast<int>(std::min<std::size_t>(nice_, data_.size() - pos));
    const std::uint8_t* const cur = data_.data() + pos;
    int smallerLen = 0, greaterLen = 0;  // bytes every position below smaller / above greater shares
    for (int steps = depth_; cand >= 0 && steps > 0; --steps) {
        const std::uint32_t distance = static_cast<std::uint32_t>(pos - static_cast<std::size_t>(cand));
        if (distance > maxDistance_) break;
        std::int32_t* const node = &prev_[2 * (static_cast<std::size_t>(cand) & mask_)];
        const std::uint8_t* const at = cur - distance;
        int len = std::min(smallerLen, greaterLen);
        if (at[len] == cur[len]) len += static_cast<int>(CommonRun(at + len, cur + len, limit - len));
        if (out && len > shortest && shortest < maxLength) {
            shortest = std::min(len, maxLength);
            out->push_back(LzxMatch{shortest, distance});
        }
        if (len == limit) {
            // As long as `pos` as far as compared: it takes that position's place.
            *smaller = node[0];
            *greater = node[1];
            if (out && !out->empty() && limit < maxLength && out->back().distance == distance)
                out->back().length = LengthAt(pos, distance, maxLength);
            return;
        }
        if (at[len] < cur[len]) {
            *smaller = cand;
            smaller = node + 1;
            cand = *smaller;
            smallerLen = len;
        } else {
            *greater = cand;
            greater = node;
            cand = *greater;
            greaterLen = len;
        }
    }
    *smaller = -1;
    *greater = -1;
}

int LzxMatcher::LengthAt(std::size_t pos, std::uint32_t distance, int maxLength) const {
    const std::uint8_t* a = data_.data() + pos;
    return static_cast<int>(CommonRun(a, a - distance, maxLength));
}

LzxMatch LzxMatcher::MatchWith(std::int32_t at, std::size_t pos, int maxLength) const {
    if (at < 0) return {};
    const std::uint32_t distance = static_cast<std::uint32_t>(pos - static_cast<std::size_t>(at));
    if (distance > maxDistance_) return {};
    return LzxMatch{LengthAt(pos, distance, maxLength), distance};
}

LzxMatch LzxMatcher::Longest(std::size_t pos, int maxLength) const {
    LzxMatch best;
    if (maxLength < 4 || pos + 4 > data_.size()) return best;
    int bestScore = 0;
    std::int32_t cand = head_[Hash(pos)];
    for (int chain = depth_; cand >= 0 && chain > 0; --chain) {
        const std::uint32_t distance = static_cast<std::uint32_t>(pos - static_cast<std::size_t>(cand));
        if (distance > maxDistance_) break;
        // Only a candidate that beats the best length at its last byte can win.
        const int bl = best.length;
        if (bl == 0 || (bl < maxLength && data_[pos + bl] == data_[cand + bl])) {
            const int len = LengthAt(pos, distance, maxLength);
            const int score = len * 8 - DistanceCost(distance);
            if (len >= 3 && score > bestScore) {
                best = LzxMatch{len, distance};
                bestScore = score;
                if (len >= nice_ || len == maxLength) break;
                if (len >= kGoodLength && chain > depth_ / 4) chain = depth_ / 4;
            }
        }
        cand = prev_[static_cast<std::size_t>(cand) & mask_];
    }
    return best;
}

void LzxMatcher::Matches(std::size_t pos, int maxLength, std::vector<LzxMatch>& out) {
    out.clear();
    if (maxLength < 4 || pos + 4 > data_.size()) return;
    int bl = 3;
    // The nearest two- and three-byte matches first: short matches pay only when near,
    // and the chains (four-byte prefixes) cannot find them.
    if (const LzxMatch m = MatchWith(head2_[Get16(&data_[pos])], pos, maxLength); m.length == 2) out.push_back(m);
    if (const LzxMatch m = MatchWith(head3_[Hash3(pos)], pos, maxLength); m.length >= 3) {
        out.push_back(m);
        bl = m.length;
    }
    if (tree_) {
        AddToTree(pos, maxLength, std::min(bl, maxLength), &out);
        inserted_ = pos + 1;
        return;
    }
    if (bl >= nice_ || bl == maxLength) return;
    std::int32_t cand = head_[Hash(pos)];
    for (int chain = depth_; cand >= 0 && chain > 0; --chain) {
        const std::uint32_t distance = static_cast<std::uint32_t>(pos - static_cast<std::size_t>(cand));
        if (distance > maxDistance_) break;
        if (data_[pos + bl] == data_[cand + bl]) {
            const int len = LengthAt(pos, distance, maxLength);
            if (len > bl) {
                out.push_back(LzxMatch{len, distance});
                bl = len;
                if (len >= nice_ || len == maxLength) break;
                if (len >= kGoodLength && chain > depth_ / 4) chain = depth_ / 4;
            }
        }
        cand = prev_[static_cast<std::size_t>(cand) & mask_];
    }
}

}  // namespace quen::cab
