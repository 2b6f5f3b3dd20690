// The difference decoder.
#include "maker/ApplyDifference.h"

#include <algorithm>

#include "maker/CompactDecode.h"
#include "maker/CompactFormat.h"
#include "maker/Crc32.h"
#include "maker/SourceChecksum.h"

namespace quen {
namespace {

constexpr std::uint64_t kReserveCap = std::uint64_t{1} << 28;

// Walks the records, appending to `out`; the first fault stops it.
class RecordReader {
public:
    RecordReader(ByteView oldFile, ByteView data, std::uint64_t newLength, Bytes& out)
        : old_(oldFile), data_(data), newLength_(newLength), out_(out) {}

    ApplyFault Run() {
        std::size_t at = kDiffHeaderSize;
        while (at < data_.size()) {
            const std::uint8_t type = data_[at++];
            const ApplyFault f = type == kRecordLiteral ? Literal(at)
                                 : type == kRecordCopy  ? Copy(at)
                                                        : ApplyFault::UnknownRecord;
            if (f != ApplyFault::None) return f;
        }
        return out_.size() == newLength_ ? ApplyFault::None : ApplyFault::TooShort;
    }

private:
    bool Room(std::size_t at, std::uint64_t need) const { return need <= data_.size() - at; }

    ApplyFault Literal(std::size_t& at) {
        if (!Room(at, 4)) return ApplyFault::TruncatedRecord;
        const std::uint64_t count = GetLE32(data_.data() + at);
        at += 4;
        if (!Room(at, count)) return ApplyFault::TruncatedRecord;
        if (count > newLength_ - out_.size()) return ApplyFault::TooLong;
        out_.insert(out_.end(), data_.begin() + at, data_.begin() + at + count);
        at += count;
        return ApplyFault::None;
    }

    ApplyFault Copy(std::size_t& at) {
        if (!Room(at, 8)) return ApplyFault::TruncatedRecord;
        const std::uint64_t position = GetLE32(data_.data() + at);
        const std::uint64_t count = GetLE32(data_.data() + at + 4);
        at += 8;
        if (position < 1 || position - 1 + count > old_.size()) return ApplyFault::CopyOutsideOld;
        if (count > newLength_ - out_.size()) return ApplyFault::TooLong;
        out_.insert(out_.end(), old_.begin() + (position - 1), old_.begin() + (position - 1 + count));
        return ApplyFault::None;
    }

    ByteView old_;
    ByteView data_;
    std::uint64_t newLength_;
    Bytes& out_;
};

}  // namespace

bool ReadDifferenceHeader(ByteView difference, DifferenceHeader& header) {
    if (IsCompactData(difference)) {
        const std::optional<CompactHeader> h = ReadCompactHeader(difference);
        if (h) header = {static_cast<std::uint32_t>(difference.size()), h->oldChecksum, h->oldLength, h->newLength};
        return h.has_value();
    }
    if (difference.size() < kDiffHeaderSize) return false;
    const std::uint8_t* p = difference.data();
    header = {GetLE32(p), GetLE32(p + 4), GetLE32(p + 8), GetLE32(p + 12)};
    return true;
}

ApplyResult ApplyDifference(ByteView oldFile, ByteView difference) {
    if (IsCompactData(difference)) return ApplyCompact(oldFile, difference);
    DifferenceHeader h;
    if (!ReadDifferenceHeader(difference, h)) return {ApplyFault::ShortHeader, {}};
    if (h.totalLength != difference.size()) return {ApplyFault::TotalLength, {}};
    if (h.oldLength != oldFile.size()) return {ApplyFault::OldLength, {}};
    if (h.oldChecksum != SourceChecksum(oldFile)) return {ApplyFault::OldChecksum, {}};
    ApplyResult result;
    // Reserve no more than the records could produce, whatever the header claims.
    const std::uint64_t records = (difference.size() - kDiffHeaderSize) / kCopyRecordSize + 1;
    const std::uint64_t most = std::max<std::uint64_t>(difference.size(), records * oldFile.size());
    result.newFile.reserve(static_cast<std::size_t>(std::min({std::uint64_t{h.newLength}, most, kReserveCap})));
    result.fault = RecordReader(oldFile, difference, h.newLength, result.newFile).Run();
    if (!result.Ok()) result.newFile.clear();
    return result;
}

Bytes DifferenceFile(Bytes difference, ByteView newFile) {
    PutLE32(difference, Crc32(newFile));
    return difference;
}

ApplyResult ApplyDifferenceFile(ByteView oldFile, ByteView file) {
    if (IsCompactData(file)) return ApplyCompact(oldFile, file);
    // Without its 4 checksum bytes the data is not as long as its header says.
    if (file.size() < kDiffHeaderSize + 4) return {ApplyFault::TotalLength, {}};
    ApplyResult result = ApplyDifference(oldFile, file.first(file.size() - 4));
    if (result.Ok() && Crc32(result.newFile) != GetLE32(file.data() + file.size() - 4)) {
        return {ApplyFault::NewChecksum, {}};
    }
    return result;
}

std::string ApplyFaultText(ApplyFault fault) {
    switch (fault) {
        case ApplyFault::None: return "The file was rebuilt.";
        case ApplyFault::ShortHeader: return "The difference data is shorter than its header.";
        case ApplyFault::TotalLength: return "The difference data is not as long as its header says.";
        case ApplyFault::OldLength: return "The old file does not have the length the difference data was made for.";
        case ApplyFault::OldChecksum: return "The old file's checksum differs from the one the difference data was made for.";
        case ApplyFault::UnknownRecord: return "The difference data holds a record of an unknown type.";
        case ApplyFault::TruncatedRecord: return "A record runs past the end of the difference data.";
        case ApplyFault::CopyOutsideOld: return "A copy record reaches outside the old file.";
        case ApplyFault::TooLong: return "The records produce more bytes than the new file's length.";
        case ApplyFault::TooShort: return "The records produce fewer bytes than the new file's length.";
        case ApplyFault::NewChecksum: return "The rebuilt file's CRC-32 differs from the one stored: the difference data is damaged.";
        case ApplyFault::UnknownVersion: return "The difference data is of a newer version or uses features this program does not know.";
        case ApplyFault::TruncatedStream: return "A stream of the difference data ends too early: the data is truncated or damaged.";
        case ApplyFault::TrailingStream: return "A stream of the difference data holds more than the new file needs: the data is damaged.";
    }
    return "The difference data is damaged.";
}

}  // namespace quen
