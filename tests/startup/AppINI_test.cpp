// AppINI against real files: the line rules, key placement, line ends and safe rewriting.
#include <gtest/gtest.h>

#include "platform/Files.h"
#include "startup/AppINI.h"
#include "base/Errors.h"
#include "support/TempDir.h"

namespace quen {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

class AppINITest : public ::testing::Test {
protected:
    // Writes `bytes` as the INI file and points the object at `section` in it.
    AppINI Open(const std::string& bytes, const std::string& section) {
        WriteFileBytes(file_, bytes);
        AppINI ini;
        ini.FileName = file_;
        ini.Section = section;
        return ini;
    }
    std::string Read(const AppINI& ini, const std::string& key, bool expectFound = true) {
        std::string value = "stale";
        EXPECT_EQ(ini.ReadKey(key, value), expectFound) << key;
        if (!expectFound) {
            EXPECT_EQ(value, "") << key;
        }
        return value;
    }
    std::string Bytes() const { return ReadFileBytes(file_); }

    test::TempDir dir_;
    std::string file_ = dir_.Path("a.ini");
};

// --- reading: which line opens a section ---------------------------------------------

TEST_F(AppINITest, HeaderMustMatchExactly) {
    AppINI ini = Open("[Setup] \r\nA=trailing\r\n [Setup]\r\nA=leading\r\n[setup]\r\nA=case\r\n", "Setup");
    Read(ini, "A", false);
    WriteFileBytes(file_, "[Setup] \r\nA=trailing\r\n[Setup]\r\nA=exact");
    EXPECT_EQ(Read(ini, "A"), "exact");
}

TEST_F(AppINITest, KeyOnlyInAnotherSectionReadsAbsent) {
    AppINI ini = Open("[One]\r\nK=1\r\n[Two]\r\nL=2\r\n", "Two");
    Read(ini, "K", false);
    EXPECT_EQ(Read(ini, "L"), "2");
    ini.Section = "Three";
    Read(ini, "L", false);
}

TEST_F(AppINITest, SectionEndsAtAnyLineStartingWithBracket) {
    AppINI ini = Open("[One]\r\n[not a header\r\nK=1\r\n", "One");
    Read(ini, "K", false);
}

// --- reading: how a key line splits --------------------------------------------------

TEST_F(AppINITest, KeyNameTrimmedValueKept) {
    AppINI ini = Open("[S]\r\nName = value \r\n  Pad  =x\r\n", "S");
    EXPECT_EQ(Read(ini, "Name"), " value ");
    EXPECT_EQ(Read(ini, "Pad"), "x");
}

TEST_F(AppINITest, FirstEqualsSignSplits) {
    AppINI ini = Open("[S]\r\nA=b=c\r\nE=\r\n", "S");
    EXPECT_EQ(Read(ini, "A"), "b=c");
    EXPECT_EQ(Read(ini, "E"), "");  // present but empty: found
    Read(ini, "A=b", false);
}

TEST_F(AppINITest, KeyNamesAreCaseSensitive) {
    AppINI ini = Open("[S]\r\nlanguage=English\r\n", "S");
    Read(ini, "Language", false);
    EXPECT_EQ(Read(ini, "language"), "English");
}

TEST_F(AppINITest, LineWithoutEqualsNeverMatches) {
    AppINI ini = Open("[S]\r\nK\r\nK value\r\nK=found\r\n", "S");
    EXPECT_EQ(Read(ini, "K"), "found");
}

TEST_F(AppINITest, BlankLinesInsideSectionArePassedOver) {
    AppINI ini = Open("[S]\r\n\r\n\r\n   \r\nK=1\r\n", "S");
    EXPECT_EQ(Read(ini, "K"), "1");
}

TEST_F(AppINITest, FirstOccurrenceWins) {
    AppINI ini = Open("[S]\r\nK=1\r\nK=2\r\n[S]\r\nK=3", "S");
    EXPECT_EQ(Read(ini, "K"), "1");
}

// --- reading: line ends and the file itself ------------------------------------------

TEST_F(AppINITest, ReadsEveryLineEndStyle) {
    AppINI ini = Open("[S]\nA=lf\rB=cr\r\nC=crlf\n\rD=last", "S");
    EXPECT_EQ(Read(ini, "A"), "lf");
    EXPECT_EQ(Read(ini, "B"), "cr");
    EXPECT_EQ(Read(ini, "C"), "crlf");
    EXPECT_EQ(Read(ini, "D"), "last");
}

TEST_F(AppINITest, MissingFileIsAnErrorNotFalse) {
    AppINI ini;
    ini.FileName = dir_.Path("none.ini");
    ini.Section = "S";
    std::string value;
    try {
        ini.ReadKey("K", value);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), kErrFileNotFound);
    }
    ini.FileName = dir_.Path("nofolder\\none.ini");
    try {
        ini.ReadKey("K", value);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), kErrPathFileAccess);
    }
}

TEST_F(AppINITest, FileNameIsTrimmed) {
    AppINI ini = Open("[S]\r\nK=1", "S");
    ini.FileName = "  " + file_ + "  ";
    EXPECT_EQ(Read(ini, "K"), "1");
    EXPECT_TRUE(ini.WriteKey("K", "2"));
    EXPECT_EQ(Bytes(), "[S]\r\nK=2");
}

TEST_F(AppINITest, BytesAboveAsciiAndNulsSurvive) {
    const std::string value = std::string("\xe9t\xe9", 3) + std::string(1, '\0') + "x";
    AppINI ini = Open("[S]\r\nK=1", "S");
    ASSERT_TRUE(ini.WriteKey("K", value));
    EXPECT_EQ(Read(ini, "K"), value);
}

// --- section-less mode ----------------------------------------------------------------

TEST_F(AppINITest, NoSectionModeSkipsFirstLine) {
    AppINI ini = Open(".Set A=first\r\n.Set A=second\r\n.Set B=x\r\n[End]\r\nC=1", "[%NOTUSE%]");
    EXPECT_EQ(Read(ini, ".Set A"), "second");
    Read(ini, "C", false);
    WriteFileBytes(file_, "");
    Read(ini, ".Set A", false);
}

TEST_F(AppINITest, NoSectionModeWriteIntoEmptyFileReadsBack) {
    AppINI ini = Open("", "[%NOTUSE%]");
    ASSERT_TRUE(ini.WriteKey("K", "1"));
    EXPECT_EQ(Read(ini, "K"), "1");
    EXPECT_EQ(Bytes(), "[[%NOTUSE%]]\r\nK=1");  // as a missing file would be created
}

TEST_F(AppINITest, NoSectionModeWritesFromSecondLine) {
    AppINI ini = Open("K=head\r\nK=1\r\nL=2\r\n", "[%NOTUSE%]");
    ASSERT_TRUE(ini.WriteKey("K", "9"));
    EXPECT_EQ(Bytes(), "K=head\r\nK=9\r\nL=2");
    ASSERT_TRUE(ini.WriteKey("M", "3"));
    EXPECT_EQ(Bytes(), "K=head\r\nK=9\r\nL=2\r\nM=3");
    ASSERT_TRUE(ini.DelKey("L"));
    EXPECT_EQ(Bytes(), "K=head\r\nK=9\r\nM=3");
}

// --- writing: where the key line goes ---------------------------------------------------

TEST_F(AppINITest, WriteCreatesMissingFileWithTwoLines) {
    AppINI ini;
    ini.FileName = dir_.Path("new.ini");
    ini.Section = "Setup";
    ASSERT_TRUE(ini.WriteKey("Key", "v"));
    EXPECT_EQ(ReadFileBytes(ini.FileName), "[Setup]\r\nKey=v");
}

TEST_F(AppINITest, WriteReplacesValueInPlace) {
    AppINI ini = Open("[S]\r\nA=1\r\nK = old\r\nB=2\r\n[T]\r\nK=t", "S");
    ASSERT_TRUE(ini.WriteKey("K", "new"));
    EXPECT_EQ(Bytes(), "[S]\r\nA=1\r\nK=new\r\nB=2\r\n[T]\r\nK=t");
}

TEST_F(AppINITest, NewKeyGoesRightBeforeFollowingSection) {
    AppINI ini = Open("[S]\r\nA=1\r\n\r\n[T]\r\nB=2", "S");
    ASSERT_TRUE(ini.WriteKey("K", "v"));
    EXPECT_EQ(Bytes(), "[S]\r\nA=1\r\n\r\nK=v\r\n[T]\r\nB=2");
}

TEST_F(AppINITest, NewKeyInLastSectionGoesAfterLastLine) {
    AppINI ini = Open("[S]\r\nA=1\r\n[T]\r\nB=2\r\n", "T");
    ASSERT_TRUE(ini.WriteKey("K", "v"));
    EXPECT_EQ(Bytes(), "[S]\r\nA=1\r\n[T]\r\nB=2\r\nK=v");
}

TEST_F(AppINITest, MissingSectionIsAppendedAfterEmptyLine) {
    AppINI ini = Open("[S]\r\nA=1", "New");
    ASSERT_TRUE(ini.WriteKey("K", "v"));
    EXPECT_EQ(Bytes(), "[S]\r\nA=1\r\n\r\n[New]\r\nK=v");
    AppINI empty = Open("", "New");
    ASSERT_TRUE(empty.WriteKey("K", "v"));
    EXPECT_EQ(Bytes(), "\r\n[New]\r\nK=v");
}

TEST_F(AppINITest, WriteNeedsFileNameAndSection) {
    AppINI ini;
    ini.Section = "S";
    ini.FileName = "   ";
    EXPECT_FALSE(ini.WriteKey("K", "v"));
    ini.FileName = dir_.Path("x.ini");
    ini.Section = "";
    EXPECT_FALSE(ini.WriteKey("K", "v"));
    EXPECT_FALSE(test::PathExists(ini.FileName));
}

TEST_F(AppINITest, WrittenValueReadsBack) {
    AppINI ini = Open("[S]\r\n", "S");
    ASSERT_TRUE(ini.WriteKey("K", " spaced = value "));
    EXPECT_EQ(Read(ini, "K"), " spaced = value ");
    ASSERT_TRUE(ini.WriteKey("E", ""));
    EXPECT_EQ(Read(ini, "E"), "");
}

// --- writing: line ends of the rewritten file -------------------------------------------

TEST_F(AppINITest, RewrittenFileUsesCrLfAndNoFinalLineEnd) {
    AppINI ini = Open("[S]\nA=1\rB=2\r\n\r\n", "S");
    ASSERT_TRUE(ini.WriteKey("A", "x"));
    EXPECT_EQ(Bytes(), "[S]\r\nA=x\r\nB=2\r\n");  // the blank line stays, no line end after it
}

// --- deleting ----------------------------------------------------------------------------

TEST_F(AppINITest, DelKeyLeavesNoBlankLine) {
    AppINI ini = Open("[S]\r\nA=1\r\nK=v\r\nB=2\r\n[T]\r\nK=t\r\n", "S");
    ASSERT_TRUE(ini.DelKey("K"));
    EXPECT_EQ(Bytes(), "[S]\r\nA=1\r\nB=2\r\n[T]\r\nK=t");
}

TEST_F(AppINITest, DelKeyDropsEveryLineOfTheKey) {
    AppINI ini = Open("[S]\r\nK=1\r\n K =2\r\nA=0\r\nK=3\r\n[T]\r\nK=t", "S");
    ASSERT_TRUE(ini.DelKey("K"));
    EXPECT_EQ(Bytes(), "[S]\r\nA=0\r\n[T]\r\nK=t");
}

TEST_F(AppINITest, DelKeyOfAbsentKeyRewritesUnchangedAndSucceeds) {
    AppINI ini = Open("[S]\r\nA=1\r\n", "S");
    EXPECT_TRUE(ini.DelKey("K"));
    EXPECT_EQ(Bytes(), "[S]\r\nA=1");
}

TEST_F(AppINITest, DelKeyInAbsentSectionRewritesUnchangedAndFails) {
    AppINI ini = Open("[S]\r\nK=1\r\n", "T");
    EXPECT_FALSE(ini.DelKey("K"));
    EXPECT_EQ(Bytes(), "[S]\r\nK=1");
}

TEST_F(AppINITest, DelKeyOnMissingFileCreatesNothing) {
    AppINI ini;
    ini.FileName = dir_.Path("none.ini");
    ini.Section = "S";
    EXPECT_FALSE(ini.DelKey("K"));
    EXPECT_FALSE(test::PathExists(ini.FileName));
}

// --- rewriting safely --------------------------------------------------------------------

TEST_F(AppINITest, ReadOnlyFileIsStillRewritten) {
    AppINI ini = Open("[S]\r\nK=1", "S");
    ASSERT_TRUE(platform::SetAttributes(file_, platform::kAttrReadOnly));
    ASSERT_TRUE(ini.WriteKey("K", "2"));
    EXPECT_EQ(Bytes(), "[S]\r\nK=2");
    ASSERT_TRUE(platform::SetAttributes(file_, platform::kAttrReadOnly));
    ASSERT_TRUE(ini.DelKey("K"));
    EXPECT_EQ(Bytes(), "[S]");
    const platform::AttrResult a = platform::GetAttributes(file_);
    ASSERT_EQ(a.status, platform::AttrStatus::Ok);
    EXPECT_EQ(a.attrs & platform::kAttrReadOnly, 0u);
}

TEST_F(AppINITest, NoTemporaryFileIsLeftBehind) {
    AppINI ini = Open("[S]\r\nK=1", "S");
    ASSERT_TRUE(ini.WriteKey("K", "2"));
    ASSERT_TRUE(ini.DelKey("K"));
    EXPECT_EQ(test::ListFolder(dir_.path()), "a.ini");
}

TEST_F(AppINITest, UnreadableTargetIsNeverReplaced) {
    // A folder where the file should be: it cannot be read, so it must not be replaced.
    AppINI ini;
    ini.FileName = dir_.Path("sub");
    ini.Section = "S";
    ASSERT_EQ(platform::MakeDirectory(ini.FileName), 0);
    test::WriteFileBytes(dir_.Path("sub\\keep.txt"), "keep");
    EXPECT_FALSE(ini.WriteKey("K", "v"));
    EXPECT_FALSE(ini.DelKey("K"));
    EXPECT_EQ(test::ReadFileBytes(dir_.Path("sub\\keep.txt")), "keep");
}

TEST_F(AppINITest, WriteIntoMissingFolderFailsCleanly) {
    AppINI ini;
    ini.FileName = dir_.Path("nofolder\\a.ini");
    ini.Section = "S";
    EXPECT_FALSE(ini.WriteKey("K", "v"));
    EXPECT_EQ(test::ListFolder(dir_.path()), "");
}

// --- whole sections ------------------------------------------------------------------------

TEST_F(AppINITest, DelSectionRemovesHeaderAndLines) {
    AppINI ini = Open("[A]\r\nX=1\r\n[B]\r\nY=2\r\n\r\n[C]\r\nZ=3", "A");
    EXPECT_FALSE(ini.DelSection("B"));
    EXPECT_EQ(Bytes(), "[A]\r\nX=1\r\n[C]\r\nZ=3\r\n");
    EXPECT_FALSE(ini.DelSection("C"));
    EXPECT_EQ(Bytes(), "[A]\r\nX=1\r\n");
}

TEST_F(AppINITest, DelSectionOfAbsentSectionKeepsLines) {
    AppINI ini = Open("[A]\r\nX=1", "A");
    EXPECT_FALSE(ini.DelSection("a"));
    EXPECT_EQ(Bytes(), "[A]\r\nX=1\r\n");
    ini.FileName = dir_.Path("none.ini");
    EXPECT_FALSE(ini.DelSection("A"));
    EXPECT_FALSE(test::PathExists(ini.FileName));
}

TEST_F(AppINITest, RenSectionReplacesSectionLines) {
    AppINI ini = Open("[A]\r\nX=1\r\nY=2\r\n[B]\r\nZ=3", "A");
    EXPECT_FALSE(ini.RenSection("A", std::string("P=1\0Q=2\0\0R=ignored", 19)));
    EXPECT_EQ(Bytes(), "[A]\r\nP=1\r\nQ=2\r\n[B]\r\nZ=3\r\n");
    EXPECT_EQ(Read(ini, "Q"), "2");
    Read(ini, "X", false);
}

TEST_F(AppINITest, RenSectionAppendsOrCreates) {
    AppINI ini = Open("[A]\r\nX=1", "A");
    EXPECT_FALSE(ini.RenSection("B", std::string("K=v\0", 4)));
    EXPECT_EQ(Bytes(), "[A]\r\nX=1\r\n\r\n[B]\r\nK=v\r\n");
    ini.FileName = dir_.Path("new.ini");
    EXPECT_FALSE(ini.RenSection("B", "K=v"));
    EXPECT_EQ(ReadFileBytes(ini.FileName), "[B]\r\nK=v\r\n");
    ini.FileName = "";
    EXPECT_FALSE(ini.RenSection("B", "K=v"));
}

}  // namespace
}  // namespace quen
