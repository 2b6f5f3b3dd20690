// The decoder rebuilds the new file and refuses every damaged or mismatched input.
#include <gtest/gtest.h>

#include "maker/ApplyDifference.h"
#include "maker/SourceChecksum.h"

namespace quen {
namespace {

const Bytes kOld{10, 11, 12, 13, 14, 15, 16, 17, 18, 19};

// Difference data for kOld from raw record bytes, with a correct header unless changed.
Bytes Data(const Bytes& records, std::uint32_t newLength) {
    Bytes d;
    PutLE32(d, static_cast<std::uint32_t>(16 + records.size()));
    PutLE32(d, SourceChecksum(kOld));
    PutLE32(d, static_cast<std::uint32_t>(kOld.size()));
    PutLE32(d, newLength);
    d.insert(d.end(), records.begin(), records.end());
    return d;
}

Bytes Copy(std::uint32_t pos, std::uint32_t count) {
    Bytes r{kRecordCopy};
    PutLE32(r, pos);
    PutLE32(r, count);
    return r;
}

Bytes Literal(const Bytes& bytes) {
    Bytes r{kRecordLiteral};
    PutLE32(r, static_cast<std::uint32_t>(bytes.size()));
    r.insert(r.end(), bytes.begin(), bytes.end());
    return r;
}

ApplyFault FaultOf(const Bytes& data, const Bytes& old = kOld) { return ApplyDifference(old, data).fault; }

// The header must describe the data and the old file, every record lie inside both, and
// the result have exactly the new length.
TEST(ApplyDifference, RefusesDamagedOrMismatchedInput) {
    const Bytes good = Data(Copy(1, 10), 10);
    EXPECT_EQ(FaultOf(Bytes(good.begin(), good.begin() + 15)), ApplyFault::ShortHeader);
    Bytes total = good;
    total[0] += 1;
    EXPECT_EQ(FaultOf(total), ApplyFault::TotalLength);
    Bytes longer = good;
    longer.push_back(0);  // the header no longer counts every byte
    EXPECT_EQ(FaultOf(longer), ApplyFault::TotalLength);
    Bytes oldOther = kOld;
    oldOther.push_back(0);
    EXPECT_EQ(FaultOf(good, oldOther), ApplyFault::OldLength);
    Bytes changed = kOld;
    changed[3] ^= 0x40;
    EXPECT_EQ(FaultOf(good, changed), ApplyFault::OldChecksum);
    EXPECT_EQ(FaultOf(Data(Bytes{3, 0, 0, 0, 0}, 0)), ApplyFault::UnknownRecord);
    EXPECT_EQ(FaultOf(Data(Bytes{kRecordLiteral, 5, 0}, 5)), ApplyFault::TruncatedRecord);
    EXPECT_EQ(FaultOf(Data(Bytes{kRecordLiteral, 5, 0, 0, 0, 1, 2}, 5)), ApplyFault::TruncatedRecord);
    EXPECT_EQ(FaultOf(Data(Bytes{kRecordCopy, 1, 0, 0, 0, 1, 0}, 1)), ApplyFault::TruncatedRecord);
    EXPECT_EQ(FaultOf(Data(Copy(0, 1), 1)), ApplyFault::CopyOutsideOld);
    EXPECT_EQ(FaultOf(Data(Copy(10, 2), 2)), ApplyFault::CopyOutsideOld);
    EXPECT_EQ(FaultOf(Data(Copy(0xFFFFFFFF, 0xFFFFFFFF), 5)), ApplyFault::CopyOutsideOld);
    EXPECT_TRUE(ApplyDifference(kOld, Data(Copy(10, 1), 1)).Ok());  // the last old byte
    EXPECT_EQ(FaultOf(Data({}, 1)), ApplyFault::TooShort);
    EXPECT_EQ(FaultOf(Data(Copy(1, 10), 9)), ApplyFault::TooLong);
    EXPECT_EQ(FaultOf(Data(Copy(1, 10), 11)), ApplyFault::TooShort);
    EXPECT_EQ(FaultOf(Data(Literal({1, 2, 3}), 2)), ApplyFault::TooLong);
    // A huge declared length with little data is refused without allocating it.
    EXPECT_EQ(FaultOf(Data(Copy(1, 10), 0xFFFFFFFF)), ApplyFault::TooShort);
}

}  // namespace
}  // namespace quen
