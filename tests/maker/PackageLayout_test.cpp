// The package layout against golden files, and the readers' refusals at every boundary.
#include <gtest/gtest.h>

#include "maker/PackageLayout.h"
#include "support/TempDir.h"

namespace quen {
namespace {

std::string Golden(const std::string& name) {
    return test::ReadFileBytes(std::string(QUEN_TEST_DATA) + "\\build\\golden\\" + name);
}

Bytes AsBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

const std::vector<std::string> kDefinitions{"Setup,Version,2.0", "", "Paths,Data,C:\\Prog \xe9"};

TEST(PackageLayout, WritesTheGoldenFormats) {
    EXPECT_EQ(BuildIniBlock(kDefinitions), AsBytes(Golden("ini-block.bin")));
    EXPECT_EQ(BuildIniBlock({}), (Bytes{8, 0, 0, 0, 0, 0, 0, 0}));

    const std::string tpl = ".OPTION EXPLICIT\r\n.Set CabinetNameTemplate=TempFile.CAB\r\n.Set CompressionType=LZX";
    EXPECT_EQ(BuildDirectiveFile(tpl, {"P1", "P3"}, true), Golden("directive.ddf"));
    EXPECT_EQ(BuildDirectiveFile("", {}, false), "\r\n\"Setup.ini\"");

    const Bytes exe = AsBytes(Golden("patch-exe.bin"));
    const Bytes head(exe.begin(), exe.begin() + 14), cabinet(exe.begin() + 18, exe.end());
    EXPECT_EQ(BuildPatchExecutable(head, cabinet), exe);
}

// Reading the golden formats back: packagelayout_fuzz (from them as seeds) and e2e/patchhead.sh;
// the appended cabinet's bounds: PackageImage_test, which finds it through LocateCabinet.
TEST(PackageLayout, RefusesMalformedIniBlocks) {
    const Bytes good = BuildIniBlock({"ab", "c"});  // 8 + 6 + 5 = 19 bytes
    struct Case {
        const char* what;
        std::size_t at;  // byte changed (or the new size when `cut`)
        std::uint8_t value;
        bool cut;
    } cases[] = {
        {"shorter than the header", 7, 0, true},
        {"total length one more", 0, 20, false},
        {"total length one less", 0, 18, false},
        {"count one more", 4, 3, false},
        {"count one less leaves bytes over", 4, 1, false},
        {"count beyond any possible", 7, 0x40, false},
        {"definition length past the end", 8, 12, false},
        {"last definition one longer", 14, 2, false},
    };
    for (const Case& c : cases) {
        Bytes b = good;
        if (c.cut) {
            b.resize(c.at);
        } else {
            b[c.at] = c.value;
        }
        EXPECT_FALSE(ReadIniBlock(b).has_value()) << c.what;
    }
}

TEST(PackageLayout, AcceptsOnlyPackageNames) {
    for (const char* ok : {"Setup.ini", "Setup.img", "P1", "P10", "P999999999"}) {
        EXPECT_TRUE(IsPackageFileName(ok)) << ok;
    }
    for (const char* bad : {"", "P", "P0", "P01", "P1a", "p1", "P-1", "P1234567890", "setup.ini", "Setup.ini ",
                            "..\\P1", "x\\Setup.ini", "TempFile.CAB"}) {
        EXPECT_FALSE(IsPackageFileName(bad)) << bad;
    }
    EXPECT_EQ(DataFileName(2), "P2");
    for (int kind = -1; kind <= 7; ++kind) {
        EXPECT_EQ(HasDataFile(kind), kind == 0 || kind == 1 || kind == 2 || kind == 5) << kind;
    }
}

}  // namespace
}  // namespace quen
