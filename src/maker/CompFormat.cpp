// The difference data writer.
#include "maker/CompFormat.h"

#include <utility>

#include "base/Errors.h"

namespace quen {
namespace {

std::uint32_t Checked32(std::uint64_t v) {
    if (v > 0xFFFFFFFFull) throw Error(kErrOverflow, "The difference data would exceed 4 GiB.");
    return static_cast<std::uint32_t>(v);
}

}  // namespace

void DifferenceWriter::Literal(ByteView file, std::int64_t first, std::int64_t last) {
    const auto count = static_cast<std::uint64_t>(last - first + 1);
    out_.push_back(kRecordLiteral);
    PutLE32(out_, Checked32(count));
    const auto* begin = file.data() + (first - 1);
    out_.insert(out_.end(), begin, begin + count);
}

void DifferenceWriter::Copy(std::int64_t oldPosition, std::int64_t count) {
    out_.push_back(kRecordCopy);
    PutLE32(out_, Checked32(static_cast<std::uint64_t>(oldPosition)));
    PutLE32(out_, Checked32(static_cast<std::uint64_t>(count)));
}

Bytes DifferenceWriter::Finish(std::uint32_t oldChecksum, std::uint64_t oldLength, std::uint64_t newLength) {
    SetLE32(out_, 0, Checked32(out_.size()));
    SetLE32(out_, 4, oldChecksum);
    SetLE32(out_, 8, Checked32(oldLength));
    SetLE32(out_, 12, Checked32(newLength));
    return std::move(out_);
}

}  // namespace quen
