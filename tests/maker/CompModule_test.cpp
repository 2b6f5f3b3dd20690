// The difference encoder's regions from a PE file's section table and its progress (its
// records: CompOracle_test), and the thorough encoder.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "maker/ApplyDifference.h"
#include "maker/CompModule.h"
#include "maker/CompSections.h"
#include "maker/PeBuilder.h"
#include "maker/SourceChecksum.h"
#include "maker/TestBytes.h"

namespace quen {
namespace {

struct Rec {
    int type;
    std::uint32_t position;  // copies only
    std::uint32_t count;
    bool operator==(const Rec&) const = default;
};

// The records of difference data, checking the header's total length on the way.
std::vector<Rec> RecordsOf(const Bytes& d) {
    EXPECT_GE(d.size(), kDiffHeaderSize);
    EXPECT_EQ(GetLE32(d.data()), d.size());
    std::vector<Rec> out;
    std::size_t at = kDiffHeaderSize;
    while (at < d.size()) {
        const int type = d[at];
        if (type == kRecordLiteral) {
            const std::uint32_t n = GetLE32(d.data() + at + 1);
            out.push_back({1, 0, n});
            at += 5 + n;
        } else {
            out.push_back({2, GetLE32(d.data() + at + 1), GetLE32(d.data() + at + 5)});
            at += 9;
        }
    }
    return out;
}

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void ExpectRebuilds(const Bytes& oldFile, const Bytes& newFile, const Bytes& diff) {
    const ApplyResult r = ApplyDifference(oldFile, diff);
    ASSERT_TRUE(r.Ok()) << ApplyFaultText(r.fault);
    EXPECT_EQ(r.newFile, newFile);
}

class Recorder : public CompareProgress {
public:
    void Reached(double percent) override { values.push_back(percent); }
    std::vector<double> values;
};

TEST(CompareBytes, ProgressRisesToOneHundredAboutEvery8192PositionsInEachMode) {
    Bytes oldFile(100000), newFile(100000);
    for (std::size_t i = 0; i < oldFile.size(); ++i) {
        oldFile[i] = static_cast<std::uint8_t>(i * 7919 >> 3);
        newFile[i] = static_cast<std::uint8_t>(i * 104729 >> 5);
    }
    for (const CompMode mode : {CompMode::Quick, CompMode::Thorough, CompMode::Compact}) {
        Recorder r;
        CompareBytes(oldFile, newFile, {64, 4, mode}, &r);
        ASSERT_GE(r.values.size(), 10u);
        EXPECT_LE(r.values.size(), 20u);
        EXPECT_TRUE(std::is_sorted(r.values.begin(), r.values.end()));
        EXPECT_DOUBLE_EQ(r.values.back(), 100.0);
    }
}

// PE files: regions by section name.
using testpe::Build;

Bytes Filled(std::size_t n, std::uint8_t seed) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>((i * 31 + seed) ^ (i >> 3));
    return b;
}

// A section the old file lacks is stored whole although its bytes are in the old file;
// a section without bytes gives no record.
TEST(CompareBytesPe, SectionsByName) {
    const Bytes oldFile = Build({{".empty", {}}, {".text", Filled(300, 1)}, {".rdata", Filled(200, 2)}});
    const Bytes newFile = Build({{".empty", {}}, {".text", Filled(300, 1)}, {".newsec", Filled(200, 2)}});
    const Bytes d = CompareBytes(oldFile, newFile, {64, 4});
    const auto recs = RecordsOf(d);
    ASSERT_GE(recs.size(), 3u);  // the header's records, then .text copied and .newsec stored
    EXPECT_EQ(std::vector<Rec>(recs.end() - 2, recs.end()), (std::vector<Rec>{{2, 0x201, 300}, {1, 0, 200}}));
    ExpectRebuilds(oldFile, newFile, d);
    EXPECT_EQ(RecordsOf(CompareBytes(oldFile, oldFile, {64, 4})),
              (std::vector<Rec>{{2, 1, 0x200}, {2, 0x201, 300}, {2, 0x201 + 300, 200}}));
}

TEST(CompareBytesPe, HeaderUsesSampleEightCodeThirtyTwoOthersTheDefault) {
    // The header keeps a 9-byte run (taken with S = 8 whatever the default); .text and
    // .rsrc keep a 12-byte run, taken in .rsrc only when the default is below 12 and
    // never in .text (S = 32).
    const auto shared = [](std::size_t n, std::uint8_t seed) {
        Bytes b = Filled(n, seed);
        for (std::size_t i = 12; i < n; ++i) b[i] ^= 0x5A;
        return b;
    };
    const Bytes oldFile = Build({{".text", Filled(64, 1)}, {".rsrc", Filled(64, 2)}});
    Bytes newFile = Build({{".text", shared(64, 1)}, {".rsrc", shared(64, 2)}});
    for (std::size_t i = 0x109; i < testpe::TableOffset(); ++i) {
        if (i < 0x111 || i > 0x119) newFile[i] ^= 0x77;  // 0x111..0x119 = positions 274..282
    }
    const Rec headerRun{2, 274, 9};
    const auto twelve = RecordsOf(CompareBytes(oldFile, newFile, {12, 4}));
    ASSERT_GE(twelve.size(), 3u);
    EXPECT_NE(std::find(twelve.begin(), twelve.end(), headerRun), twelve.end());
    EXPECT_EQ(twelve[twelve.size() - 2], (Rec{1, 0, 64}));
    EXPECT_EQ(twelve.back(), (Rec{1, 0, 64}));
    const auto eleven = RecordsOf(CompareBytes(oldFile, newFile, {11, 4}));
    ASSERT_GE(eleven.size(), 4u);
    EXPECT_NE(std::find(eleven.begin(), eleven.end(), headerRun), eleven.end());
    EXPECT_EQ(std::vector<Rec>(eleven.end() - 3, eleven.end()),
              (std::vector<Rec>{{1, 0, 64}, {2, 0x241, 12}, {1, 0, 52}}));
    ExpectRebuilds(oldFile, newFile, CompareBytes(oldFile, newFile, {11, 4}));
}

// Files compared whole with the default sample: a PE file against one that is not, and
// sections whose data lies out of table order (their regions joined in table order would
// rebuild a different file).
TEST(CompareBytesPe, ComparedWholeWhenRegionsCannotPair) {
    const Bytes pe = Build({{".text", Filled(300, 1)}});
    Bytes notPe = pe, reordered = testpe::Headers({{".a", 0x200 + 100, 100}, {".b", 0x200, 100}}, 0x200);
    notPe[testpe::kPeOffset] = 'X';
    reordered = Concat(Concat(reordered, Filled(100, 2)), Filled(100, 1));
    Bytes changed = reordered;
    changed[0x200 + 150] ^= 1;
    for (const auto& [oldFile, newFile] : {std::pair{pe, notPe}, std::pair{reordered, changed}}) {
        const auto plan = PlanRegions(oldFile, newFile, {20, 4});
        ASSERT_EQ(plan.size(), 1u);
        EXPECT_EQ(plan[0].sample, 20);
        EXPECT_EQ(plan[0].oldRegion, (Region{"", 1, static_cast<std::int64_t>(oldFile.size())}));
        EXPECT_EQ(plan[0].newRegion, (Region{"", 1, static_cast<std::int64_t>(newFile.size())}));
        ExpectRebuilds(oldFile, newFile, CompareBytes(oldFile, newFile, {20, 4}));
    }
}

// The thorough encoder: the moved blocks only it finds, and exact copies from its suffix
// index (a misordered index shows in the identical files' one copy, a wrong match length
// in every round trip; difference_fuzz and the QuenDiff round trip decode its output).
constexpr CompTuning kThorough{64, 4, CompMode::Thorough};

TEST(ThoroughMode, FindsMovedBlocksTheQuickScanStoresAsLiterals) {
    std::mt19937 rng(3);
    const Bytes a = testbytes::Random(rng, 20000), b = testbytes::Random(rng, 20000);
    const Bytes oldFile = Concat(a, b), newFile = Concat(b, a), thorough = CompareBytes(oldFile, newFile, kThorough);
    EXPECT_EQ(RecordsOf(thorough), (std::vector<Rec>{{2, 20001, 20000}, {2, 1, 20000}}));
    EXPECT_GT(CompareBytes(oldFile, newFile, {}).size(), 20000u);
    ExpectRebuilds(oldFile, newFile, thorough);
}

// Edited code-like files: many matches start inside longer ones, and the result is smaller
// than the quick scan's.
TEST(ThoroughMode, EditedFilesRebuildSmallerThanTheQuickScan) {
    std::mt19937 rng(5);
    for (int round = 0; round < 4; ++round) {
        const Bytes oldFile = testbytes::CodeLike(rng, 30000), newFile = testbytes::Mutate(rng, oldFile, 10 + 10 * round);
        const Bytes thorough = CompareBytes(oldFile, newFile, kThorough);
        ExpectRebuilds(oldFile, newFile, thorough);
        EXPECT_LT(thorough.size(), CompareBytes(oldFile, newFile, {}).size()) << round;
    }
}

TEST(ThoroughMode, IdenticalFilesGiveOneCopyAndAnEmptyNewFileTheHeader) {
    for (const std::uint32_t size : {1u, 5u, 100u, 70000u}) {
        Bytes file(size);
        for (std::size_t i = 0; i < size; ++i) file[i] = static_cast<std::uint8_t>(i % 7);
        EXPECT_EQ(RecordsOf(CompareBytes(file, file, kThorough)), (std::vector<Rec>{{2, 1, size}})) << size;
        EXPECT_EQ(CompareBytes(file, {}, kThorough).size(), kDiffHeaderSize) << size;
    }
}

// Reading a PE file's section table into regions, and when those regions tile the file.
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
