// Tests of the action check and of the checks before a make.
#include <gtest/gtest.h>

#include "options/Lang.h"
#include "options/LangProject.h"
#include "support/TempDir.h"

namespace quen {
namespace {

using P = ActionProblem;

class ActionCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteFileBytes(dir.Path("old.dll"), "old");
        test::WriteFileBytes(dir.Path("new.dll"), "new");
    }
    ActClass Action(int kind, const std::string& file, const std::string& dirType = "< Me >") {
        ActClass a;
        a.ActType = kind;
        a.FileName = file;
        a.DirType = dirType;
        return a;
    }
    std::vector<P> Check(const ActClass& a, int index = 2, bool quiet = true) {
        return CheckActionProblems(a, index, quiet, texts);
    }
    test::TempDir dir;
    DirTypeTexts texts;
    Lang lang;
};

TEST_F(ActionCheckTest, KindRules) {
    EXPECT_TRUE(Check(Action(kActRun, dir.Path("old.dll"))).empty());
    EXPECT_EQ(Check(Action(kActAdd, dir.Path("gone.dll"))), std::vector<P>{P::NeedOldFile});
    EXPECT_EQ(Check(Action(kActRun, dir.path())), std::vector<P>{P::NeedOldFile});  // a folder
    ActClass patch = Action(kActPatch, dir.Path("old.dll"));
    patch.NewName = dir.Path("gone.dll");  // a new version that is not there, as an empty name
    EXPECT_EQ(Check(patch), std::vector<P>{P::NeedNewVersion});
    patch.NewName = dir.Path("new.dll");
    EXPECT_TRUE(Check(patch).empty());
    EXPECT_EQ(Check(Action(kActByte, "x")), std::vector<P>{P::ByteWithoutDefine});
    EXPECT_EQ(Check(Action(kActIni, "x")), std::vector<P>{P::IniWithoutDefine});
    EXPECT_EQ(Check(Action(kActReName, "x")), std::vector<P>{P::RenameNeedNewName});
    EXPECT_TRUE(Check(Action(kActDel, "x")).empty());
}

TEST_F(ActionCheckTest, DirectoryRulesAndTheFirstActionInQuietModeOnly) {
    ActClass reg = Action(kActDel, "x", "< Reg >");
    EXPECT_EQ(Check(reg), std::vector<P>{P::RegSubKeyEmpty});
    reg.RegSub = "Software";
    EXPECT_TRUE(Check(reg).empty());
    ActClass ask = Action(kActDel, "x", "< Ask User >");
    ask.AskTitle = ask.AskPrompt = ask.AskBrowse = ask.AskOK = "t";
    EXPECT_EQ(Check(ask), std::vector<P>{P::AskEmpty});
    ask.AskDNF = "t";
    EXPECT_TRUE(Check(ask).empty());

    ActClass pre = Action(kActPatch, dir.Path("gone.dll"), "< Previous >");
    EXPECT_EQ(Check(pre, 1, true), (std::vector<P>{P::NeedOldFile, P::NeedNewVersion, P::FirstCantPre}));
    EXPECT_EQ(Check(pre, 1, false), (std::vector<P>{P::NeedOldFile, P::NeedNewVersion}));
    EXPECT_EQ(Check(Action(kActDel, "x", ".\\sub"), 1, true), std::vector<P>{P::FirstCantSub});
    EXPECT_TRUE(Check(Action(kActDel, "x", ".\\sub"), 2, true).empty());
}

TEST_F(ActionCheckTest, BeforeMakeFirstDirectoryThenEachActionInOrder) {
    Project p;
    EXPECT_FALSE(CheckBeforeMake(p, lang).has_value());
    p.Actions.push_back(Action(kActDel, "C:\\a.txt", "< Previous >"));
    EXPECT_EQ(CheckBeforeMake(p, lang), lang.msg_FirstFileDirCantPre());
    p.Action(1).DirType = ".\\sub";
    EXPECT_EQ(CheckBeforeMake(p, lang), lang.msg_FirstFileDirCantSub());
    p.Action(1).DirType = "< Me >";
    EXPECT_FALSE(CheckBeforeMake(p, lang).has_value());
    ActClass patch = Action(kActPatch, dir.Path("old.dll"), "< Previous >");
    p.Actions.push_back(patch);
    p.Actions.push_back(Action(kActByte, "C:\\b.exe"));
    EXPECT_EQ(CheckBeforeMake(p, lang),
              "Error File : " + dir.Path("old.dll") + "\r\n\r\nPatch file need new version file.");
}

}  // namespace
}  // namespace quen
