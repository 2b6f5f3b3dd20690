// The thorough encoder's parse of the new file over a suffix index of the old file.
#include "build/CompThorough.h"

#include <algorithm>

#include "build/SuffixArray.h"

namespace quen {
namespace {

constexpr std::int64_t kProgressEvery = 8192;
// Shortest copy taken: below it a 9-byte record costs more than the bytes it replaces.
constexpr std::int64_t kMinCopy = 12;

class Parse {
public:
    Parse(ByteView oldFile, ByteView newFile, ProgressSpan progress)
        : index_(oldFile), new_(newFile), progress_(progress) {}

    CompRecords Run() {
        const auto n = static_cast<std::int64_t>(new_.size());
        std::int64_t i = 0;
        SuffixMatch cur = Find(i);
        while (i < n) {
            // A copy of the whole file is always the smallest record.
            if (cur.length < kMinCopy && !(i == 0 && cur.length == n)) {
                cur = Find(++i);
                continue;
            }
            // Lazy step: a clearly longer copy one byte on is worth a literal byte.
            const SuffixMatch next = Find(i + 1);
            if (next.length > cur.length + 1) {
                ++i;
                cur = next;
                continue;
            }
            Copy(i, cur);
            i += cur.length;
            cur = Find(i);
        }
        FlushLiteral(n);
        return std::move(records_);
    }

private:
    SuffixMatch Find(std::int64_t at) {
        Report(at);
        if (at >= static_cast<std::int64_t>(new_.size())) return {};
        return index_.Longest(new_.subspan(static_cast<std::size_t>(at)));
    }

    void FlushLiteral(std::int64_t end) {
        if (end > literalStart_) records_.push_back({CompRecord::Literal, literalStart_ + 1, end - literalStart_});
        literalStart_ = end;
    }

    void Copy(std::int64_t at, const SuffixMatch& m) {
        FlushLiteral(at);
        records_.push_back({CompRecord::Copy, std::int64_t{m.offset} + 1, m.length});
        literalStart_ = at + m.length;
    }

    void Report(std::int64_t at) {
        if (!progress_.sink || at < nextReport_ || progress_.newLength <= 0) return;
        nextReport_ = (at / kProgressEvery + 1) * kProgressEvery;
        progress_.sink->Reached(std::min(100.0, 100.0 * static_cast<double>(at) / progress_.newLength));
    }

    SuffixIndex index_;
    ByteView new_;
    ProgressSpan progress_;
    std::int64_t nextReport_ = 0;
    std::int64_t literalStart_ = 0;  // 0-based start of the pending literal bytes
    CompRecords records_;
};

}  // namespace

CompRecords EncodeThorough(ByteView oldFile, ByteView newFile, ProgressSpan progress) {
    if (newFile.empty()) return {};
    return Parse(oldFile, newFile, progress).Run();
}

}  // namespace quen
