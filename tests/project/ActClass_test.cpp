// Tests of one action's lists, copy and directory copy.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "project/ActClass.h"

namespace quen {
namespace {

TEST(ActClass, NewActionStartsWithPreviousTextOfCurrentLanguage) {
    ActClass english;
    EXPECT_EQ(english.DirType, "< Previous >");
    ActClass other("< Vorige >");
    EXPECT_EQ(other.DirType, "< Vorige >");
    EXPECT_EQ(other.ActType, 0);
    EXPECT_EQ(other.INICount(), 0);
    EXPECT_EQ(other.ByteCount(), 0);
    EXPECT_EQ(other.FileName, "");
}

TEST(ActClass, IniListAddReadDeleteKeepsCountInStep) {
    ActClass a;
    EXPECT_EQ(a.AddINIKey("S,K1,V1"), 1);
    EXPECT_EQ(a.AddINIKey("S,K2,V2"), 2);
    EXPECT_EQ(a.AddINIKey("S,K3,V3"), 3);
    a.DelINIKey(1);
    ASSERT_EQ(a.INICount(), 2);
    EXPECT_EQ(a.ReadINIKey(1), "S,K2,V2");
    EXPECT_EQ(a.ReadINIKey(2), "S,K3,V3");
    a.DelINIKey(2);
    a.DelINIKey(1);
    EXPECT_EQ(a.INICount(), 0);
    EXPECT_TRUE(a.INIKeys().empty());
}

TEST(ActClass, ByteListDeleteMovesLaterTriplesDown) {
    ActClass a;
    a.AddByte("1", "41", "42");
    a.AddByte("2", "43 44", "45 46");
    EXPECT_EQ(a.AddByte("3", "10 (16)", "00"), 3);
    a.DelByte(1);
    ASSERT_EQ(a.ByteCount(), 2);
    EXPECT_EQ(a.ReadByteType(1), "2");
    EXPECT_EQ(a.ReadByteVal(1), "43 44");
    EXPECT_EQ(a.ReadByteNewval(1), "45 46");
    EXPECT_EQ(a.ReadByteType(2), "3");
    a.DelByte(2);
    a.DelByte(1);
    EXPECT_EQ(a.ByteCount(), 0);
}

TEST(ActClass, IndexOutsideListIsRefused) {
    ActClass a;
    a.AddINIKey("x");
    a.AddByte("1", "2", "3");
    EXPECT_THROW(a.ReadINIKey(0), std::out_of_range);
    EXPECT_THROW(a.ReadINIKey(2), std::out_of_range);
    EXPECT_THROW(a.DelINIKey(2), std::out_of_range);
    EXPECT_THROW(a.ReadByteVal(2), std::out_of_range);
    EXPECT_THROW(a.DelByte(0), std::out_of_range);
    EXPECT_EQ(a.INICount(), 1);
    EXPECT_EQ(a.ByteCount(), 1);
}

TEST(ActClass, ListsStopAt32767Entries) {
    ActClass a;
    std::vector<std::string> keys(32767, "k");
    a.SetINIVal(keys);
    EXPECT_EQ(a.INICount(), 32767);
    EXPECT_THROW(a.AddINIKey("one more"), Error);
    EXPECT_EQ(a.INICount(), 32767);
    keys.push_back("k");
    EXPECT_THROW(a.SetINIVal(keys), Error);
    EXPECT_EQ(a.INICount(), 32767);
}

class ExportDirTest : public ::testing::Test {
protected:
    DirTypeTexts texts;
    ActClass target;
    void SetUp() override {
        target.DirType = texts.reg;
        target.RegMain = 2;
        target.RegSub = "Keep\\Me";
        target.RegKeyName = "Path";
        target.AskTitle = "old title";
        target.AskPrompt = "old prompt";
    }
};

TEST_F(ExportDirTest, AskSourceCopiesAskTextsAndLeavesRegistryFields) {
    ActClass src;
    src.DirType = texts.ask;
    src.AskTitle = "T";
    src.AskPrompt = "P";
    src.AskBrowse = "B";
    src.AskOK = "O";
    src.AskDNF = "D";
    src.RegSub = "not copied";
    src.ExportDir(target, texts);
    EXPECT_EQ(target.DirType, texts.ask);
    EXPECT_EQ(target.AskTitle, "T");
    EXPECT_EQ(target.AskPrompt, "P");
    EXPECT_EQ(target.AskBrowse, "B");
    EXPECT_EQ(target.AskOK, "O");
    EXPECT_EQ(target.AskDNF, "D");
    EXPECT_EQ(target.RegMain, 2);
    EXPECT_EQ(target.RegSub, "Keep\\Me");
    EXPECT_EQ(target.RegKeyName, "Path");
}

TEST_F(ExportDirTest, RegSourceCopiesRegistryFieldsOnly) {
    ActClass src;
    src.DirType = texts.reg;
    src.RegMain = 4;
    src.RegSub = "Software\\Demo";
    src.RegKeyName = "InstallDir";
    src.AskTitle = "not copied";
    src.ExportDir(target, texts);
    EXPECT_EQ(target.RegMain, 4);
    EXPECT_EQ(target.RegSub, "Software\\Demo");
    EXPECT_EQ(target.RegKeyName, "InstallDir");
    EXPECT_EQ(target.AskTitle, "old title");
}

TEST_F(ExportDirTest, OtherKindsCopyOnlyTheText) {
    ActClass src;
    src.DirType = ".\\sub";
    src.RegSub = "x";
    src.AskTitle = "y";
    src.ExportDir(target, texts);
    EXPECT_EQ(target.DirType, ".\\sub");
    EXPECT_EQ(target.RegSub, "Keep\\Me");
    EXPECT_EQ(target.AskTitle, "old title");
}

TEST_F(ExportDirTest, KindTextOfAnotherLanguageIsALiteralPath) {
    DirTypeTexts german;
    german.ask = "< Benutzer fragen >";
    ActClass src;
    src.DirType = "< Ask User >";
    src.AskTitle = "T";
    src.ExportDir(target, german);
    EXPECT_EQ(target.DirType, "< Ask User >");
    EXPECT_EQ(target.AskTitle, "old title");
}

TEST(DirCode, KindsMapToCodesAndEverythingElsePassesThrough) {
    DirTypeTexts t;
    EXPECT_EQ(DirCode("< Me >", t), "Me");
    EXPECT_EQ(DirCode("< Reg >", t), "Reg");
    EXPECT_EQ(DirCode("< Ask User >", t), "Ask");
    EXPECT_EQ(DirCode("< Windows >", t), "Win");
    EXPECT_EQ(DirCode("< System >", t), "Sys");
    EXPECT_EQ(DirCode("< Previous >", t), "Pre");
    EXPECT_EQ(DirCode("< me >", t), "< me >");
    EXPECT_EQ(DirCode("< Me > ", t), "< Me > ");
    EXPECT_EQ(DirCode(".\\sub", t), ".\\sub");
    EXPECT_EQ(DirCode("C:\\Games", t), "C:\\Games");
    t.win = "< Fenster >";
    EXPECT_EQ(DirCode("< Windows >", t), "< Windows >");
}

}  // namespace
}  // namespace quen
