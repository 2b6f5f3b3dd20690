// The copy map's lookups and the rel32 prediction shared by the compact encoder and decoder.
#include "maker/CompactPredict.h"

#include <algorithm>
#include <limits>

namespace quen {
namespace {

// NewTarget's answers that are no address: outside every section, or inside without a
// prediction. Real addresses stay above -2^34.
constexpr std::int64_t kOutside = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kUnknown = kOutside + 1;

}  // namespace

std::int64_t CopyMap::NewOf(std::int64_t o) const {
    const std::int64_t b = o >> kBlockBits, blocks = static_cast<std::int64_t>(blockEnd_.size());
    const auto from = copies_.begin() + (b > 0 ? blockEnd_[static_cast<std::size_t>(std::min(b, blocks) - 1)] : 0);
    const auto to = b < blocks ? copies_.begin() + blockEnd_[static_cast<std::size_t>(b)] : copies_.end();
    auto it = std::upper_bound(from, to, o, [](std::int64_t v, const Copy& c) { return v < c.oldStart; });
    for (int k = 0; k < kReach && it != copies_.begin(); ++k) {
        --it;
        if (o < it->oldStart + it->length) return it->newStart + (o - it->oldStart);
    }
    return -1;
}

namespace {

// The field of a reference instruction at p (its bytes end before `end`), or -1.
std::int64_t FieldAt(const std::uint8_t* old, std::int64_t p, std::int64_t end, bool x64) {
    const std::uint8_t op = old[p];
    if (op == 0xE8 || op == 0xE9) return p + 1;
    if (p + 6 > end) return -1;
    if (op == 0x0F && (old[p + 1] & 0xF0) == 0x80) return p + 2;
    if (!x64) return -1;
    if (op == 0xFF && (old[p + 1] == 0x15 || old[p + 1] == 0x25)) return p + 2;
    const std::int64_t at = (op & 0xF0) == 0x40 ? p + 1 : p;
    if (at + 6 > end) return -1;
    switch (old[at]) {
        case 0x03: case 0x2B: case 0x33: case 0x39: case 0x3B: case 0x63: case 0x85: case 0x89: case 0x8B: case 0x8D:
            return (old[at + 1] & 0xC7) == 0x05 ? at + 2 : -1;
        default:
            return -1;
    }
}

// The byte pairs that may begin a reference instruction (FieldAt decides), indexed by
// first byte | second byte << 8, so the scan skips every other position with one lookup.
struct StartPairs {
    std::vector<bool> x86 = std::vector<bool>(65536), x64 = std::vector<bool>(65536);
    StartPairs() {
        for (int second = 0; second < 256; ++second) {
            for (int first : {0xE8, 0xE9}) x86[first | second << 8] = x64[first | second << 8] = true;
            if ((second & 0xF0) == 0x80) x86[0x0F | second << 8] = x64[0x0F | second << 8] = true;
        }
        for (int op : {0x03, 0x2B, 0x33, 0x39, 0x3B, 0x63, 0x85, 0x89, 0x8B, 0x8D}) {
            for (int modrm = 0x05; modrm < 0x40; modrm += 8) x64[op | modrm << 8] = true;
            for (int rex = 0x40; rex <= 0x4F; ++rex) x64[rex | op << 8] = true;
        }
        x64[0xFF | 0x15 << 8] = x64[0xFF | 0x25 << 8] = true;
    }
};

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
    auto it = std::lower_bound(sites_.begin(), sites_.end(), oldStart,
                               [](const Site& s, std::int64_t o) { return s.field < o; });
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
    static const StartPairs starts;
    const std::vector<bool>& may = code_.x64 ? starts.x64 : starts.x86;
    for (const auto& [rangeStart, end] : code_.ranges) {
        const Place* place = RawPlace(rangeStart);
        const std::int64_t toRva = place ? place->rva - place->raw : 0;
        const auto placeIndex = static_cast<std::int32_t>(place ? place - places_.data() : -1);
        for (std::int64_t p = rangeStart; p + 5 <= end;) {
            if (!may[old[p] | old[p + 1] << 8]) {
                ++p;
                continue;
            }
            const std::int64_t field = FieldAt(old, p, end, code_.x64);
            const std::int64_t target =
                field < 0 ? -1 : field + toRva + 4 + static_cast<std::int32_t>(GetLE32(old + field));
            if (field < 0 || target > 0xFFFFFFFF || NewTarget(target, false) == kOutside) {
                ++p;
                continue;
            }
            sites_.push_back({static_cast<std::uint32_t>(field), static_cast<std::uint32_t>(target), placeIndex});
            p = field + 4;
        }
    }
}

void ReferencePredictor::Absolute(std::int64_t oldStart, std::uint8_t* out, std::int64_t count) const {
    const std::int64_t copyEnd = oldStart + count;
    auto it = std::lower_bound(code_.fixups.begin(), code_.fixups.end(), oldStart,
                               [](const Fixup& f, std::int64_t o) { return f.at < o; });
    for (; it != code_.fixups.end() && it->at + it->width <= copyEnd; ++it) {
        std::uint64_t value = 0;
        for (int i = it->width - 1; i >= 0; --i) value = value << 8 | old_[static_cast<std::size_t>(it->at + i)];
        const std::uint64_t rva = value - code_.imageBase;
        if (rva >= std::uint64_t{1} << 32) continue;
        const std::int64_t newTarget = NewTarget(static_cast<std::int64_t>(rva), true);
        if (newTarget == kOutside || newTarget == kUnknown) continue;
        const std::uint64_t predicted = newBase_ + static_cast<std::uint64_t>(newTarget);
        for (int i = 0; i < it->width; ++i) out[it->at - oldStart + i] = static_cast<std::uint8_t>(predicted >> (8 * i));
    }
}

}  // namespace quen
