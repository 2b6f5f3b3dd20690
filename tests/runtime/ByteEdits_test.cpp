// Byte replacement on buffers: the three entry types, their boundaries, and the check sum.
#include <gtest/gtest.h>

#include "runtime/ByteEdits.h"
#include "runtime/FileActions.h"

using namespace quen::runtime;
using V = std::vector<unsigned char>;

namespace {

bool Apply(V& buf, std::vector<ByteRecord> records) {
    auto edits = ParseByteRecords(records);
    EXPECT_TRUE(edits.has_value());
    return ApplyByteEdits(buf, *edits, nullptr);
}

}  // namespace

TEST(ByteSearch, TypeTwoReplacesEveryOccurrenceScanningOn) {
    V buf = {1, 2, 9, 1, 2, 1, 2, 0};
    EXPECT_TRUE(Apply(buf, {{"", "2", "01,02", "07,08"}}));
    EXPECT_EQ(buf, V({7, 8, 9, 7, 8, 7, 8, 0}));
}

TEST(ByteSearch, TypeOneReplacesOnlyTheFirst) {
    V buf = {1, 2, 9, 1, 2};
    EXPECT_TRUE(Apply(buf, {{"True", "1", "01,02", "07,08"}}));
    EXPECT_EQ(buf, V({7, 8, 9, 1, 2}));
}

TEST(ByteSearch, ScanGoesOnAfterTheNewBytesNotInsideThem) {
    // Replacing 01 by 01 01 must not find its own output again.
    V buf = {1, 0, 0, 1, 0, 0};
    EXPECT_TRUE(Apply(buf, {{"", "2", "01", "01,01"}}));
    EXPECT_EQ(buf, V({1, 1, 0, 1, 1, 0}));
}

TEST(ByteSearch, ShorterNewKeepsTheTailLongerNewOverwritesFollowingBytes) {
    V a = {5, 6, 7, 8};
    EXPECT_TRUE(Apply(a, {{"", "1", "06,07", "AA"}}));
    EXPECT_EQ(a, V({5, 0xAA, 7, 8}));
    V b = {5, 6, 7, 8};
    EXPECT_TRUE(Apply(b, {{"", "1", "06", "AA,BB,CC"}}));
    EXPECT_EQ(b, V({5, 0xAA, 0xBB, 0xCC}));
}

TEST(ByteSearch, MatchWhoseNewBytesWouldRunPastTheEndIsNotUsed) {
    V buf = {0, 0, 6, 7};
    EXPECT_FALSE(Apply(buf, {{"", "1", "07", "AA,BB"}}));
    EXPECT_EQ(buf, V({0, 0, 6, 7}));
    V atEnd = {0, 0, 6, 7};
    EXPECT_TRUE(Apply(atEnd, {{"", "1", "06", "AA,BB"}}));
    EXPECT_EQ(atEnd, V({0, 0, 0xAA, 0xBB}));
}

TEST(ByteSearch, NotFoundIsFalseAndLeavesTheBuffer) {
    V buf = {1, 2, 3};
    EXPECT_FALSE(Apply(buf, {{"", "2", "04", "05"}}));
    EXPECT_EQ(buf, V({1, 2, 3}));
    V empty;
    EXPECT_FALSE(Apply(empty, {{"", "1", "04", "05"}}));
}

TEST(ByteSearch, FirstByteMatchesButRestDoesNot) {
    V buf = {1, 3, 1, 2};
    EXPECT_TRUE(Apply(buf, {{"", "1", "01,02", "09,09"}}));
    EXPECT_EQ(buf, V({1, 3, 9, 9}));
}

TEST(BytePosition, LastByteFitsTwoBytesDoNot) {
    V buf = {1, 2, 3, 4, 5};
    EXPECT_TRUE(Apply(buf, {{"", "3", "5", "AA"}}));
    EXPECT_EQ(buf, V({1, 2, 3, 4, 0xAA}));
    EXPECT_FALSE(Apply(buf, {{"", "3", "5", "BB,CC"}}));
    EXPECT_EQ(buf, V({1, 2, 3, 4, 0xAA}));
    EXPECT_TRUE(Apply(buf, {{"", "3", "&H1", "00"}}));
    EXPECT_EQ(buf[0], 0);
}

TEST(BytePosition, PositionsThatCouldRunWildFailTheirEntryOnly) {
    V buf = {1, 2, 3};
    EXPECT_FALSE(Apply(buf, {{"", "3", "0", "AA"}, {"", "3", "2", "BB"}}));
    EXPECT_EQ(buf, V({1, 0xBB, 3}));
    EXPECT_FALSE(Apply(buf, {{"", "3", "&HFFFFFFFF", "AA"}}));  // -1
    EXPECT_FALSE(Apply(buf, {{"", "3", "-2147483648", "AA"}}));
    EXPECT_FALSE(Apply(buf, {{"", "3", "2147483647", "AA"}}));
    EXPECT_EQ(buf, V({1, 0xBB, 3}));
}

TEST(ByteRecords, EmptyListsFailTheirEntryInsteadOfLoopingForever) {
    V buf = {1, 2, 3};
    EXPECT_FALSE(Apply(buf, {{"", "2", "", "05"}}));
    EXPECT_FALSE(Apply(buf, {{"", "2", "01", ""}}));
    EXPECT_FALSE(Apply(buf, {{"", "3", "1", ""}}));
    EXPECT_EQ(buf, V({1, 2, 3}));
}

TEST(ByteRecords, DisabledAndUnknownEntriesDoNothing) {
    V buf = {1, 2, 3};
    EXPECT_TRUE(Apply(buf, {{"False", "1", "01", "09"}, {"", "7", "02", "09"}, {"", "", "03", "09"}}));
    EXPECT_EQ(buf, V({1, 2, 3}));
}

TEST(ByteRecords, AnEntryWithABadNumberSpoilsTheWholeAction) {
    EXPECT_FALSE(ParseByteRecords({{"", "1", "01", "02"}, {"", "3", "12x", "02"}}).has_value());
    EXPECT_FALSE(ParseByteRecords({{"", "2", "1FF", "02"}}).has_value());
    EXPECT_FALSE(ParseByteRecords({{"", "1", "01", "G"}}).has_value());
    // A disabled entry is not read at all.
    EXPECT_TRUE(ParseByteRecords({{"False", "3", "12x", "zz"}}).has_value());
}

TEST(ByteSearch, FindsAcrossChunkBoundariesAndTicks) {
    V big((size_t(9) << 20) + 3, 0x11);
    big[big.size() - 2] = 0x22;
    big[big.size() - 1] = 0x33;
    int ticks = 0;
    size_t p = FindBytes(big.data(), big.size(), 0, big.size() - 2, {0x22, 0x33}, [&] { ++ticks; });
    EXPECT_EQ(p, big.size() - 2);
    EXPECT_GE(ticks, 1);
    // Dense first-byte hits still tick.
    ticks = 0;
    p = FindBytes(big.data(), big.size(), 0, big.size() - 2, {0x11, 0x44}, [&] { ++ticks; });
    EXPECT_EQ(p, std::string::npos);
    EXPECT_GE(ticks, 2);
}

TEST(CheckSum, FiveBytesGiveTheDocumentedSum) {
    EXPECT_EQ(BufferCheckSum({1, 2, 3, 4, 5}), 0x04030204u);
    EXPECT_EQ(BufferCheckSum({}), 0u);
    EXPECT_EQ(BufferCheckSum({0xFF}), 0xFFu);
    EXPECT_EQ(BufferCheckSum({1, 2, 3, 4, 1, 2, 3, 4}), 0u);
}

TEST(ByteSearch, RareLaterAnchorByteStillGivesTheFirstMatchInRange) {
    V data(100, 0);
    for (size_t p : {0, 10, 50, 97}) data[p + 1] = 0xEE, data[p + 2] = 0x01;
    const V needle = {0x00, 0xEE, 0x01};
    ByteFinder f(data.data(), data.size(), needle);
    EXPECT_EQ(f.Find(0, 97, nullptr), 0u);
    EXPECT_EQ(f.Find(1, 97, nullptr), 10u);
    EXPECT_EQ(f.Find(11, 97, nullptr), 50u);
    EXPECT_EQ(f.Find(51, 97, nullptr), 97u);
    EXPECT_EQ(f.Find(51, 96, nullptr), std::string::npos);  // the last start is inclusive
    EXPECT_EQ(f.Find(98, 97, nullptr), std::string::npos);
    EXPECT_EQ(f.Find(0, 98, nullptr), std::string::npos);  // past the end: no search at all
}
