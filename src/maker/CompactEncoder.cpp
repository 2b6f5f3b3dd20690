// The compact encoder's scan.
//
// The scan looks up the longest exact match of each new position anywhere in the old file
// and keeps going while that match is barely better than just continuing the previous
// copy's diagonal (old position - new position), which already matches most of those
// bytes with differences in between. Once a match clearly beats the diagonal, the
// previous copy is extended forward and the new match backward, each as far as matching
// bytes outnumber differing ones; what lies between becomes literal bytes. This is the
// scheme of Colin Percival's bsdiff ("Naive differences of executable code", 2003).
#include "maker/CompactEncoder.h"

#include "maker/SuffixArray.h"

namespace quen {
namespace {

// A new match replaces the diagonal when it matches this many more bytes than the
// diagonal does over its length: more in a larger old file, where more chance matches
// would cut copies that prediction keeps whole.
constexpr std::int64_t kMinGainSmall = 8, kMinGainLarge = 12;
constexpr std::int64_t kLargeOld = std::int64_t{1} << 20;
constexpr std::int64_t kProgressEvery = 8192;

class Scan {
public:
    Scan(ByteView oldFile, ByteView newFile, ProgressSpan progress)
        : old_(oldFile), new_(newFile), index_(oldFile), progress_(progress),
          oldSize_(static_cast<std::int64_t>(oldFile.size())), newSize_(static_cast<std::int64_t>(newFile.size())),
          minGain_(oldSize_ >= kLargeOld ? kMinGainLarge : kMinGainSmall) {}

    CompactCommands Run() {
        std::int64_t scan = 0, length = 0, pos = 0;
        while (scan < newSize_) {
            std::int64_t oldScore = 0;
            std::int64_t scored = scan += length;
            for (; scan < newSize_; ++scan) {
                Report(scan);
                const SuffixMatch m = index_.Longest(new_.subspan(static_cast<std::size_t>(scan)));
                length = m.length;
                pos = m.offset;
                for (; scored < scan + length; ++scored) oldScore += OnDiagonal(scored);
                if ((length == oldScore && length != 0) || length > oldScore + minGain_) break;
                oldScore -= OnDiagonal(scan);
            }
            if (length != oldScore || scan == newSize_) Cut(scan, pos);
        }
        return std::move(commands_);
    }

private:
    bool Same(std::int64_t o, std::int64_t n) const {
        return old_[static_cast<std::size_t>(o)] == new_[static_cast<std::size_t>(n)];
    }

    // Whether new byte n equals the old byte on the last copy's diagonal.
    int OnDiagonal(std::int64_t n) const {
        const std::int64_t o = n + lastOffset_;
        return o >= 0 && o < oldSize_ && Same(o, n) ? 1 : 0;
    }

    // Ends the last copy and starts the next at new `scan`, old `pos`.
    void Cut(std::int64_t scan, std::int64_t pos) {
        std::int64_t forward = Forward(scan);
        std::int64_t backward = scan < newSize_ ? Backward(scan, pos) : 0;
        if (lastScan_ + forward > scan - backward) {
            // The two overlap: split where the forward copy stops matching better.
            const std::int64_t overlap = lastScan_ + forward - (scan - backward);
            std::int64_t score = 0, best = 0, keep = 0;
            for (std::int64_t i = 0; i < overlap; ++i) {
                score += Same(lastPos_ + forward - overlap + i, lastScan_ + forward - overlap + i);
                score -= Same(pos - backward + i, scan - backward + i);
                if (score > best) {
                    best = score;
                    keep = i + 1;
                }
            }
            forward += keep - overlap;
            backward -= keep;
        }
        commands_.push_back({static_cast<std::uint32_t>(pendingLiteral_), static_cast<std::uint32_t>(forward),
                             static_cast<std::uint32_t>(forward ? lastPos_ : previousEnd_)});
        if (forward) previousEnd_ = lastPos_ + forward;
        pendingLiteral_ = (scan - backward) - (lastScan_ + forward);
        lastScan_ = scan - backward;
        lastPos_ = pos - backward;
        lastOffset_ = pos - scan;
        if (scan >= newSize_) Finish();
    }

    // How far the last copy extends: the length where matches minus differences peak.
    std::int64_t Forward(std::int64_t scan) const {
        std::int64_t score = 0, best = 0, length = 0;
        for (std::int64_t i = 0; lastScan_ + i < scan && lastPos_ + i < oldSize_;) {
            score += Same(lastPos_ + i, lastScan_ + i);
            ++i;
            if (score * 2 - i > best * 2 - length) {
                best = score;
                length = i;
            }
        }
        return length;
    }

    // How far the new match extends backward, by the same rule.
    std::int64_t Backward(std::int64_t scan, std::int64_t pos) const {
        std::int64_t score = 0, best = 0, length = 0;
        for (std::int64_t i = 1; scan >= lastScan_ + i && pos >= i; ++i) {
            score += Same(pos - i, scan - i);
            if (score * 2 - i > best * 2 - length) {
                best = score;
                length = i;
            }
        }
        return length;
    }

    // The literal bytes left at the end form a last command without a copy.
    void Finish() {
        if (pendingLiteral_ > 0) {
            commands_.push_back({static_cast<std::uint32_t>(pendingLiteral_), 0,
                                 static_cast<std::uint32_t>(previousEnd_)});
        }
        pendingLiteral_ = 0;
    }

    void Report(std::int64_t at) {
        if (!progress_.sink || at < nextReport_) return;
        nextReport_ = at + kProgressEvery;
        progress_.sink->Reached(100.0 * static_cast<double>(at) / static_cast<double>(progress_.newLength));
    }

    ByteView old_, new_;
    SuffixIndex index_;
    ProgressSpan progress_;
    std::int64_t oldSize_, newSize_, minGain_;
    std::int64_t lastScan_ = 0, lastPos_ = 0, lastOffset_ = 0;
    std::int64_t previousEnd_ = 0, pendingLiteral_ = 0, nextReport_ = 0;
    CompactCommands commands_;
};

}  // namespace

CompactCommands EncodeCompact(ByteView oldFile, ByteView newFile, ProgressSpan progress) {
    return Scan(oldFile, newFile, progress).Run();
}

}  // namespace quen
