// The thorough encoder's parse of the new file over a suffix index of the old file.
//
// Every position of the new file gets the longest match anywhere in the old file; then
// a shortest-path search over the positions picks literal bytes and copies by their
// estimated size after compression. Measured on executables with zlib: a copy record
// compresses to about 30 bits, almost all of them its position, and splits a literal run
// (a header of about 9 bits); literal bytes left over compress to about 5 bits. Costing a
// copy at 50 bits gave the smallest data: a copy barely worth its record also cuts the
// literal bytes around it off from each other, and they compress worse apart.
// The search runs in blocks, so its tables stay small whatever the file's size.
#include "maker/CompThorough.h"

#include <algorithm>
#include <limits>

#include "maker/SuffixArray.h"

namespace quen {
namespace {

constexpr std::int64_t kProgressEvery = 8192;
constexpr std::int64_t kBlock = 1 << 16;
// Estimated compressed sizes in 1/16 bits.
constexpr std::uint32_t kCopyCost = 50 * 16;
constexpr std::uint32_t kLiteralHeadCost = 9 * 16;
constexpr std::uint32_t kLiteralByteCost = 5 * 16;
// Inside a match this long the next positions are taken as its continuation, not
// searched, except its last kRecheck positions (a match beginning there may reach further).
constexpr std::uint32_t kSkipLength = 64;
constexpr std::uint32_t kRecheck = 16;
constexpr std::uint32_t kNever = std::numeric_limits<std::uint32_t>::max() / 2;

class Parse {
public:
    Parse(ByteView oldFile, ByteView newFile, ProgressSpan progress)
        : index_(oldFile), new_(newFile), progress_(progress) {}

    CompRecords Run() {
        const auto n = static_cast<std::int64_t>(new_.size());
        // A copy of the whole file is always the smallest record.
        if (const SuffixMatch whole = Find(0); whole.length == n) {
            records_.push_back({CompRecord::Copy, std::int64_t{whole.offset} + 1, n});
            return std::move(records_);
        }
        for (std::int64_t s = 0; s < n; s += kBlock) Block(s, std::min(n, s + kBlock));
        FlushLiteral(n);
        return std::move(records_);
    }

private:
    SuffixMatch Find(std::int64_t at) {
        Report(at);
        return index_.Longest(new_.subspan(static_cast<std::size_t>(at)));
    }

    // Matches for [s, e), cut at e, so that a block's copies end inside it.
    void FindMatches(std::int64_t s, std::int64_t e) {
        matches_.assign(static_cast<std::size_t>(e - s), {});
        SuffixMatch carried;
        std::uint32_t carriedFor = 0;  // positions still taken from `carried`
        for (std::int64_t j = s; j < e; ++j) {
            SuffixMatch m;
            if (carriedFor > 0) {
                --carriedFor;
                ++carried.offset;
                --carried.length;
                m = carried;
            } else {
                m = Find(j);
                if (m.length >= kSkipLength) {
                    carried = m;
                    carriedFor = m.length - kRecheck;
                }
            }
            m.length = static_cast<std::uint32_t>(std::min<std::int64_t>(m.length, e - j));
            matches_[static_cast<std::size_t>(j - s)] = m;
        }
    }

    // Shortest path from s to e; the state at s is the last record written so far.
    void Block(std::int64_t s, std::int64_t e) {
        FindMatches(s, e);
        const auto len = static_cast<std::size_t>(e - s);
        // Per position: cost ending in an open literal run, or right after a copy.
        literal_.assign(len + 1, kNever);
        copy_.assign(len + 1, kNever);
        copyFrom_.assign(len + 1, 0);
        literalFromCopy_.assign(len + 1, false);
        (literalStart_ < s ? literal_ : copy_)[0] = 0;
        for (std::size_t j = 0; j < len; ++j) {
            const std::uint32_t viaLiteral = literal_[j] + kLiteralByteCost;
            const std::uint32_t viaCopy = copy_[j] + kLiteralHeadCost + kLiteralByteCost;
            if (viaCopy < viaLiteral) {
                literal_[j + 1] = viaCopy;
                literalFromCopy_[j + 1] = true;
            } else {
                literal_[j + 1] = viaLiteral;
            }
            const SuffixMatch& m = matches_[j];
            if (m.length == 0) continue;
            const std::uint32_t cost = std::min(literal_[j], copy_[j]) + kCopyCost;
            std::uint32_t& to = copy_[j + m.length];
            if (cost < to) {
                to = cost;
                copyFrom_[j + m.length] = static_cast<std::uint32_t>(j);
            }
        }
        Emit(s, len);
    }

    // Walks the chosen path back from the block's end and appends its records.
    void Emit(std::int64_t s, std::size_t len) {
        std::vector<std::pair<std::size_t, std::size_t>> copies;  // (start, end) in the block
        bool inCopy = copy_[len] < literal_[len];
        for (std::size_t j = len; j > 0;) {
            if (inCopy) {
                const std::size_t from = copyFrom_[j];
                copies.emplace_back(from, j);
                inCopy = copy_[from] <= literal_[from];
                j = from;
            } else {
                inCopy = literalFromCopy_[j];
                --j;
            }
        }
        for (auto c = copies.rbegin(); c != copies.rend(); ++c) {
            FlushLiteral(s + static_cast<std::int64_t>(c->first));
            const SuffixMatch& m = matches_[c->first];
            records_.push_back({CompRecord::Copy, std::int64_t{m.offset} + 1,
                                static_cast<std::int64_t>(c->second - c->first)});
            literalStart_ = s + static_cast<std::int64_t>(c->second);
        }
    }

    void FlushLiteral(std::int64_t end) {
        if (end > literalStart_) records_.push_back({CompRecord::Literal, literalStart_ + 1, end - literalStart_});
        literalStart_ = end;
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
    std::vector<SuffixMatch> matches_;
    std::vector<std::uint32_t> literal_, copy_, copyFrom_;
    std::vector<bool> literalFromCopy_;
};

}  // namespace

CompRecords EncodeThorough(ByteView oldFile, ByteView newFile, ProgressSpan progress) {
    if (newFile.empty()) return {};
    return Parse(oldFile, newFile, progress).Run();
}

}  // namespace quen
