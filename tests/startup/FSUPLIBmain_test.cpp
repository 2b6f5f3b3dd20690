// FSUPLIBmain: comma fields, path parts, byte lists, and the file routines on real folders.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/Errors.h"
#include "platform/Files.h"
#include "startup/FSUPLIBmain.h"
#include "support/TempDir.h"

namespace quen {
namespace {

using std::string_literals::operator""s;

// --- comma fields ------------------------------------------------------------------------

TEST(GetField, RegistryEntryFields) {
    const std::string entry = "HKEY_LOCAL_MACHINE, Software\\Quen , Value Name";
    EXPECT_EQ(GetField(entry, 1), "HKEY_LOCAL_MACHINE");
    EXPECT_EQ(GetField(entry, 2), "Software\\Quen");
    EXPECT_EQ(GetField(entry, 3), "Value Name");
    EXPECT_EQ(GetField(entry, 4), "");
}

TEST(GetField, EmptyFieldBetweenTwoCommas) {
    EXPECT_EQ(GetField("a,,c", 2), "");
    EXPECT_EQ(GetField("a,,c", 3), "c");
    EXPECT_EQ(GetField("a,", 2), "");
    EXPECT_EQ(GetField(",b", 1), "");
}

TEST(GetField, BoundsOfN) {
    EXPECT_EQ(GetField("a,b", 0), "");
    EXPECT_EQ(GetField("a,b", -1), "");
    EXPECT_EQ(GetField("", 1), "");
    EXPECT_EQ(GetField("only", 1), "only");
    EXPECT_EQ(GetField("only", 2), "");
}

TEST(GetField, CutAtNulThenTrimmed) {
    EXPECT_EQ(GetField("a, x \0junk ,c"s, 2), "x");
    EXPECT_EQ(GetField("\0a,b"s, 1), "");
}

// --- path parts --------------------------------------------------------------------------

TEST(PathText, GetFileName) {
    EXPECT_EQ(GetFileName("C:\\A\\b.txt"), "b.txt");
    EXPECT_EQ(GetFileName("C:\\A\\"), "");
    EXPECT_EQ(GetFileName("plain"), "plain");
}

TEST(PathText, GetExtension) {
    EXPECT_EQ(GetExtension("C:\\A\\script.qnl"), "QNL");
    EXPECT_EQ(GetExtension("archive.tar.Gz"), "GZ");
    EXPECT_EQ(GetExtension("README"), "");
    EXPECT_EQ(GetExtension("name."), "");
    // A dot in a folder name is no extension of the file.
    EXPECT_EQ(GetExtension("C:\\my.folder\\readme"), "");
}

TEST(PathText, IsWindowsFullPath) {
    const struct {
        const char* path;
        bool full;
    } cases[] = {
        {"C:\\", true},          {"z:\\a b\\fix.qnl", true}, {"\\\\srv\\share", true},
        {"\\\\srv\\share\\a.qnl", true}, {"C:", false},   {"C:a.qnl", false},
        {"1:\\a", false},        {"a b\\fix.qnl", false},     {".\\fix.qnl", false},
        {"\\fix.qnl", false},    {"\\\\srv", false},          {"\\\\srv\\", false},
        {"\\\\\\share", false},  {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(quen::IsWindowsFullPath(c.path), c.full) << c.path;
}

TEST(PathText, StripTrailingBackslashRemovesOne) {
    EXPECT_EQ(StripTrailingBackslash("C:\\A\\"), "C:\\A");
    EXPECT_EQ(StripTrailingBackslash("C:\\A\\\\"), "C:\\A\\");
    EXPECT_EQ(StripTrailingBackslash("C:\\A"), "C:\\A");
    EXPECT_EQ(StripTrailingBackslash(""), "");
}

TEST(PathText, NulsAndBlanks) {
    EXPECT_EQ(StripNuls("a\0b\0\0c"s), "abc");
    EXPECT_EQ(CutAtNul("  ab \0cd  "s), "ab ");  // trimmed first, then cut
    EXPECT_EQ(CutAtNul("\0x"s), "");
    EXPECT_EQ(CutAtNul("plain "), "plain");
    EXPECT_EQ(RemoveBlanks(" a b  c "), "abc");
    EXPECT_EQ(RemoveBlanks("a\tb"), "a\tb");
}

// --- bytes -------------------------------------------------------------------------------

TEST(Bytes, SwapBytes32) {
    EXPECT_EQ(SwapBytes32(0x12345678u), 0x78563412u);
    EXPECT_EQ(SwapBytes32(0xFF000000u), 0x000000FFu);
    EXPECT_EQ(SwapBytes32(SwapBytes32(0xDEADBEEFu)), 0xDEADBEEFu);
}

TEST(Bytes, HexListToBytes) {
    EXPECT_EQ(HexListToBytes("0A, ff,1,00"), (ByteList{0x0A, 0xFF, 0x01, 0x00}));
    EXPECT_EQ(HexListToBytes("12,,34"), (ByteList{0x12}));  // first empty item ends it
    EXPECT_EQ(HexListToBytes(""), ByteList{});
    EXPECT_EQ(HexListToBytes("000FF"), ByteList{0xFF});
}

TEST(Bytes, HexListRejectsWhatIsNoByte) {
    const std::vector<std::pair<std::string, int>> bad = {
        {"0G", kErrTypeMismatch}, {"12,x", kErrTypeMismatch}, {"1 2", kErrTypeMismatch},
        {"-1", kErrTypeMismatch}, {"100", kErrOverflow},       {"FFFFFFFFFF", kErrOverflow},
    };
    for (const auto& [text, number] : bad) {
        try {
            HexListToBytes(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), number) << text;
        }
    }
}

TEST(Bytes, TextAndBytesCopyEveryByte) {
    const std::string text = "A\xe9\0\xff"s;
    const ByteList bytes = TextToBytes(text);
    EXPECT_EQ(bytes, (ByteList{0x41, 0xE9, 0x00, 0xFF}));
    EXPECT_EQ(BytesToText(bytes), text);
}

// --- files on real folders ---------------------------------------------------------------

class FileRoutines : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(platform::MakeDirectory(dir_.Path("A")), 0);
        test::WriteFileBytes(dir_.Path("A\\b.txt"), "b");
    }
    // Records what GetDir reports.
    PathErrorReport Recorder() {
        return [this](int number, const std::string& name) { reports_.emplace_back(number, name); };
    }

    test::TempDir dir_;
    std::vector<std::pair<int, std::string>> reports_;
};

TEST_F(FileRoutines, GetDirOfFolderAndFile) {
    const std::string a = dir_.Path("A");
    EXPECT_EQ(GetDir(a + "\\b.txt", Recorder()), a);
    EXPECT_EQ(GetDir(a + "\\", Recorder()), a);
    EXPECT_EQ(GetDir(a, Recorder()), a);
    EXPECT_EQ(GetDir(a + "\\new.txt", Recorder()), a);  // a new output file in an existing folder
    EXPECT_TRUE(reports_.empty());
}

TEST_F(FileRoutines, GetDirBackslashPositionRule) {
    // Nothing of these exists, so only the text decides.
    EXPECT_EQ(GetDir("\\quen-no-such-file", Recorder()), "");  // "\" first character
    EXPECT_EQ(GetDir("no-backslash-here", Recorder()), "");
    EXPECT_EQ(GetDir("", Recorder()), "");
    EXPECT_TRUE(reports_.empty());
}

TEST_F(FileRoutines, GetDirReportsInvalidNameAndMissingFolderOnTheWay) {
    EXPECT_EQ(GetDir(dir_.Path("A\\bad|name.txt"), Recorder()), "");
    EXPECT_EQ(GetDir(dir_.Path("missing\\b.txt"), Recorder()), "");
    ASSERT_EQ(reports_.size(), 2u);
    for (const auto& [number, name] : reports_) {
        EXPECT_EQ(number, kErrPathFileAccess);
        EXPECT_EQ(name, "GetPathInPathName");
    }
    EXPECT_EQ(GetDir(dir_.Path("missing\\b.txt")), "");  // no reporter: nothing shown
}

TEST_F(FileRoutines, FileExistsMasks) {
    const std::string file = dir_.Path("A\\b.txt");
    const std::string folder = dir_.Path("A");
    EXPECT_TRUE(FileExists(file, kFindNormal));
    EXPECT_TRUE(FileExists(file, kFindHiddenSystem));
    EXPECT_TRUE(FileExists(file, kFindDirectories));
    EXPECT_FALSE(FileExists(folder, kFindNormal));
    EXPECT_FALSE(FileExists(folder, kFindHiddenSystem));
    EXPECT_TRUE(FileExists(folder, kFindDirectories));
    EXPECT_FALSE(FileExists(dir_.Path("A\\none.txt"), kFindDirectories));
    EXPECT_FALSE(FileExists("", kFindDirectories));
    EXPECT_FALSE(FileExists(dir_.Path("missing\\b.txt"), kFindNormal));
}

TEST_F(FileRoutines, FileExistsOfFolderListsItsContent) {
    // "X\" lists the folder: its files, and its "." entry when folders count.
    ASSERT_EQ(platform::MakeDirectory(dir_.Path("Empty")), 0);
    EXPECT_FALSE(FileExists(dir_.Path("Empty\\"), kFindNormal));
    EXPECT_TRUE(FileExists(dir_.Path("Empty\\"), kFindDirectories));
    EXPECT_TRUE(FileExists(dir_.Path("A\\"), kFindNormal));
    EXPECT_FALSE(FileExists(dir_.Path("Missing\\"), kFindDirectories));
}

TEST_F(FileRoutines, FileExistsCountsReadOnlyAsNormal) {
    const std::string file = dir_.Path("A\\b.txt");
    ASSERT_TRUE(platform::SetAttributes(file, platform::kAttrReadOnly));
    EXPECT_TRUE(FileExists(file, kFindNormal));
}

TEST_F(FileRoutines, DeleteFileForce) {
    const std::string file = dir_.Path("A\\b.txt");
    ASSERT_TRUE(platform::SetAttributes(file, platform::kAttrReadOnly));
    EXPECT_TRUE(DeleteFileForce(file));
    EXPECT_FALSE(test::PathExists(file));
    EXPECT_TRUE(DeleteFileForce(file));  // nothing left to delete
    EXPECT_TRUE(DeleteFileForce(dir_.Path("A")));  // a folder is no file: left alone
    EXPECT_TRUE(test::PathExists(dir_.Path("A")));
}

TEST_F(FileRoutines, CopyFileEnsureCreatesOneFolderLevel) {
    const std::string source = dir_.Path("A\\b.txt");
    EXPECT_TRUE(CopyFileEnsure(source, dir_.Path("New\\c.txt")));
    EXPECT_EQ(test::ReadFileBytes(dir_.Path("New\\c.txt")), "b");
    EXPECT_TRUE(CopyFileEnsure(source, dir_.Path("A\\copy.txt")));  // folder already there
    EXPECT_EQ(test::ReadFileBytes(dir_.Path("A\\copy.txt")), "b");
    EXPECT_FALSE(CopyFileEnsure(source, dir_.Path("X\\Y\\c.txt")));  // two levels: refused
    EXPECT_FALSE(test::PathExists(dir_.Path("X")));
    EXPECT_FALSE(CopyFileEnsure(dir_.Path("A\\none.txt"), dir_.Path("A\\d.txt")));
}

TEST_F(FileRoutines, CopyFileEnsureReplacesTarget) {
    test::WriteFileBytes(dir_.Path("A\\old.txt"), "old content");
    EXPECT_TRUE(CopyFileEnsure(dir_.Path("A\\b.txt"), dir_.Path("A\\old.txt")));
    EXPECT_EQ(test::ReadFileBytes(dir_.Path("A\\old.txt")), "b");
}

}  // namespace
}  // namespace quen
