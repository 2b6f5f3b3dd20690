// The forward search through the old region.
#include "maker/CompWalk.h"

#include <algorithm>

namespace quen {
namespace {

// The smallest d dividing t with at[x] == at[x + d] for x < t (t itself when none is).
// Walks the divisors up to sqrt(t), then their partners: t may be a long stretch.
std::int64_t SmallestPeriod(const std::uint8_t* at, std::int64_t t) {
    const auto periodic = [&](std::int64_t d) { return d < t && CommonRun(at, at + d, t) == t; };
    std::int64_t i = 1;
    for (; i * i <= t; ++i) {
        if (t % i == 0 && periodic(i)) return i;
    }
    while (--i >= 1) {
        if (t % i == 0 && periodic(t / i)) return t / i;
    }
    return t;
}

// How far old[x] == old[x + t] holds from position `from` on, at most `room` bytes.
// The searches ask with many multiples of one period, from nearby positions, with
// rooms cut at their own limits; so the memo keeps the smallest period d and its run
// [from, to) measured to the file's end: a run of period d holds for every multiple t
// of d in [from, to - (t - d)), and ends exactly there.
std::int64_t Repeating(ByteView old, std::int64_t from, std::int64_t t, std::int64_t room, RepeatMemo* memo) {
    const std::uint8_t* at = old.data() + (from - 1);
    if (memo && memo->period > 0 && t % memo->period == 0 && from < memo->to) {
        const std::int64_t gap = memo->from - from;
        if (gap > 0 && CommonRun(at, at + memo->period, gap) == gap) memo->from = from;
        if (memo->from <= from) return std::min(room, std::max<std::int64_t>(0, memo->to - (t - memo->period) - from));
    }
    if (!memo) return CommonRun(at, at + t, room);
    const std::int64_t most = static_cast<std::int64_t>(old.size()) - (from - 1) - t;
    const std::int64_t same = CommonRun(at, at + t, most);
    // A run of period t at least t long repeats a shorter period d over its first t bytes
    // only if it repeats d throughout, and then d's run is t - d longer.
    const std::int64_t d = same >= t ? SmallestPeriod(at, t) : t;
    *memo = {d, from, from + same + (t - d)};
    return std::min(room, same);
}

// Positions a strided search passes before it checks for periodic old bytes.
constexpr std::int64_t kStrideChunk = 64;
constexpr std::int64_t kLongestPeriod = 64;
// Strides searched before the first periodicity check.
constexpr std::int64_t kFirstCheck = 512;
static_assert(kFirstCheck >= kStrideChunk, "a checked stretch must cover every period's stride pattern");

// A strided search found nothing in [chunk, p) (at least kStrideChunk strides). If the old
// bytes from `chunk` repeat with a period T of at most kLongestPeriod, every stride
// position in the repetition holds a byte already seen there, so the search resumes
// where the repetition ends; otherwise at p.
std::int64_t PastPeriodicStretch(ByteView old, std::int64_t chunk, std::int64_t p, std::int64_t limit,
                                 std::int64_t move, RepeatMemo* memo) {
    const std::uint8_t* at = old.data() + (chunk - 1);
    const std::int64_t room = limit - chunk + 1 - kLongestPeriod;  // old bytes readable past chunk + T
    if (room < kLongestPeriod) return p;
    // Only a period t with at[t] == at[0] can hold: memchr finds the few candidates.
    const std::uint8_t* const last = at + kLongestPeriod;
    for (const std::uint8_t* hit = at + 1;
         (hit = static_cast<const std::uint8_t*>(std::memchr(hit, *at, static_cast<size_t>(last - hit + 1)))); ++hit) {
        const std::int64_t t = hit - at;
        if (CommonRun(at, hit, kLongestPeriod) < kLongestPeriod) continue;
        const std::int64_t same = Repeating(old, chunk, t, room, memo);
        // Stride positions below chunk + same + T repeat positions at least lcm(T, M) <= p - chunk earlier.
        const std::int64_t end = chunk + same + t;
        return std::max(p, chunk + (end - chunk + move - 1) / move * move);
    }
    return p;
}

// The first position p >= from, p <= limit, p = from (mod move) whose byte is b; or a
// position past limit.
std::int64_t NextEqual(ByteView old, std::int64_t from, std::int64_t limit, std::uint8_t b,
                       std::int64_t move, RepeatMemo* memo) {
    if (from > limit) return from;
    const std::uint8_t* first = old.data();  // position 1
    if (move == 1) {
        const std::uint8_t* start = first + (from - 1);
        const void* hit = std::memchr(start, b, static_cast<std::size_t>(limit - from + 1));
        return hit ? from + (static_cast<const std::uint8_t*>(hit) - start) : limit + 1;
    }
    std::int64_t p = from;
    // Each stretch without a hit is twice as long as the one before: ordinary data pays for
    // a few periodicity checks per search, not one every kStrideChunk strides.
    for (std::int64_t strides = kFirstCheck; p <= limit; strides *= 2) {
        const std::int64_t chunk = p, stop = std::min(limit, p + strides * move);
        for (; p <= stop; p += move) {
            if (first[p - 1] == b) return p;
        }
        if (p <= limit) p = PastPeriodicStretch(old, chunk, p, limit, move, memo);
    }
    return p;
}

// Walk iterations between fresh anchors of the repeat check.
constexpr int kAnchorEvery = 64;

// The walk's next step depends only on the probe position and the old bytes from there
// on. When the old bytes from `anchor` repeat with period T = p - anchor, the probes from
// anchor to p repeat shifted by T, again and again, for as long as everything they read
// (up to S bytes past each probe) lies inside the repetition. None of them found a run,
// so none of the repeats would: returns the position after the last whole repeat that
// stays at or below `limit` (or p itself). Periodic and zero-filled old data would
// otherwise be walked a few bytes at a time.
std::int64_t SkipRepeats(const WalkInput& s, std::int64_t anchor, std::int64_t p, std::int64_t limit) {
    const std::int64_t t = p - anchor;
    const std::int64_t room = std::min(s.oldEnd - p + 1, limit + 1 - anchor + s.sample + 1);
    if (room < t + s.sample + 1 || anchor + 2 * t > limit + 1) return p;
    // A skip needs t + S + 1 repeating bytes; checking those first keeps the long comparison
    // for stretches that are skipped, so ordinary data pays little per probe.
    const std::uint8_t* at = s.oldFile.data() + (anchor - 1);
    if (CommonRun(at, at + t, t + s.sample + 1) < t + s.sample + 1) return p;
    const std::int64_t same = Repeating(s.oldFile, anchor, t, room, s.memo);
    const std::int64_t repeats = std::min((same - s.sample - 1) / t, (limit + 1 - anchor) / t - 1);
    return repeats >= 1 ? anchor + (repeats + 1) * t : p;
}

}  // namespace

WalkResult Walk(const WalkInput& s, std::int64_t from, std::int64_t limit) {
    const std::uint8_t* oldFirst = s.oldFile.data();  // position 1
    const std::uint8_t* want = s.newFile.data() + (s.newPos - 1);
    const std::uint8_t b = *want;
    const std::int64_t newRoom = s.newEnd - s.newPos + 1;
    std::int64_t p = from, anchor = from;
    for (int sinceAnchor = 1;; ++sinceAnchor) {
        p = NextEqual(s.oldFile, p, limit, b, s.move, s.memo);
        if (p > limit) return {{}, p};
        const std::int64_t cap = std::min(s.oldEnd - p + 1, newRoom);
        const std::int64_t k = CommonRun(oldFirst + (p - 1), want, std::min(cap, s.sample + 1));
        if (k > s.sample) return {{p, k + CommonRun(oldFirst + (p - 1 + k), want + k, cap - k)}, p};
        p += k + 1;
        const std::int64_t skipped = SkipRepeats(s, anchor, p, limit);
        if (skipped != p || sinceAnchor == kAnchorEvery) {
            p = skipped;
            anchor = p;
            sinceAnchor = 0;
        }
    }
}

}  // namespace quen
