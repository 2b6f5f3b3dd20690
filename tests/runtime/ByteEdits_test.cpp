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

// Each case: the buffer, the entries (enabled, type, read, new), whether all of them
// applied, and the buffer afterwards.
TEST(ByteEdits, TypesBoundariesAndFailures) {
    const struct {
        const char* what;
        V in;
        std::vector<ByteRecord> records;
        bool ok;
        V out;
    } kCases[] = {
        {"type 2 replaces every occurrence", {1, 2, 9, 1, 2, 1, 2, 0}, {{"", "2", "01,02", "07,08"}}, true,
         {7, 8, 9, 7, 8, 7, 8, 0}},
        {"type 1 replaces only the first", {1, 2, 9, 1, 2}, {{"True", "1", "01,02", "07,08"}}, true, {7, 8, 9, 1, 2}},
        {"scan goes on after the new bytes", {1, 0, 0, 1, 0, 0}, {{"", "2", "01", "01,01"}}, true, {1, 1, 0, 1, 1, 0}},
        {"shorter new keeps the tail", {5, 6, 7, 8}, {{"", "1", "06,07", "AA"}}, true, {5, 0xAA, 7, 8}},
        {"longer new overwrites what follows", {5, 6, 7, 8}, {{"", "1", "06", "AA,BB,CC"}}, true, {5, 0xAA, 0xBB, 0xCC}},
        {"new bytes would run past the end", {0, 0, 6, 7}, {{"", "1", "07", "AA,BB"}}, false, {0, 0, 6, 7}},
        {"new bytes end at the end", {0, 0, 6, 7}, {{"", "1", "06", "AA,BB"}}, true, {0, 0, 0xAA, 0xBB}},
        {"not found", {1, 2, 3}, {{"", "2", "04", "05"}}, false, {1, 2, 3}},
        {"empty buffer", {}, {{"", "1", "04", "05"}}, false, {}},
        {"first byte matches, the rest not", {1, 3, 1, 2}, {{"", "1", "01,02", "09,09"}}, true, {1, 3, 9, 9}},
        {"position: last byte fits", {1, 2, 3, 4, 5}, {{"", "3", "5", "AA"}}, true, {1, 2, 3, 4, 0xAA}},
        {"position: two bytes at the last do not", {1, 2, 3, 4, 5}, {{"", "3", "5", "BB,CC"}}, false, {1, 2, 3, 4, 5}},
        {"position: &H and first byte", {1, 2, 3}, {{"", "3", "&H1", "00"}}, true, {0, 2, 3}},
        {"position 0 fails only its entry", {1, 2, 3}, {{"", "3", "0", "AA"}, {"", "3", "2", "BB"}}, false, {1, 0xBB, 3}},
        {"position -1", {1, 2, 3}, {{"", "3", "&HFFFFFFFF", "AA"}}, false, {1, 2, 3}},
        {"lowest position", {1, 2, 3}, {{"", "3", "-2147483648", "AA"}}, false, {1, 2, 3}},
        {"highest position", {1, 2, 3}, {{"", "3", "2147483647", "AA"}}, false, {1, 2, 3}},
        {"empty read list", {1, 2, 3}, {{"", "2", "", "05"}}, false, {1, 2, 3}},
        {"empty new list", {1, 2, 3}, {{"", "2", "01", ""}}, false, {1, 2, 3}},
        {"empty new list at a position", {1, 2, 3}, {{"", "3", "1", ""}}, false, {1, 2, 3}},
        {"disabled and unknown entries", {1, 2, 3}, {{"False", "1", "01", "09"}, {"", "7", "02", "09"}, {"", "", "03", "09"}},
         true, {1, 2, 3}},
    };
    for (const auto& c : kCases) {
        V buf = c.in;
        EXPECT_EQ(Apply(buf, c.records), c.ok) << c.what;
        EXPECT_EQ(buf, c.out) << c.what;
    }
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
