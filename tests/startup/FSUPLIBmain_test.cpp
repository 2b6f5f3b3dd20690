// FSUPLIBmain: comma fields, path parts, byte lists, and the file routines on real folders.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "base/Errors.h"
#include "platform/Files.h"
#include "startup/FSUPLIBmain.h"
#include "support/Raised.h"
#include "support/TempDir.h"

namespace quen {
namespace {

using std::string_literals::operator""s;

TEST(TextRoutines, FieldsAndPathParts) {
    const struct { std::string text; int n; const char* field; } fields[] = {
        {"HKLM, Software\\Quen , Value Name", 2, "Software\\Quen"}, {"a,b,c", 3, "c"},
        {"a,b,c", 4, ""}, {"a,,c", 2, ""}, {"a,b", 0, ""}, {"a,b", -1, ""}, {"only", 1, "only"},
        {"a, x \0junk ,c"s, 2, "x"}, {"\0a,b"s, 1, ""},
    };
    for (const auto& f : fields) EXPECT_EQ(GetField(f.text, f.n), f.field) << f.text << " #" << f.n;
    EXPECT_EQ(GetExtension("archive.tar.Gz"), "GZ");
    EXPECT_EQ(GetExtension("name."), "");
    EXPECT_EQ(GetExtension("C:\\my.folder\\readme"), "");  // a folder's dot is no extension
    EXPECT_EQ(CutAtNul("  ab \0cd  "s), "ab ");             // trimmed first, then cut
}

TEST(TextRoutines, HexListErrorsCarryTheirNumber) {
    EXPECT_EQ(HexListToBytes("0A, ff,1,000FF"), (ByteList{0x0A, 0xFF, 0x01, 0xFF}));
    const std::pair<const char*, int> bad[] = {
        {"0G", kErrTypeMismatch}, {"12,x", kErrTypeMismatch}, {"-1", kErrTypeMismatch},
        {"100", kErrOverflow},    {"FFFFFFFFFF", kErrOverflow},
    };
    for (const auto& [text, number] : bad) EXPECT_EQ(test::RaisedBy([&] { HexListToBytes(text); }).number, number) << text;
}

TEST(FileRoutines, GetDirAndFileExistsOnRealFolders) {
    test::TempDir dir;
    ASSERT_EQ(platform::MakeDirectory(dir.Path("A")), 0);
    ASSERT_EQ(platform::MakeDirectory(dir.Path("Empty")), 0);
    const std::string a = dir.Path("A"), file = dir.Path("A\\b.txt");
    test::WriteFileBytes(file, "b");
    ASSERT_TRUE(platform::SetAttributes(file, platform::kAttrReadOnly));
    std::vector<std::pair<int, std::string>> reports;
    const PathErrorReport record = [&](int n, const std::string& name) { reports.emplace_back(n, name); };

    for (const std::string& path : {file, a + "\\", a, a + "\\new.txt"}) EXPECT_EQ(GetDir(path, record), a) << path;
    for (const char* path : {"\\quen-no-such-file", "no-backslash-here", ""}) EXPECT_EQ(GetDir(path, record), "");
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(GetDir(dir.Path("A\\bad|name.txt"), record), "");
    EXPECT_EQ(GetDir(dir.Path("missing\\b.txt"), record), "");
    EXPECT_EQ(reports, (std::vector<std::pair<int, std::string>>(2, {kErrPathFileAccess, "GetPathInPathName"})));

    const struct { std::string path; unsigned mask; bool found; } finds[] = {
        {file, kFindNormal, true},         {a, kFindNormal, false},
        {a, kFindHiddenSystem, false},     {a, kFindDirectories, true},
        {a + "\\", kFindNormal, true},     {dir.Path("Empty\\"), kFindNormal, false},
        {dir.Path("Empty\\"), kFindDirectories, true}, {dir.Path("Missing\\"), kFindDirectories, false},
        {"", kFindDirectories, false},
    };
    for (const auto& f : finds) EXPECT_EQ(FileExists(f.path, f.mask), f.found) << f.path << " " << f.mask;
}

TEST(FileRoutines, DeleteForceAndCopyEnsure) {
    test::TempDir dir;
    ASSERT_EQ(platform::MakeDirectory(dir.Path("A")), 0);
    const std::string file = dir.Path("A\\b.txt");
    test::WriteFileBytes(file, "b");
    test::WriteFileBytes(dir.Path("A\\old.txt"), "old content");
    EXPECT_TRUE(CopyFileEnsure(file, dir.Path("New\\c.txt")));   // one folder level made
    EXPECT_TRUE(CopyFileEnsure(file, dir.Path("A\\old.txt")));   // replaces the target
    EXPECT_EQ(test::ReadFileBytes(dir.Path("New\\c.txt")) + test::ReadFileBytes(dir.Path("A\\old.txt")), "bb");
    EXPECT_FALSE(CopyFileEnsure(file, dir.Path("X\\Y\\c.txt")));  // two levels: refused
    EXPECT_FALSE(test::PathExists(dir.Path("X")));
    EXPECT_FALSE(CopyFileEnsure(dir.Path("A\\none.txt"), dir.Path("A\\d.txt")));

    ASSERT_TRUE(platform::SetAttributes(file, platform::kAttrReadOnly | platform::kAttrHidden));
    EXPECT_TRUE(DeleteFileForce(file));
    EXPECT_FALSE(test::PathExists(file));
    EXPECT_TRUE(DeleteFileForce(file));            // nothing left to delete
    EXPECT_TRUE(DeleteFileForce(dir.Path("A")));   // a folder is no file: left alone
    EXPECT_TRUE(test::PathExists(dir.Path("A")));
}

}  // namespace
}  // namespace quen
