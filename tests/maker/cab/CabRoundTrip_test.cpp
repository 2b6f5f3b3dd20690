// Cabinets the tool writes, read back by cabextract (an independent reader that verifies
// every data block checksum) and compared file by file; the length-limited codes in them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

#include "maker/TestBytes.h"
#include "maker/cab/CabFormat.h"
#include "maker/cab/CabHuffman.h"
#include "maker/cab/CabTool.h"
#include "support/TempDir.h"

namespace quen::cab {
namespace {

using test::TempDir;

// Named files with contents chosen to reach the layout's boundaries.
struct Case {
    const char* label;
    const char* directives;  // the .Set lines; the file lines are added
    std::vector<std::pair<std::string, std::size_t>> files;  // name, size
    int minFolders;
};

Bytes Content(const std::string& name, std::size_t size) {
    std::mt19937 rng(static_cast<unsigned>(std::hash<std::string>{}(name)));
    if (name[0] == 'r') return testbytes::Random(rng, size);  // incompressible
    if (name[0] == 'z') {  // long runs: matches of the longest length, up to frame ends
        Bytes b(size, 0);
        for (std::size_t i = 0; i < size; i += 1 + rng() % 3000) b[i] = static_cast<std::uint8_t>(rng());
        return b;
    }
    if (name[0] == 'a') {  // 8-byte records from a small pool: offsets that suit aligned blocks
        Bytes b;
        while (b.size() < size) {
            const std::uint32_t record = rng() % 97, field = rng() % 5;
            for (std::uint32_t k = 0; k < 8; ++k) b.push_back(static_cast<std::uint8_t>(k < 6 ? record * 7 + k : field));
        }
        b.resize(size);
        return b;
    }
    return testbytes::CodeLike(rng, size);
}

std::vector<std::pair<std::string, std::size_t>> ManySmall() {
    std::vector<std::pair<std::string, std::size_t>> f;
    for (int i = 0; i < 300; ++i) f.emplace_back("P" + std::to_string(i), static_cast<std::size_t>(i * 37 % 700));
    return f;
}

const std::vector<std::pair<std::string, std::size_t>> kMixed = {
    {"Setup.ini", 900}, {"empty", 0}, {"P1", 32768}, {"r2", 40000}, {"P3", 32767}, {"P4", 1}, {"Setup.img", 70000}};
const std::vector<std::pair<std::string, std::size_t>> kLarge = {
    {"P1", 5000}, {"P2", 700000}, {"r3", 90000}, {"z4", 300000}, {"a5", 100000}, {"Setup.ini", 300}};

const Case kCases[] = {
    {"none", ".Set CompressionType=NONE\n", kMixed, 1},
    {"mszip", ".Set CompressionType=MSZIP\n", kMixed, 1},
    {"mszip fast", ".Set CompressionType=MSZIP\n.Set CompressionLevel=1\n", kMixed, 1},
    {"only empty files", ".Set CompressionType=MSZIP\n", {{"a", 0}, {"b", 0}}, 1},
    {"mszip folders", ".Set CompressionType=MSZIP\n.Set FolderSizeThreshold=100000\n", kLarge, 3},
    {"mszip many", ".Set CompressionType=MSZIP\n", ManySmall(), 1},
    {"lzx", ".Set CompressionType=LZX\n", kMixed, 1},
    {"lzx window 15 folders", ".Set CompressionType=LZX\n.Set CompressionMemory=15\n.Set FolderSizeThreshold=100000\n", kLarge, 4},
    {"lzx window 21", ".Set CompressionType=LZX\n.Set CompressionMemory=21\n", kLarge, 1},
    {"lzx many", ".Set CompressionType=LZX\n", ManySmall(), 1},
    {"lzx only empty files", ".Set CompressionType=LZX\n", {{"a", 0}}, 1},
};

std::string DirectiveText(const TempDir& dir, const Case& c) {
    std::string text = "; test directives\r\n.Set CabinetNameTemplate=Out.CAB\r\n.Set DiskDirectoryTemplate=" + dir.path() + "\\cab\r\n" + c.directives;
    for (const auto& [name, size] : c.files) {
        test::WriteFileBytes(dir.Path(name), [&] { const Bytes b = Content(name, size); return std::string(b.begin(), b.end()); }());
        text += "\"" + dir.Path(name) + "\"\n";
    }
    return text;
}

class CabRoundTrip : public ::testing::TestWithParam<Case> {};

TEST_P(CabRoundTrip, CabextractVerifiesAndRestoresEveryFile) {
#ifdef _WIN32
    GTEST_SKIP() << "cabextract runs natively";
#endif
    const Case& c = GetParam();
    TempDir dir;
    test::WriteFileBytes(dir.Path("list.ddf"), DirectiveText(dir, c));
    std::ostringstream out, err;
    ASSERT_EQ(RunQCab({"/F", dir.Path("list.ddf")}, out, err), kQCabOk) << err.str();

    const std::string cab = test::ReadFileBytes(dir.Path("cab\\Out.CAB"));
    ASSERT_GE(cab.size(), kHeaderSize);
    const auto* h = reinterpret_cast<const std::uint8_t*>(cab.data());
    EXPECT_EQ(Get32(h + kHeaderCabinetSize), cab.size());
    EXPECT_EQ(Get16(h + kHeaderFileCount), c.files.size());
    EXPECT_GE(Get16(h + kHeaderFolderCount), c.minFolders);

    const std::string cabPath = test::NativePath(dir.Path("cab\\Out.CAB")), outDir = test::NativePath(dir.Path("x"));
    ASSERT_EQ(std::system(("cabextract -q -t '" + cabPath + "' >/dev/null").c_str()), 0);
    ASSERT_EQ(std::system(("cabextract -q -d '" + outDir + "' '" + cabPath + "'").c_str()), 0);
    for (const auto& [name, size] : c.files) {
        const Bytes want = Content(name, size);
        EXPECT_EQ(test::ReadFileBytes(dir.Path("x\\" + name)), std::string(want.begin(), want.end())) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Methods, CabRoundTrip, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string n = info.param.label;
    for (char& ch : n) if (ch == ' ') ch = '_';
    return n;
});

// Length-limited codes: complete, within the limit, a code for every used symbol (how short
// they are for frequent symbols shows in the compression benchmark; the canonical codes are
// read back by cabextract above).
// Kraft sum scaled by 2^16: exactly 65536 for a complete code.
std::uint64_t Kraft(const std::vector<std::uint8_t>& lengths) {
    std::uint64_t sum = 0;
    for (const std::uint8_t l : lengths) if (l) sum += std::uint64_t{1} << (16 - l);
    return sum;
}

TEST(CabHuffman, CompleteAndLimited) {
    std::mt19937 rng(7);
    std::vector<std::vector<std::uint32_t>> tables = {{}, {0, 0, 5}, {9}, {1, 1}, std::vector<std::uint32_t>(20, 0)};
    std::vector<std::uint32_t> fib(40);  // Fibonacci weights force codes past any limit
    fib[0] = fib[1] = 1;
    for (std::size_t i = 2; i < fib.size(); ++i) fib[i] = fib[i - 1] + fib[i - 2];
    tables.push_back(fib);
    for (int t = 0; t < 40; ++t) {
        std::vector<std::uint32_t> f(1 + rng() % 700);
        for (auto& x : f) x = rng() % 4 == 0 ? 0 : 1 + (rng() % (1u << (rng() % 20)));
        tables.push_back(f);
    }
    for (const int limit : {16, 15, 7}) {
        for (const auto& f : tables) {
            if (f.size() > (1u << limit) || f.size() < 2) continue;
            const auto len = CodeLengths(f, limit);
            EXPECT_EQ(Kraft(len), 65536u);
            int used = 0;
            for (std::size_t i = 0; i < f.size(); ++i) {
                EXPECT_LE(len[i], limit);
                if (f[i] > 0) { EXPECT_GT(len[i], 0) << i; }
                used += len[i] > 0;
            }
            EXPECT_GE(used, 2);
        }
    }
}

}  // namespace
}  // namespace quen::cab
