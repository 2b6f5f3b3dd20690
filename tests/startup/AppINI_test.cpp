// The INI line rules as one table on bytes in memory, then what only real files show.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "platform/Files.h"
#include "startup/AppINI.h"
#include "startup/IniLines.h"
#include "support/Raised.h"
#include "support/TempDir.h"

namespace quen {
namespace {

enum class Op { Read, Write, Del };

// One operation on a file's bytes, the way AppINI applies it: read the key, or edit it
// and join the lines back.
struct Row {
    const char* in;
    const char* section;
    Op op;
    const char* key;
    const char* value;   // written value, or the value a read finds
    bool result;
    const char* out;     // the rewritten bytes (edits only)
};

const Row kRows[] = {
    // Which line opens a section: the exact header; any "[" line ends it.
    {"[Setup] \r\nA=t\r\n [Setup]\r\nA=l\r\n[setup]\r\nA=c\r\n", "Setup", Op::Read, "A", "", false, ""},
    {"[Setup] \r\nA=t\r\n[Setup]\r\nA=exact", "Setup", Op::Read, "A", "exact", true, ""},
    {"[One]\r\nK=1\r\n[Two]\r\nL=2\r\n", "Two", Op::Read, "K", "", false, ""},
    {"[One]\r\n[not a header\r\nK=1\r\n", "One", Op::Read, "K", "", false, ""},
    {"[S]\r\nK=1\r\nK=2\r\n[S]\r\nK=3", "S", Op::Read, "K", "1", true, ""},
    // How a key line splits: name trimmed, value kept, first "=", case-sensitive.
    {"[S]\r\nName = value \r\n", "S", Op::Read, "Name", " value ", true, ""},
    {"[S]\r\nA=b=c\r\n", "S", Op::Read, "A", "b=c", true, ""},
    {"[S]\r\nA=b=c\r\n", "S", Op::Read, "A=b", "", false, ""},
    {"[S]\r\nE=\r\n", "S", Op::Read, "E", "", true, ""},
    {"[S]\r\nlanguage=x\r\n", "S", Op::Read, "Language", "", false, ""},
    {"[S]\r\nK\r\nK value\r\n\r\n   \r\nK=found\r\n", "S", Op::Read, "K", "found", true, ""},
    {"[S]\r\n\tK=tab\r\n", "S", Op::Read, "K", "", false, ""},
    // Every line end style reads.
    {"[S]\nA=lf\rB=cr\r\nC=crlf\n\rD=last", "S", Op::Read, "B", "cr", true, ""},
    {"[S]\nA=lf\rB=cr\r\nC=crlf\n\rD=last", "S", Op::Read, "D", "last", true, ""},
    // Section-less mode passes over the first line.
    {".Set A=first\r\n.Set A=second\r\n[End]\r\nC=1", "[%NOTUSE%]", Op::Read, ".Set A", "second", true, ""},
    {".Set A=first\r\n[End]\r\nC=1", "[%NOTUSE%]", Op::Read, "C", "", false, ""},
    {"", "[%NOTUSE%]", Op::Write, "K", "1", true, "[[%NOTUSE%]]\r\nK=1"},
    {"K=head\r\nK=1\r\nL=2\r\n", "[%NOTUSE%]", Op::Write, "K", "9", true, "K=head\r\nK=9\r\nL=2"},
    {"K=head\r\nL=2", "[%NOTUSE%]", Op::Del, "L", "", true, "K=head"},
    // Where a written key goes; CR LF between lines, none after the last.
    {"[S]\r\nA=1\r\nK = old\r\nB=2\r\n[T]\r\nK=t", "S", Op::Write, "K", "new", true,
     "[S]\r\nA=1\r\nK=new\r\nB=2\r\n[T]\r\nK=t"},
    {"[S]\r\nA=1\r\n\r\n[T]\r\nB=2", "S", Op::Write, "K", "v", true, "[S]\r\nA=1\r\n\r\nK=v\r\n[T]\r\nB=2"},
    {"[S]\r\nA=1\r\n[T]\r\nB=2\r\n", "T", Op::Write, "K", "v", true, "[S]\r\nA=1\r\n[T]\r\nB=2\r\nK=v"},
    {"[S]\r\nA=1", "New", Op::Write, "K", "v", true, "[S]\r\nA=1\r\n\r\n[New]\r\nK=v"},
    {"", "New", Op::Write, "K", "v", true, "\r\n[New]\r\nK=v"},
    {"[S]\nA=1\rB=2\r\n\r\n", "S", Op::Write, "A", " x = y ", true, "[S]\r\nA= x = y \r\nB=2\r\n"},
    // Deleting drops every line of the key; true only when the section exists.
    {"[S]\r\nK=1\r\n K =2\r\nA=0\r\nK=3\r\n[T]\r\nK=t", "S", Op::Del, "K", "", true, "[S]\r\nA=0\r\n[T]\r\nK=t"},
    {"[S]\r\nA=1\r\n", "S", Op::Del, "K", "", true, "[S]\r\nA=1"},
    {"[S]\r\nK=1\r\n", "T", Op::Del, "K", "", false, "[S]\r\nK=1"},
};

TEST(IniRules, Table) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(std::string(r.in) + " / " + r.section + " / " + r.key);
        ini::Lines lines = ini::SplitLines(r.in);
        if (r.op == Op::Read) {
            std::string value = "stale";
            EXPECT_EQ(ini::FindKey(lines, r.section, r.key, value), r.result);
            EXPECT_EQ(value, r.value);
            continue;
        }
        const auto mode = r.op == Op::Write ? ini::KeyEdit::Write : ini::KeyEdit::Remove;
        EXPECT_EQ(ini::EditKey(lines, r.section, r.key, r.value, mode), r.result);
        EXPECT_EQ(ini::JoinLines(lines), r.out);
    }
}

TEST(IniRules, WholeSections) {
    ini::Lines lines = ini::SplitLines("[A]\r\nX=1\r\n[B]\r\nY=2\r\n\r\n[C]\r\nZ=3");
    ini::RemoveSection(lines, "B");
    EXPECT_EQ(ini::JoinLinesTerminated(lines), "[A]\r\nX=1\r\n[C]\r\nZ=3\r\n");
    ini::ReplaceSection(lines, "A", ini::SplitEntries(std::string("P=1\0Q=2\0\0R=ignored", 19)));
    ini::ReplaceSection(lines, "D", {"K=v"});
    EXPECT_EQ(ini::JoinLinesTerminated(lines), "[A]\r\nP=1\r\nQ=2\r\n[C]\r\nZ=3\r\n\r\n[D]\r\nK=v\r\n");
}

// What only a real file shows: missing files, trimmed names, no leftovers (attributes:
// startup/win/FileRoutines_test under Wine).
TEST(AppINIFile, ReadWriteAndRefuse) {
    test::TempDir dir;
    const std::string file = dir.Path("a.ini");
    AppINI ini;
    ini.FileName = "  " + file + "  ";
    ini.Section = "S";
    std::string value;
    EXPECT_EQ(test::RaisedBy([&] { ini.ReadKey("K", value); }).number, kErrFileNotFound);
    EXPECT_FALSE(ini.DelKey("K"));
    EXPECT_FALSE(test::PathExists(file));
    ASSERT_TRUE(ini.WriteKey("K", std::string("\xe9\0x", 3)));
    EXPECT_EQ(test::ReadFileBytes(file), std::string("[S]\r\nK=\xe9\0x", 10));
    ASSERT_TRUE(ini.WriteKey("K", "2"));
    EXPECT_TRUE(ini.ReadKey("K", value));
    EXPECT_EQ(value, "2");
    EXPECT_FALSE(ini.RenSection("T", "K=v"));
    EXPECT_EQ(test::ReadFileBytes(file), "[S]\r\nK=2\r\n\r\n[T]\r\nK=v\r\n");
    EXPECT_EQ(test::ListFolder(dir.path()), "a.ini");

    // A folder where the file should be cannot be read, so it is never replaced.
    ini.FileName = dir.Path("sub");
    ASSERT_EQ(platform::MakeDirectory(ini.FileName), 0);
    EXPECT_FALSE(ini.WriteKey("K", "v"));
    EXPECT_TRUE(test::PathExists(dir.Path("sub")));
    ini.FileName = dir.Path("nofolder\\a.ini");
    EXPECT_FALSE(ini.WriteKey("K", "v"));
    ini.FileName = "   ";
    EXPECT_FALSE(ini.WriteKey("K", "v"));
    EXPECT_EQ(test::ListFolder(dir.path()), "a.ini,sub");
}

}  // namespace
}  // namespace quen
