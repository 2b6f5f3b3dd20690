// The forward search through the old region.
#include "build/CompWalk.h"

#include <algorithm>
#include <cstring>

namespace quen {
namespace {

// Length of the common run of a and b, at most `cap` bytes, compared a word at a time.
std::int64_t CommonRun(const std::uint8_t* a, const std::uint8_t* b, std::int64_t cap) {
    std::int64_t k = 0;
    while (k + 8 <= cap) {
        std::uint64_t x, y;
        std::memcpy(&x, a + k, 8);
        std::memcpy(&y, b + k, 8);
        if (x != y) break;
        k += 8;
    }
    while (k < cap && a[k] == b[k]) ++k;
    return k;
}

// The first position p >= from, p <= limit, p = from (mod move) whose byte is b; or a
// position past limit. `first` points at position 1.
std::int64_t NextEqual(const std::uint8_t* first, std::int64_t from, std::int64_t limit, std::uint8_t b,
                       std::int64_t move) {
    if (from > limit) return from;
    if (move == 1) {
        const std::uint8_t* start = first + (from - 1);
        const void* hit = std::memchr(start, b, static_cast<std::size_t>(limit - from + 1));
        return hit ? from + (static_cast<const std::uint8_t*>(hit) - start) : limit + 1;
    }
    std::int64_t p = from;
    while (p <= limit && first[p - 1] != b) p += move;
    return p;
}

}  // namespace

WalkResult Walk(const WalkInput& s, std::int64_t from, std::int64_t limit) {
    const std::uint8_t* oldFirst = s.oldFile.data();  // position 1
    const std::uint8_t* want = s.newFile.data() + (s.newPos - 1);
    const std::uint8_t b = *want;
    const std::int64_t newRoom = s.newEnd - s.newPos + 1;
    std::int64_t p = from;
    while (true) {
        p = NextEqual(oldFirst, p, limit, b, s.move);
        if (p > limit) return {{}, p};
        const std::int64_t cap = std::min(s.oldEnd - p + 1, newRoom);
        const std::int64_t k = CommonRun(oldFirst + (p - 1), want, std::min(cap, s.sample + 1));
        if (k > s.sample) return {{p, k + CommonRun(oldFirst + (p - 1 + k), want + k, cap - k)}, p};
        p += k + 1;
    }
}

}  // namespace quen
