// The compact format: its golden file, the encoder's round trip over generated pairs, the
// copy map's lookups, the CRC-32 it carries; both decoders' refusal of every damaged field.
#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

#include "maker/ApplyDifference.h"
#include "maker/CompModule.h"
#include "maker/CompactEncoder.h"
#include "maker/CompactFormat.h"
#include "maker/CompactPredict.h"
#include "maker/Crc32.h"
#include "maker/SourceChecksum.h"
#include "maker/PeBuilder.h"
#include "maker/TestBytes.h"
#include "support/TempDir.h"

namespace quen {
namespace {

const Bytes kOld{10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
const Bytes kNew{1, 2, 10, 11, 99, 13, 14, 18, 19, 7};
// Two literal bytes, five old bytes with one difference (+87), a copy after a skip of 3
// old bytes, a last literal byte.
const CompactCommands kCommands{{2, 5, 0}, {0, 2, 8}, {1, 0, 10}};

Bytes Golden() {
    const std::string s = test::ReadFileBytes(std::string(QUEN_TEST_DATA) + "\\build\\golden\\compact.bin");
    return Bytes(s.begin(), s.end());
}

TEST(CompactFormat, WritesAndReadsTheGoldenFile) {
    EXPECT_EQ(WriteCompact(kOld, kNew, kCommands, 0), Golden());
    const ApplyResult r = ApplyDifference(kOld, Golden());
    ASSERT_TRUE(r.Ok()) << ApplyFaultText(r.fault);
    EXPECT_EQ(r.newFile, kNew);
    DifferenceHeader h;
    ASSERT_TRUE(ReadDifferenceHeader(Golden(), h));
    EXPECT_EQ(h.oldLength, 10u);
    EXPECT_EQ(h.newLength, 10u);
}

// The CRC-32 is zip's: zlib's at every length to 300 (the folding's 16- and 64-byte steps
// and the table's tail), from an odd address, and over a long buffer.
TEST(Crc32, MatchesZlib) {
    std::mt19937 rng(32);
    const Bytes data = testbytes::Random(rng, 70000);
    for (std::uint32_t n = 0; n <= 300; ++n) ASSERT_EQ(Crc32(ByteView(data).subspan(1, n)), crc32(0, &data[1], n)) << n;
    EXPECT_EQ(Crc32(data), crc32(0, data.data(), static_cast<std::uint32_t>(data.size())));
}

// Compact data from raw streams, with a header describing them and the old file.
Bytes Data(const Bytes& commands, const Bytes& gaps, const Bytes& values, const Bytes& literals,
           std::uint32_t newLength = 10, std::uint8_t flags = 0, const Bytes& moves = {}) {
    Bytes out;
    CompactHeader h;
    h.oldLength = 10;
    h.oldChecksum = SourceChecksum(kOld);
    h.newLength = newLength;
    h.newCrc = Crc32(kNew);
    h.flags = flags;
    const Bytes* streams[] = {&commands, &gaps, &values, &literals, &moves};
    for (int i = 0; i < kCompactStreams; ++i) h.streams[i] = static_cast<std::uint32_t>(streams[i]->size());
    WriteCompactHeader(out, h);
    for (const Bytes* s : streams) out.insert(out.end(), s->begin(), s->end());
    return out;
}

// Classic data for kOld: a header describing it, then the records.
Bytes Classic(const Bytes& records, std::uint32_t newLength) {
    Bytes d;
    const auto total = static_cast<std::uint32_t>(16 + records.size());
    for (const std::uint32_t v : {total, SourceChecksum(kOld), 10u, newLength}) PutLE32(d, v);
    d.insert(d.end(), records.begin(), records.end());
    return d;
}

Bytes CopyRecord(std::uint32_t position, std::uint32_t count) {
    Bytes r{kRecordCopy};
    PutLE32(r, position);
    PutLE32(r, count);
    return r;
}

// The header must describe the data and the old file, every record and stream lie inside
// both, and the result have exactly the new length.
TEST(ApplyDifference, RefusesEveryDamagedField) {
    const Bytes cmd{2, 5, 0, 0, 2, 6, 1, 0, 0}, lit{1, 2, 7};
    ASSERT_TRUE(ApplyDifference(kOld, Data(cmd, {2}, {87}, lit)).Ok());
    ASSERT_TRUE(ApplyDifference(kOld, Classic(CopyRecord(10, 1), 1)).Ok());  // the last old byte
    const Bytes good = Golden(), classic = Classic(CopyRecord(1, 10), 10);
    auto changed = [&](std::size_t at, std::uint8_t v, const Bytes& from = Golden()) {
        Bytes b = from;
        b[at] = v;
        return b;
    };
    Bytes otherOld = kOld, longer = classic;
    otherOld[9] ^= 1;
    longer.push_back(0);  // the header no longer counts every byte
    const struct {
        const char* what;
        Bytes data;
        ApplyFault fault;
        const Bytes& old = kOld;
    } cases[] = {
        {"header cut", Bytes(good.begin(), good.begin() + 41), ApplyFault::ShortHeader},
        {"version", changed(4, 1), ApplyFault::UnknownVersion},
        {"flag", changed(5, 0x80), ApplyFault::UnknownVersion},
        {"stream past the end", changed(34, 4), ApplyFault::TotalLength},
        {"data cut", Bytes(good.begin(), good.end() - 1), ApplyFault::TotalLength},
        {"old file", good, ApplyFault::OldChecksum, otherOld},
        {"old length", good, ApplyFault::OldLength, Bytes(11, 0)},
        {"CRC-32", changed(18, good[18] ^ 1), ApplyFault::NewChecksum},
        {"a difference changed", changed(good.size() - 4, 86), ApplyFault::NewChecksum},
        {"copy before the old file", Data({2, 5, 1, 0, 2, 6, 1, 0, 0}, {2}, {87}, lit), ApplyFault::CopyOutsideOld},
        {"copy past the old file", Data({2, 5, 0, 0, 2, 8, 1, 0, 0}, {2}, {87}, lit), ApplyFault::CopyOutsideOld},
        {"copy too long", Data({2, 11, 0}, {}, {}, lit), ApplyFault::CopyOutsideOld},
        {"copy past the old file, predicted", Data({2, 5, 0, 0, 2, 8, 1, 0, 0}, {2}, {87}, lit, 10, kCompactPredictRel32, {0}),
         ApplyFault::CopyOutsideOld},
        {"huge skip", Data({0, 1, 0xFE, 0xFF, 0xFF, 0xFF, 0x1F}, {}, {}, {}), ApplyFault::CopyOutsideOld},
        {"literal past the new size", Data(cmd, {2}, {87}, lit, 9), ApplyFault::TooLong},
        {"copy past the new size", Data(cmd, {2}, {87}, lit, 6), ApplyFault::TooLong},
        {"fewer bytes than the new size", Data(cmd, {2}, {87}, lit, 11), ApplyFault::TooShort},
        {"command cut", Data({2, 5, 0, 0, 2, 6, 1, 0}, {2}, {87}, lit), ApplyFault::TruncatedStream},
        {"varint cut", Data({2, 5, 0, 0, 2, 6, 1, 0x80}, {2}, {87}, lit), ApplyFault::TruncatedStream},
        {"literals missing", Data(cmd, {2}, {87}, {1, 2}), ApplyFault::TruncatedStream},
        {"value missing", Data(cmd, {2}, {}, lit), ApplyFault::TruncatedStream},
        {"gap varint cut", Data(cmd, {2, 0x80}, {87, 1}, lit), ApplyFault::TruncatedStream},
        {"moves without prediction", Data(cmd, {2}, {87}, lit, 10, 0, {0}), ApplyFault::TruncatedStream},
        {"moves missing", Data(cmd, {2}, {87}, lit, 10, kCompactPredictRel32), ApplyFault::TruncatedStream},
        {"moves left over", Data(cmd, {2}, {87}, lit, 10, kCompactPredictRel32, {0, 0}), ApplyFault::TruncatedStream},
        {"literal left over", Data(cmd, {2}, {87}, {1, 2, 7, 7}), ApplyFault::TrailingStream},
        {"value left over", Data(cmd, {2}, {87, 1}, lit), ApplyFault::TrailingStream},
        {"difference past the copies", Data(cmd, {2, 9}, {87, 1}, lit), ApplyFault::TrailingStream},
        {"classic header cut", Bytes(classic.begin(), classic.begin() + 15), ApplyFault::ShortHeader},
        {"classic total length", changed(0, 26, classic), ApplyFault::TotalLength},
        {"classic byte past the total", longer, ApplyFault::TotalLength},
        {"classic old length", classic, ApplyFault::OldLength, Bytes(11, 0)},
        {"classic old file", classic, ApplyFault::OldChecksum, otherOld},
        {"unknown record", Classic({3, 0, 0, 0, 0}, 0), ApplyFault::UnknownRecord},
        {"literal length cut", Classic({kRecordLiteral, 5, 0}, 5), ApplyFault::TruncatedRecord},
        {"literal bytes cut", Classic({kRecordLiteral, 5, 0, 0, 0, 1, 2}, 5), ApplyFault::TruncatedRecord},
        {"copy record cut", Classic({kRecordCopy, 1, 0, 0, 0, 1, 0}, 1), ApplyFault::TruncatedRecord},
        {"classic copy before the old file", Classic(CopyRecord(0, 1), 1), ApplyFault::CopyOutsideOld},
        {"classic copy past the old file", Classic(CopyRecord(10, 2), 2), ApplyFault::CopyOutsideOld},
        {"classic huge copy", Classic(CopyRecord(0xFFFFFFFF, 0xFFFFFFFF), 5), ApplyFault::CopyOutsideOld},
        {"no records", Classic({}, 1), ApplyFault::TooShort},
        {"classic copy past the new size", Classic(CopyRecord(1, 10), 9), ApplyFault::TooLong},
        {"classic fewer bytes than the new size", Classic(CopyRecord(1, 10), 11), ApplyFault::TooShort},
        {"classic literal too long", Classic({kRecordLiteral, 3, 0, 0, 0, 1, 2, 3}, 2), ApplyFault::TooLong},
        // A huge declared length with little data is refused without allocating it.
        {"huge new length", Classic(CopyRecord(1, 10), 0xFFFFFFFF), ApplyFault::TooShort},
    };
    for (const auto& c : cases) {
        const ApplyResult r = ApplyDifference(c.old, c.data);
        EXPECT_EQ(r.fault, c.fault) << c.what;
        EXPECT_TRUE(r.newFile.empty()) << c.what;
        // Classic data in a file carries the new file's CRC-32 after it: QuenDiff's refusals.
        if (IsCompactData(c.data)) {
            EXPECT_EQ(ApplyDifferenceFile(c.old, c.data).fault, c.fault) << c.what;
        }
    }
}

// Every pair rebuilds exactly; on code with scattered changes approximate copies make
// the data smaller than the classic format's thorough mode.
TEST(CompactFormat, RoundTripsGeneratedPairs) {
    std::mt19937 rng(20);
    std::vector<std::pair<Bytes, Bytes>> pairs;
    for (std::size_t oldSize : {0u, 1u, 7u, 300u}) {
        for (std::size_t newSize : {0u, 1u, 9u, 300u}) pairs.emplace_back(testbytes::Random(rng, oldSize, 3),
                                                                             testbytes::Random(rng, newSize, 3));
    }
    for (int round = 0; round < 30; ++round) {
        const Bytes oldFile = round % 3 ? testbytes::CodeLike(rng, 2000 + rng() % 20000)
                                        : testbytes::Random(rng, 3000, 2 + round % 5);
        Bytes newFile = testbytes::Mutate(rng, oldFile, 1 + round % 9);
        // Recompiled code: a byte changed every so often inside long equal stretches.
        for (std::size_t i = rng() % 50; round % 2 && i < newFile.size(); i += 20 + rng() % 40) newFile[i] += 3;
        pairs.emplace_back(oldFile, newFile);
    }
    const Bytes pe = testpe::Build({{".text", testbytes::CodeLike(rng, 9000)}, {".data", testbytes::Random(rng, 900)}});
    pairs.emplace_back(pe, testbytes::Mutate(rng, pe, 5));
    std::size_t compact = 0, thorough = 0;
    for (const auto& [oldFile, newFile] : pairs) {
        const Bytes data = CompareBytes(oldFile, newFile, {64, 4, CompMode::Compact});
        const Bytes predicted = WriteCompact(oldFile, newFile, EncodeCompact(oldFile, newFile), kCompactPredictRel32);
        for (const Bytes& d : {data, predicted}) {
            const ApplyResult r = ApplyDifference(oldFile, d);
            ASSERT_TRUE(r.Ok()) << ApplyFaultText(r.fault) << " " << oldFile.size() << " " << newFile.size();
            ASSERT_EQ(r.newFile, newFile);
        }
        compact += data.size();
        thorough += CompareBytes(oldFile, newFile, {64, 4, CompMode::Thorough}).size();
    }
    EXPECT_LT(compact * 2, thorough);
}

// A 32-bit PE file: .text (code at address 0x1000) with 20 calls into itself and 20
// absolute addresses of .data (in the .reloc table), .data at `dataAt`, .reloc and with
// `rsrc` a fourth section. `grow` bytes of filler are inserted in .text at 1000, moving
// what follows.
Bytes Image(const Bytes& filler, std::uint32_t grow, std::uint32_t dataAt, bool rsrc = false) {
    Bytes text(filler.begin(), filler.begin() + 2000), reloc{0, 0x10, 0, 0, 48, 0, 0, 0};
    text.insert(text.begin() + 1000, filler.begin() + 2000, filler.begin() + 2000 + grow);
    const auto put = [&](std::uint32_t at, std::uint8_t op, std::uint32_t v) {
        text[at] = op;
        for (int k = 0; k < 4; ++k) text[at + 1 + k] = static_cast<std::uint8_t>(v >> (8 * k));
    };
    const auto moved = [&](std::uint32_t at) { return at < 1000 ? at : at + grow; };
    for (std::uint32_t i = 0; i < 20; ++i) {
        put(moved(i * 90), 0xE8, moved(1990 - i * 80) - moved(i * 90) - 5);
        put(moved(i * 90 + 40), 0xA1, 0x400000 + dataAt + 8 * i);  // mov eax, [address]
        testpe::Put16(reloc, 8 + 2 * i, static_cast<std::uint16_t>(0x3000 | (i * 90 + 41)));
    }
    std::vector<std::pair<std::string, Bytes>> sections{
        {".text", text}, {".data", Bytes(filler.begin(), filler.begin() + 300)}, {".reloc", reloc}};
    if (rsrc) sections.push_back({".rsrc", Bytes(100, 0xCC)});
    Bytes f = testpe::Build(sections);
    const std::uint32_t opt = testpe::kPeOffset + 24, addresses[] = {0x1000, dataAt, dataAt + 0x1000, dataAt + 0x2000};
    for (std::uint32_t k = 0; k < sections.size(); ++k) {
        testpe::Put32(f, testpe::TableOffset() + 40 * k + 12, addresses[k]);
        testpe::Put32(f, testpe::TableOffset() + 40 * k + 36, k ? 0x40000040 : 0x60000020);
    }
    testpe::Put16(f, opt, 0x10B);
    testpe::Put32(f, opt + 28, 0x400000);
    testpe::Put32(f, opt + 92, 16);
    testpe::Put32(f, opt + 96 + 40, dataAt + 0x1000);
    testpe::Put32(f, opt + 96 + 44, static_cast<std::uint32_t>(reloc.size()));
    return f;
}

// Calls whose callee moved and absolute addresses into a section that moved: predicted
// through the copy map and the section moves, they cost no difference; what is left are
// the changed header fields. With a section added, sections are matched by name.
TEST(CompactFormat, PredictsReferencesToMovedCodeAndData) {
    std::mt19937 rng(21);
    Bytes filler = testbytes::Random(rng, 2100, 0x60);
    for (auto& b : filler) b += 0x10;  // no byte that starts a reference
    const Bytes oldFile = Image(filler, 0, 0x2000);
    for (const bool rsrc : {false, true}) {
        const Bytes newFile = Image(filler, 64, 0x3000, rsrc);
        const Bytes plain = WriteCompact(oldFile, newFile, EncodeCompact(oldFile, newFile), 0);
        const Bytes data = CompareBytes(oldFile, newFile, {64, 4, CompMode::Compact});
        const CompactHeader h = *ReadCompactHeader(data);
        EXPECT_EQ(h.flags, kCompactPredictRel32);
        std::uint32_t headerChanges = 0;
        for (std::size_t i = 0; i < 0x200; ++i) headerChanges += oldFile[i] != newFile[i];
        EXPECT_EQ(h.streams[2], headerChanges) << rsrc;
        EXPECT_GT(ReadCompactHeader(plain)->streams[2], headerChanges + 40);
        EXPECT_EQ(ApplyDifference(oldFile, data).newFile, newFile);
    }
}

// Lookups against the map's rule read plainly, over random copies: equal old starts (the
// later in new order answers), overlaps deeper than kReach, old starts past 2^22.
TEST(CompactFormat, CopyMapFollowsItsRule) {
    std::mt19937 rng(22);
    for (const std::int64_t span : std::array<std::int64_t, 3>{200, 5000, 1 << 24}) {
        std::vector<std::array<std::int64_t, 3>> copies;  // old start, new start, length
        CopyMap map;
        for (std::int64_t k = 0; k < 400; ++k) copies.push_back({static_cast<std::int64_t>(rng() % span), 500 * k, k % 10 ? 1 : 400});
        for (const auto& c : copies) map.Add(c[1], c[0], c[2]);
        map.Finish();
        std::stable_sort(copies.begin(), copies.end(), [](const auto& x, const auto& y) { return x[0] < y[0]; });
        for (const auto& c : copies) {
            const std::int64_t o = std::max<std::int64_t>(0, c[0] + rng() % 230 - 15);
            std::int64_t expected = -1, seen = 0;  // of the kReach last starting at or before o, the latest holding o
            for (auto x = copies.rbegin(); x != copies.rend() && seen < CopyMap::kReach && expected < 0; ++x) {
                if ((*x)[0] <= o && ++seen && o < (*x)[0] + (*x)[2]) expected = (*x)[1] + o - (*x)[0];
            }
            EXPECT_EQ(map.NewOf(o), expected) << span << " " << o;
        }
    }
}

}  // namespace
}  // namespace quen
