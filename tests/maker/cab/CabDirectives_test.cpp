// The directive file: what each line sets, and the line number of every fault.
#include <gtest/gtest.h>

#include <sstream>

#include "maker/cab/CabDirectives.h"
#include "maker/cab/CabTool.h"
#include "base/Errors.h"
#include "support/Raised.h"
#include "support/TempDir.h"

namespace quen::cab {
namespace {

// The shipped Patch.ddf makes every cabinet of e2e/quenmake_exe.sh.
TEST(CabDirectives, ValuesAndFileLines) {
    const CabDirectives d = ParseDirectives(
        "; comment\n"
        ".OPTION EXPLICIT\n"
        "  .set compressiontype = mszip ; trailing comment\r\n"
        ".Set CompressionMemory=15\n"
        ".SET CompressionLevel=\"3\"\n"
        ".Set CabinetNameTemplate=Disk*.cab\n"
        ".Set DiskDirectoryTemplate=out*\n"
        ".Set FolderSizeThreshold=4096\n"
        "\n"
        "\"sub\\a b.txt\"\n"
        "\"x;y\" \"Stored.bin\"\n"
        "plain.dat\n");
    EXPECT_EQ(d.settings.method, kMszip);
    EXPECT_EQ(d.settings.lzxWindowBits, 15);
    EXPECT_EQ(d.settings.level, 3);
    EXPECT_EQ(d.settings.folderThreshold, 4096u);
    EXPECT_EQ(CabinetPath(d), "out1\\Disk1.cab");
    ASSERT_EQ(d.files.size(), 3u);
    EXPECT_EQ(d.files[0].path, "sub\\a b.txt");
    EXPECT_EQ(d.files[0].name, "a b.txt");
    EXPECT_EQ(d.files[1].path, "x;y");
    EXPECT_EQ(d.files[1].name, "Stored.bin");
    EXPECT_EQ(d.files[2].name, "plain.dat");
    EXPECT_EQ(ParseDirectives(".Set Compress=off\n.Set CompressionType=LZX").settings.method, kNone);
    EXPECT_FALSE(ParseDirectives(".Set Cabinet=OFF").cabinet);
}

TEST(CabDirectives, EveryFaultNamesItsLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"; ok\n.Option Explicit\n.New Cabinet", "line 3: unknown directive .New"},
        {".Set MaxDiskSize=0", "line 1: unknown variable MaxDiskSize"},
        {"\n\n.Set CompressionType=QUANTUM", "line 3: CompressionType must be"},
        {".Set CompressionMemory=14", "line 1: CompressionMemory must be a number from 15 to 21"},
        {".Set CompressionMemory=22", "line 1: CompressionMemory must be"},
        {".Set CompressionLevel=8", "line 1: CompressionLevel must be"},
        {".Set CompressionLevel=", "line 1: CompressionLevel must be"},
        {".Set Cabinet=maybe", "line 1: Cabinet must be on or off"},
        {".Set CompressionType", "line 1: .Set needs Name=Value"},
        {".Set CabinetNameTemplate=", "line 1: CabinetNameTemplate must not be empty"},
        {"\"a.txt\"\n\"unterminated", "line 2: missing closing quote"},
        {"\"a\" \"b\" \"c\"", "line 1: unexpected text"},
        {"\"a\" \"dir\\b\"", "line 1: not a plain file name"},
        {"\"\"", "line 1: empty file name"},
    };
    for (const auto& [text, message] : cases) {
        const test::Raised r = test::RaisedBy([&] { ParseDirectives(text); });
        EXPECT_NE(r.number, 0) << text;
        EXPECT_NE(r.text.find(message), std::string::npos) << r.text;
    }
}

// A refused run writes no cabinet and leaves an existing one as it was.
TEST(CabTool, FailuresWriteNothing) {
    test::TempDir dir;
    const std::string head = ".Set CabinetNameTemplate=Out.CAB\n.Set DiskDirectoryTemplate=" + dir.path() + "\n";
    test::WriteFileBytes(dir.Path("a.txt"), "data");
    test::WriteFileBytes(dir.Path("Out.CAB"), "old");
    const std::pair<std::string, int> cases[] = {
        {head + ".Set Foo=1\n\"" + dir.Path("a.txt") + "\"", kQCabFailed},
        {head + "\"" + dir.Path("a.txt") + "\"\n\"" + dir.Path("missing.txt") + "\"", kQCabFailed},
        {head, kQCabFailed},
    };
    for (const auto& [text, code] : cases) {
        test::WriteFileBytes(dir.Path("list.ddf"), text);
        std::ostringstream out, err;
        EXPECT_EQ(RunQCab({"/F", dir.Path("list.ddf")}, out, err), code) << text;
        EXPECT_NE(err.str(), "");
        EXPECT_EQ(test::ReadFileBytes(dir.Path("Out.CAB")), "old");
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunQCab({"/F"}, out, err), kQCabUsage);
    EXPECT_EQ(RunQCab({"/F", dir.Path("none.ddf")}, out, err), kQCabFailed);
}

// The block checksums: every cabinet of CabRoundTrip_test goes through cabextract -t.

}  // namespace
}  // namespace quen::cab
