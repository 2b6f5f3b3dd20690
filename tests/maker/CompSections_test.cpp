// Reading a PE file's section table into regions, and when those regions tile the file.
#include <gtest/gtest.h>

#include "maker/CompSections.h"
#include "maker/PeBuilder.h"

namespace quen {
namespace {

using testpe::Headers;
using testpe::Section;

Bytes WithData(Bytes headers, std::size_t totalSize) {
    headers.resize(totalSize, 0x11);
    return headers;
}

TEST(ReadSections, HeaderThenSectionsInTableOrderLastByOffsetRunsToTheEnd) {
    // Table order .b, .a; .a has the largest raw offset and takes the 50 appended bytes.
    const Bytes f = WithData(Headers({{".b", 0x200, 0x80}, {".a", 0x280, 0x40}}, 0x200), 0x2C0 + 50);
    const auto r = ReadSections(f);
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, (std::vector<Region>{{"File_Head", 1, 0x200}, {".b", 0x201, 0x280}, {".a", 0x281, 0x2C0 + 50}}));
    EXPECT_TRUE(RegionsTileFile(*r, static_cast<std::int64_t>(f.size())));
}

TEST(ReadSections, NamesLoseTheirZeroBytesAndKeepEightCharacters) {
    Bytes f = WithData(Headers({{".text", 0x200, 0x10}, {"ABCDEFGH", 0x210, 0x10}}, 0x200), 0x220);
    f[testpe::TableOffset() + 2] = 0;  // ".t\0xt"
    const auto r = ReadSections(f);
    ASSERT_TRUE(r);
    EXPECT_EQ((*r)[1].name, ".txt");
    EXPECT_EQ((*r)[2].name, "ABCDEFGH");
}

TEST(ReadSections, FirstOfSectionsSharingTheLargestOffsetRunsToTheEnd) {
    const Bytes f = WithData(Headers({{".a", 0x200, 0x10}, {".b", 0x210, 0}, {".c", 0x210, 0x10}}, 0x200), 0x220);
    const auto r = ReadSections(f);
    ASSERT_TRUE(r);
    EXPECT_EQ((*r)[2], (Region{".b", 0x211, 0x220}));
    EXPECT_EQ((*r)[3], (Region{".c", 0x211, 0x220}));
    EXPECT_FALSE(RegionsTileFile(*r, 0x220));  // .b and .c overlap
}

TEST(ReadSections, FilesThatAreNotPe) {
    // Headers cut short or pointing past the end: difference_fuzz reads any bytes.
    const Bytes good = WithData(Headers({{".a", 0x200, 0x10}}, 0x200), 0x210);
    ASSERT_TRUE(ReadSections(good));
    Bytes sig = good;
    sig[testpe::kPeOffset + 2] = 1;
    EXPECT_FALSE(ReadSections(sig));
    Bytes low = good;
    SetLE32(low, 60, 60);  // below 61
    EXPECT_FALSE(ReadSections(low));
    Bytes none = good;
    testpe::Put16(none, testpe::kPeOffset + 6, 0);
    EXPECT_FALSE(ReadSections(none));
    // Raw offset 0 (uninitialised data) or negative.
    EXPECT_FALSE(ReadSections(WithData(Headers({{".a", 0x200, 0x10}, {".bss", 0, 0}}, 0x200), 0x210)));
    EXPECT_FALSE(ReadSections(WithData(Headers({{".a", 0x80000000u, 0x10}}, 0x200), 0x210)));
}

TEST(RegionsTileFile, GapsOverlapsAndShortFilesDoNotTile) {
    const std::vector<Region> tiles{{"File_Head", 1, 10}, {".a", 11, 20}, {".b", 21, 30}};
    EXPECT_TRUE(RegionsTileFile(tiles, 30));
    EXPECT_FALSE(RegionsTileFile(tiles, 31));
    EXPECT_FALSE(RegionsTileFile({{"File_Head", 1, 10}, {".a", 12, 20}}, 20));      // gap
    EXPECT_FALSE(RegionsTileFile({{"File_Head", 1, 10}, {".a", 10, 20}}, 20));      // overlap
    EXPECT_FALSE(RegionsTileFile({{"File_Head", 1, 10}, {".a", 11, 5}, {".b", 6, 20}}, 20));  // negative length
    EXPECT_TRUE(RegionsTileFile({{"File_Head", 1, 10}, {".e", 11, 10}, {".a", 11, 20}}, 20));  // empty region
    EXPECT_FALSE(RegionsTileFile({{"File_Head", 1, 10}, {".a", 11, 40}}, 20));      // past the end
}

}  // namespace
}  // namespace quen
