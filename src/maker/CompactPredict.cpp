// The copy map's lookups and the rel32 prediction shared by the compact encoder and decoder.
#include "maker/CompactPredict.h"

#include <algorithm>
#include <bit>
#include <limits>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quen {
namespace {

// NewTarget's answers that are no address: outside every section, or inside without a
// prediction. Real addresses stay above -2^34.
constexpr std::int64_t kOutside = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kUnknown = kOutside + 1;
// The old file's blocks of the reference and relocation indexes: the copy map's blocks.
constexpr int kIndexBlockBits = 8;

}  // namespace

std::int64_t CopyMap::NewOf(std::int64_t o) const {
    if (segmentAt_.empty()) return -1;
    const auto last = static_cast<std::int64_t>(segmentAt_.size()) - 1;
    std::size_t i = segmentAt_[static_cast<std::size_t>(std::clamp<std::int64_t>(o >> kBlockBits, 0, last))];
    while (i + 1 < segments_.size() && segments_[i + 1].start <= o) ++i;
    const Segment& s = segments_[i];
    return s.to == kNowhere ? -1 : s.to + (o - s.start);
}

namespace {

// Whether the pair at p begins a reference instruction: the field follows E8 and E9, else
// the pair. An instruction with a REX prefix (40-4F) is found one byte on, at its opcode:
// no reference begins with 40-4F, and the field is the same either way.
inline bool StartsReference(const std::uint8_t* p, bool x64) {
    const unsigned first = p[0], second = p[1];
    if ((first & 0xFE) == 0xE8 || (first == 0x0F && (second & 0xF0) == 0x80)) return true;
    if (!x64 || (second & 0xC7) != 0x05) return false;
    // RIP-relative ModRM: after FF only 15 and 25; else one of 03 2B 33 39 3B 63 85 89 8B 8D.
    if (first == 0xFF) return second == 0x15 || second == 0x25;
    switch (first) {
    case 0x03: case 0x2B: case 0x33: case 0x39: case 0x3B: case 0x63: case 0x85: case 0x89: case 0x8B: case 0x8D:
        return true;
    default:
        return false;
    }
}

// 0x80 in each byte of v that is zero, nothing elsewhere.
constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
inline std::uint64_t ZeroBytes(std::uint64_t v) { return ~(((v & kLow7) + kLow7) | v | kLow7); }

// 0x80 in byte k when position k of the eight at p may begin a reference: E8, E9 or 0F 8x,
// and on x64 a second byte that is a RIP-relative ModRM (as 15 and 25 after FF are).
inline std::uint64_t Candidates(const std::uint8_t* p, bool x64) {
    constexpr std::uint64_t kBytes = 0x0101010101010101ull;
    const std::uint64_t first = GetLE64(p), second = GetLE64(p + 1);
    std::uint64_t hits = ZeroBytes((first & 0xFE * kBytes) ^ 0xE8 * kBytes) |
                         (ZeroBytes(first ^ 0x0F * kBytes) & ZeroBytes((second & 0xF0 * kBytes) ^ 0x80 * kBytes));
    if (x64) hits |= ZeroBytes((second & 0xC7 * kBytes) ^ 0x05 * kBytes);
    return hits;
}

#ifdef __SSE2__
// Candidates for the sixteen positions at p, one bit each.
inline std::uint32_t Candidates16(const std::uint8_t* p, bool x64) {
    const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
    const auto is = [](__m128i v, int mask, int value) {
        return _mm_cmpeq_epi8(_mm_and_si128(v, _mm_set1_epi8(static_cast<char>(mask))), _mm_set1_epi8(static_cast<char>(value)));
    };
    __m128i hits = _mm_or_si128(is(first, 0xFE, 0xE8), _mm_and_si128(is(first, 0xFF, 0x0F), is(second, 0xF0, 0x80)));
    if (x64) hits = _mm_or_si128(hits, is(second, 0xC7, 0x05));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(hits));
}
#endif

// index[b]: the first of `items` (ascending by position) at or after old block b, for
// every block of an old file of `oldSize` bytes and the block at its end.
template <class T, class Position>
std::vector<std::uint32_t> BlockIndex(const std::vector<T>& items, std::size_t oldSize, Position position) {
    std::vector<std::uint32_t> index((oldSize >> kIndexBlockBits) + 1);
    std::size_t i = 0;
    for (std::size_t b = 0; b < index.size(); ++b) {
        while (i < items.size() && position(items[i]) < b << kIndexBlockBits) ++i;
        index[b] = static_cast<std::uint32_t>(i);
    }
    return index;
}

}  // namespace

ReferencePredictor::ReferencePredictor(ByteView oldFile, const OldCode& code, const ImageMoves& moves,
                                       const CopyMap& map)
    : old_(oldFile), code_(code), map_(map), newBase_(code.imageBase + static_cast<std::uint64_t>(moves.base)) {
    for (std::size_t i = 0; i < code.sections.size(); ++i) {
        const ImageSection& s = code.sections[i];
        const auto& [skew, move] = moves.moves[i];
        places_.push_back({s.raw, s.raw + s.rawSize, s.rva, s.rva + std::max(s.virtualSize, s.rawSize),
                           s.rva - s.raw + skew, move});
    }
    FindSites();
    siteAt_ = BlockIndex(sites_, old_.size(), [](const Site& s) { return s.field; });
    fixupAt_ = BlockIndex(code.fixups, old_.size(), [](const Fixup& f) { return f.at; });
}

const ReferencePredictor::Place* ReferencePredictor::RawPlace(std::int64_t o) const {
    for (const Place& p : places_) {
        if (o >= p.raw && o < p.rawEnd) return &p;
    }
    return nullptr;
}

std::int64_t ReferencePredictor::NewTarget(std::int64_t rva, bool mapped) const {
    if (places_.empty()) {
        if (rva < 0 || rva >= static_cast<std::int64_t>(old_.size())) return kOutside;
        const std::int64_t n = mapped ? map_.NewOf(rva) : -1;
        return n >= 0 ? n : kUnknown;
    }
    for (const Place& p : places_) {
        if (rva < p.rva || rva >= p.rvaEnd) continue;
        const std::int64_t o = p.raw + (rva - p.rva);
        const std::int64_t n = mapped && o < p.rawEnd ? map_.NewOf(o) : -1;
        return n >= 0 ? n + p.toNew : rva + p.move;
    }
    return kOutside;
}

void ReferencePredictor::Predict(std::int64_t oldStart, std::int64_t newStart, std::uint8_t* out,
                                 std::int64_t count) const {
    Relative(oldStart, newStart, out, count);
    Absolute(oldStart, out, count);
}

void ReferencePredictor::Relative(std::int64_t oldStart, std::int64_t newStart, std::uint8_t* out,
                                  std::int64_t count) const {
    const std::int64_t copyEnd = oldStart + count;
    auto it = sites_.begin() + siteAt_[static_cast<std::size_t>(oldStart >> kIndexBlockBits)];
    while (it != sites_.end() && it->field < oldStart) ++it;
    for (; it != sites_.end() && it->field + 4 <= copyEnd; ++it) {
        const std::int64_t newTarget = NewTarget(it->target, true);
        if (newTarget == kUnknown) continue;
        const std::int64_t toNew = it->place < 0 ? 0 : places_[static_cast<std::size_t>(it->place)].toNew;
        const std::int64_t newField = newStart + (it->field - oldStart) + toNew;
        const auto predicted = static_cast<std::uint32_t>(newTarget - newField - 4);
        std::uint8_t* f = out + (it->field - oldStart);
        for (int i = 0; i < 4; ++i) f[i] = static_cast<std::uint8_t>(predicted >> (8 * i));
    }
}

void ReferencePredictor::FindSites() {
    const std::uint8_t* old = old_.data();
    // Every address a target may have lies in [low, high): most candidates fail on that.
    std::int64_t low = 0, high = static_cast<std::int64_t>(old_.size()), code = 0;
    if (!places_.empty()) {
        low = std::numeric_limits<std::int64_t>::max();
        high = 0;
    }
    for (const Place& p : places_) {
        low = std::min(low, p.rva);
        high = std::max(high, p.rvaEnd);
    }
    for (const auto& [rangeStart, end] : code_.ranges) code += end - rangeStart;
    sites_.reserve(static_cast<std::size_t>(code / 16));  // real code has one in 20 to 40 bytes
    for (const auto& range : code_.ranges) {
        const std::int64_t rangeStart = range.first, end = range.second;  // variables: the lambda captures them
        const Place* place = RawPlace(rangeStart);
        const std::int64_t toRva = place ? place->rva - place->raw : 0;
        const auto placeIndex = static_cast<std::int32_t>(place ? place - places_.data() : -1);
        // The position after the last reference found: positions before it are inside it.
        std::int64_t after = rangeStart;
        const auto tryAt = [&](std::int64_t p) {
            if (p < after || !StartsReference(old + p, code_.x64)) return;
            const std::int64_t field = (old[p] & 0xFE) == 0xE8 ? p + 1 : p + 2;
            if (field + 4 > end) return;
            const std::int64_t target = field + toRva + 4 + static_cast<std::int32_t>(GetLE32(old + field));
            // Most targets lie in the field's own section, which spares the section walk.
            const bool own = place && target >= place->rva && target < place->rvaEnd;
            if (target < low || target >= high || target > 0xFFFFFFFF || (!own && NewTarget(target, false) == kOutside)) {
                return;
            }
            sites_.push_back({static_cast<std::uint32_t>(field), static_cast<std::uint32_t>(target), placeIndex});
            after = field + 4;
        };
        std::int64_t p = rangeStart;
#ifdef __SSE2__
        // Sixteen positions a step where the compiler has SSE2 (every x86-64 build).
        for (; p + 17 <= end; p += 16) {
            for (std::uint32_t hits = Candidates16(old + p, code_.x64); hits; hits &= hits - 1) tryAt(p + std::countr_zero(hits));
        }
#endif
        // Eight positions a step without a branch each: most steps hold no reference.
        for (; p + 13 <= end; p += 8) {
            for (std::uint64_t hits = Candidates(old + p, code_.x64); hits; hits &= hits - 1) {
                tryAt(p + std::countr_zero(hits) / 8);
            }
        }
        for (; p + 5 <= end; ++p) tryAt(p);
    }
}

void ReferencePredictor::Absolute(std::int64_t oldStart, std::uint8_t* out, std::int64_t count) const {
    const std::int64_t copyEnd = oldStart + count;
    auto it = code_.fixups.begin() + fixupAt_[static_cast<std::size_t>(oldStart >> kIndexBlockBits)];
    while (it != code_.fixups.end() && it->at < oldStart) ++it;
    for (; it != code_.fixups.end() && it->at + it->width <= copyEnd; ++it) {
        const std::uint8_t* at = old_.data() + it->at;
        const std::uint64_t value = it->width == 8 ? GetLE64(at) : GetLE32(at);
        const std::uint64_t rva = value - code_.imageBase;
        if (rva >= std::uint64_t{1} << 32) continue;
        const std::int64_t newTarget = NewTarget(static_cast<std::int64_t>(rva), true);
        if (newTarget == kOutside || newTarget == kUnknown) continue;
        const std::uint64_t predicted = newBase_ + static_cast<std::uint64_t>(newTarget);
        for (std::uint32_t i = 0; i < it->width; ++i) out[it->at - oldStart + i] = static_cast<std::uint8_t>(predicted >> (8 * i));
    }
}

}  // namespace quen
