// The straightforward difference encoder, written step by step as the algorithm reads,
// against which the production encoder is checked byte for byte.
#pragma once

#include <cstdint>

#include "maker/CompFormat.h"
#include "maker/CompModule.h"

namespace quen::oracle {

// Byte at a 1-based position, or -1 outside the file (a probe there never matches).
inline int At(ByteView f, std::int64_t pos) {
    return (pos >= 1 && pos <= static_cast<std::int64_t>(f.size())) ? f[pos - 1] : -1;
}

inline Match FindMatch(ByteView old, std::int64_t q, std::int64_t oe, ByteView nf, std::int64_t n,
                       std::int64_t ne, std::int64_t s, std::int64_t m) {
    std::int64_t p = q;
    do {
        if (At(old, p) >= 0 && At(old, p) == At(nf, n)) {
            std::int64_t k = 1;
            while (p + k <= oe && n + k <= ne && At(old, p + k) == At(nf, n + k)) ++k;
            if (k > s) return {p, k};
            p = p + k + 1;
        } else {
            p = p + m;
        }
    } while (p + s <= oe);
    return {};
}

inline void EncodeRegion(ByteView old, std::int64_t os, std::int64_t oe, ByteView nf, std::int64_t ns,
                         std::int64_t ne, std::int64_t s, std::int64_t m, CompRecords& out) {
    std::int64_t q = os, n = ns, l = ns;
    do {
        const Match found = oracle::FindMatch(old, q, oe, nf, n, ne, s, m);
        if (found.Found()) {
            if (n > l) out.push_back({CompRecord::Literal, l, n - l});
            out.push_back({CompRecord::Copy, found.position, found.length});
            q = found.position + found.length;
            n = n + found.length;
            l = n;
        } else {
            n = n + s;
        }
    } while (!(n + s - 1 > ne || q > oe));
    if (l <= ne) out.push_back({CompRecord::Literal, l, ne - l + 1});
}

inline CompRecords Records(ByteView old, ByteView nf, const CompTuning& tuning) {
    const CompTuning t = tuning.Sanitized();
    CompRecords out;
    for (const RegionTask& task : PlanRegions(old, nf, t)) {
        const Region& r = task.newRegion;
        if (!task.oldRegion) {
            if (r.Length() > 0) out.push_back({CompRecord::Literal, r.start, r.Length()});
        } else {
            oracle::EncodeRegion(old, task.oldRegion->start, task.oldRegion->end, nf, r.start, r.end, task.sample,
                         t.moveSize, out);
        }
    }
    return out;
}

inline Bytes CompareBytes(ByteView old, ByteView nf, const CompTuning& tuning) {
    return WriteDifference(old, nf, Records(old, nf, tuning));
}

}  // namespace quen::oracle
