// Hash-chain match finder of the LZX encoder.
#include "maker/cab/CabLzxMatcher.h"

#include "maker/cab/CabFormat.h"
#include "maker/cab/CabLzxTables.h"

namespace quen::cab {
namespace {

constexpr int kHashBits = 17;
constexpr int kHash3Bits = 16;
// Once a match is this long, only a quarter of the remaining chain is searched.
constexpr int kGoodLength = 32;

// Rough bits a match of this distance costs beyond its length: the extra bits of its
// position slot plus a main-tree code. Guides the choice between near and far matches.
int DistanceCost(std::uint32_t distance) {
    return lzx::ExtraBits(lzx::SlotOf(distance + 2)) + 9;
}

}  // namespace

LzxMatcher::LzxMatcher(ByteView data, int windowBits, std::uint32_t maxDistance, int depth, int nice)
    : data_(data), maxDistance_(maxDistance), depth_(depth), nice_(nice),
      mask_((std::size_t{1} << windowBits) - 1), head_(std::size_t{1} << kHashBits, -1),
      prev_(std::min(data.size(), mask_ + 1), -1), head3_(std::size_t{1} << kHash3Bits, -1), head2_(65536, -1) {}

std::uint32_t LzxMatcher::Hash(std::size_t pos) const {
    return (Get32(&data_[pos]) * 2654435761u) >> (32 - kHashBits);
}

std::uint32_t LzxMatcher::Hash3(std::size_t pos) const {
    return ((Get32(&data_[pos]) & 0xFFFFFF) * 2654435761u) >> (32 - kHash3Bits);
}

void LzxMatcher::InsertUpTo(std::size_t pos) {
    const std::size_t end = std::min(pos, data_.size() >= 4 ? data_.size() - 3 : 0);
    for (; inserted_ < end; ++inserted_) {
        const std::uint32_t h = Hash(inserted_);
        prev_[inserted_ & mask_] = head_[h];
        head_[h] = static_cast<std::int32_t>(inserted_);
        head3_[Hash3(inserted_)] = static_cast<std::int32_t>(inserted_);
        head2_[Get16(&data_[inserted_])] = static_cast<std::int32_t>(inserted_);
    }
    if (inserted_ < pos) inserted_ = pos;
}

int LzxMatcher::LengthAt(std::size_t pos, std::uint32_t distance, int maxLength) const {
    const std::uint8_t* a = data_.data() + pos;
    const std::uint8_t* b = a - distance;
    int n = 0;
    while (n < maxLength && a[n] == b[n]) ++n;
    return n;
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

void LzxMatcher::Matches(std::size_t pos, int maxLength, std::vector<LzxMatch>& out) const {
    out.clear();
    if (maxLength < 4 || pos + 4 > data_.size()) return;
    int bl = 3;
    // The nearest two- and three-byte matches first: short matches pay only when near,
    // and the chains (four-byte prefixes) cannot find them.
    if (const LzxMatch m = MatchWith(head2_[Get16(&data_[pos])], pos, maxLength); m.length == 2) out.push_back(m);
    if (const LzxMatch m = MatchWith(head3_[Hash3(pos)], pos, maxLength); m.length >= 3) {
        out.push_back(m);
        bl = m.length;
        if (bl >= nice_ || bl == maxLength) return;
    }
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
