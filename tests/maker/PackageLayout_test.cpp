// The package layout against golden files, and the package file names.
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

// Reading the golden formats back: package_fuzz (from them as seeds; a damaged INI block is
// refused or would not build back to its bytes) and e2e/patchhead.sh; the appended
// cabinet's bounds: PackageImage_test, which finds it through LocateCabinet.
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
