// The compact difference decoder.
#include "maker/CompactDecode.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "maker/CompactFormat.h"
#include "maker/CompactPredict.h"
#include "maker/Crc32.h"
#include "maker/SourceChecksum.h"

namespace quen {
namespace {

constexpr std::uint64_t kReserveCap = std::uint64_t{1} << 28;
constexpr std::uint64_t kNoDifference = std::numeric_limits<std::uint64_t>::max();

class CompactReader {
public:
    CompactReader(ByteView oldFile, ByteView streams[kCompactStreams], std::uint64_t newLength,
                  const ReferencePredictor* predictor, Bytes& out)
        : predictor_(predictor), old_(oldFile), commands_(streams[0]), gaps_(streams[1]), values_(streams[2]), literals_(streams[3]),
          newLength_(newLength), out_(out) {}

    ApplyFault Run() {
        if (!NextDifference(gaps_, nextDifference_)) return ApplyFault::TruncatedStream;
        while (!commands_.AtEnd()) {
            std::uint64_t literal, copy, delta;
            if (!commands_.Next(literal) || !commands_.Next(copy) || !commands_.Next(delta)) {
                return ApplyFault::TruncatedStream;
            }
            if (const ApplyFault f = Literal(literal); f != ApplyFault::None) return f;
            if (const ApplyFault f = Copy(copy, UnZigZag(delta)); f != ApplyFault::None) return f;
        }
        if (out_.size() != newLength_) return ApplyFault::TooShort;
        const bool allRead = literalAt_ == literals_.size() && nextDifference_ == kNoDifference &&
                             valueAt_ == values_.size();
        return allRead ? ApplyFault::None : ApplyFault::TrailingStream;
    }

private:
    ApplyFault Literal(std::uint64_t count) {
        if (count > newLength_ - out_.size()) return ApplyFault::TooLong;
        if (count > literals_.size() - literalAt_) return ApplyFault::TruncatedStream;
        out_.insert(out_.end(), literals_.begin() + literalAt_, literals_.begin() + literalAt_ + count);
        literalAt_ += count;
        return ApplyFault::None;
    }

    ApplyFault Copy(std::uint64_t count, std::int64_t delta) {
        // Positions stay within 2^33 (old end < 2^32, |delta| checked), so no overflow.
        if (delta < -oldEnd_ || delta > static_cast<std::int64_t>(old_.size())) return ApplyFault::CopyOutsideOld;
        const std::int64_t start = oldEnd_ + delta;
        if (start > static_cast<std::int64_t>(old_.size())) return ApplyFault::CopyOutsideOld;
        if (count > old_.size() - static_cast<std::uint64_t>(start)) return ApplyFault::CopyOutsideOld;
        if (count > newLength_ - out_.size()) return ApplyFault::TooLong;
        const std::size_t at = out_.size();
        out_.insert(out_.end(), old_.begin() + start, old_.begin() + start + static_cast<std::int64_t>(count));
        oldEnd_ = start + static_cast<std::int64_t>(count);
        if (predictor_) predictor_->Predict(start, static_cast<std::int64_t>(at), out_.data() + at, static_cast<std::int64_t>(count));
        // Differences falling inside this copy, counted over all copied bytes. In locals: a
        // byte stored may alias any member, which the loop would then read again.
        const std::uint64_t end = copied_ + count, from = copied_;
        std::uint8_t* const to = out_.data() + at;
        const ByteView values = values_;
        std::uint64_t next = nextDifference_;
        std::size_t valueAt = valueAt_;
        VarintReader gaps = gaps_;
        while (next < end) {
            if (valueAt == values.size()) return ApplyFault::TruncatedStream;
            to[next - from] += values[valueAt++];
            if (!NextDifference(gaps, next)) return ApplyFault::TruncatedStream;
        }
        nextDifference_ = next;
        valueAt_ = valueAt;
        gaps_ = gaps;
        copied_ = end;
        return ApplyFault::None;
    }

    // Moves `next` to the next non-zero difference; false on a damaged gap.
    static bool NextDifference(VarintReader& gaps, std::uint64_t& next) {
        const std::uint64_t from = next == kNoDifference ? 0 : next + 1;
        if (gaps.AtEnd()) {
            next = kNoDifference;
            return true;
        }
        std::uint64_t gap;
        if (!gaps.Next(gap) || gap >= kNoDifference / 2) return false;
        next = from + gap;
        return true;
    }

    const ReferencePredictor* predictor_;
    ByteView old_;
    VarintReader commands_, gaps_;
    ByteView values_, literals_;
    std::uint64_t newLength_;
    Bytes& out_;
    std::size_t literalAt_ = 0, valueAt_ = 0;
    std::int64_t oldEnd_ = 0;
    std::uint64_t copied_ = 0;
    std::uint64_t nextDifference_ = kNoDifference;
};

}  // namespace

ApplyResult ApplyCompact(ByteView oldFile, ByteView data) {
    const std::optional<CompactHeader> h = ReadCompactHeader(data);
    if (!h) return {ApplyFault::ShortHeader, {}};
    if (h->version != kCompactVersion || (h->flags & ~kCompactKnownFlags)) return {ApplyFault::UnknownVersion, {}};
    std::uint64_t total = kCompactHeaderSize;
    for (std::uint32_t s : h->streams) total += s;
    if (total != data.size()) return {ApplyFault::TotalLength, {}};
    if (h->oldLength != oldFile.size()) return {ApplyFault::OldLength, {}};
    if (h->oldChecksum != SourceChecksum(oldFile)) return {ApplyFault::OldChecksum, {}};
    ByteView streams[kCompactStreams];
    std::size_t at = kCompactHeaderSize;
    for (int i = 0; i < kCompactStreams; ++i) {
        streams[i] = data.subspan(at, h->streams[i]);
        at += h->streams[i];
    }
    CopyMap map;
    const bool predict = h->flags & kCompactPredictRel32;
    // A command stream the map refuses is decoded without prediction, which names its fault.
    const bool mapped = predict && CopyMapOfStream(streams[0], static_cast<std::int64_t>(oldFile.size()), map);
    const OldCode code = mapped ? FindOldCode(oldFile) : OldCode{};
    ImageMoves moves;
    if (mapped ? !ReadMoves(streams[4], code.sections.size(), moves) : !predict && !streams[4].empty()) {
        return {ApplyFault::TruncatedStream, {}};
    }
    const ReferencePredictor predictor(oldFile, code, moves, map);
    ApplyResult result;
    // Reserve no more than the streams could produce, whatever the header claims.
    const std::uint64_t most = h->streams[3] + std::uint64_t{h->streams[0] / 3 + 1} * oldFile.size();
    result.newFile.reserve(static_cast<std::size_t>(std::min({std::uint64_t{h->newLength}, most, kReserveCap})));
    result.fault = CompactReader(oldFile, streams, h->newLength, mapped ? &predictor : nullptr, result.newFile).Run();
    if (predict && !mapped && result.Ok()) result.fault = ApplyFault::TruncatedStream;
    if (result.Ok() && Crc32(result.newFile) != h->newCrc) result.fault = ApplyFault::NewChecksum;
    if (!result.Ok()) result.newFile = {};
    return result;
}

}  // namespace quen
