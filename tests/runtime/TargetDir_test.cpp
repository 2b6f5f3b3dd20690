// Directory settings resolved on the in-memory machine.
#include <gtest/gtest.h>

#include "runtime/RegistryPhase.h"
#include "runtime/ScriptFixture.h"
#include "runtime/TargetDir.h"
#include "support/RecordedUi.h"

using namespace quen::runtime;
using namespace quen::runtime::fakes;

namespace {

class TargetDir : public ::testing::Test {
protected:
    FakeMachine m;
    RuntimeState st = [] {
        RuntimeState s;
        s.ScriptFile = kScript;
        return s;
    }();
    RunContext ctx{st, m.ports};

    void SetUp() override {
        st.WinDir = "C:\\WINDOWS";
        st.SysDir = "C:\\WINDOWS\\SYSTEM32\\";
        st.Texts.errorTitle = "Oops";
        m.fs.Put(kScript, ScriptText({"[Proc1]", "RegKey=HKLM, Software\\App , Path", "Title=Where?",
                                      "Prompt=Pick", "Brow=Browse", "OK=Go", "DNF=Not there"}));
    }
    std::string Resolve(const std::string& dir) { return ResolveDir(ctx, dir, "Proc1"); }
};

}  // namespace

TEST_F(TargetDir, FixedFoldersSetThePreviousFolder) {
    EXPECT_EQ(Resolve("Me"), "C:\\PATCH");
    EXPECT_EQ(st.PreviousDir, "C:\\PATCH");
    EXPECT_EQ(Resolve("Win"), "C:\\WINDOWS");
    EXPECT_EQ(Resolve("Sys"), "C:\\WINDOWS\\SYSTEM32");
    EXPECT_EQ(st.PreviousDir, "C:\\WINDOWS\\SYSTEM32");
    EXPECT_EQ(Resolve("Pre"), "C:\\WINDOWS\\SYSTEM32");
}

TEST_F(TargetDir, ScriptInADriveRootResolvesToTheDrive) {
    st.ScriptFile = "D:\\fix.qnl";
    EXPECT_EQ(Resolve("Me"), "D:");
}

TEST_F(TargetDir, SubFolderIsBelowThePreviousFolderAndDoesNotMoveIt) {
    Resolve("Win");
    EXPECT_EQ(Resolve(".\\Fonts\\"), "C:\\WINDOWS\\Fonts");
    EXPECT_EQ(st.PreviousDir, "C:\\WINDOWS");
    EXPECT_EQ(Resolve("Pre"), "C:\\WINDOWS");
}

TEST_F(TargetDir, NothingBeforeGivesNoFolderInsteadOfTheDriveRoot) {
    EXPECT_EQ(Resolve("Pre"), "");
    EXPECT_EQ(Resolve(".\\Sub"), "");
}

TEST_F(TargetDir, LiteralsAndUnknownCodesAreFolders) {
    EXPECT_EQ(Resolve("D:\\Games\\"), "D:\\Games");
    EXPECT_EQ(st.PreviousDir, "D:\\Games");
    EXPECT_EQ(Resolve("< Windows >"), "< Windows >");
    EXPECT_EQ(Resolve("win"), "win");  // codes are case-sensitive
}

TEST_F(TargetDir, RegistryValueNamingAFileGivesItsFolder) {
    m.reg.SetValue(kHiveLocalMachine, "Software\\App", "Path", 1, "C:\\Program Files\\App\\app.exe");
    EXPECT_EQ(Resolve("Reg"), "C:\\Program Files\\App");
    EXPECT_EQ(st.PreviousDir, "C:\\Program Files\\App");
}

TEST_F(TargetDir, RegistryFolderWithTrailingBackslashAndNoDot) {
    m.reg.SetValue(kHiveLocalMachine, "Software\\App", "Path", 1, "C:\\Apps\\Tool\\");
    EXPECT_EQ(Resolve("Reg"), "C:\\Apps\\Tool");
}

TEST_F(TargetDir, RegistryFolderWithADotThatExistsIsKept) {
    m.fs.AddDir("C:\\Apps\\Tool 2.0");
    m.reg.SetValue(kHiveLocalMachine, "Software\\App", "Path", 1, "C:\\Apps\\Tool 2.0\\");
    EXPECT_EQ(Resolve("Reg"), "C:\\Apps\\Tool 2.0");
}

TEST_F(TargetDir, UnreadableRegistryValueGivesNoFolder) {
    Resolve("Win");
    EXPECT_EQ(Resolve("Reg"), "");
    EXPECT_EQ(st.PreviousDir, "");
}

TEST_F(TargetDir, AskOffersThePreviousFolderAndUsesTheAnswer) {
    m.fs.Put("C:\\WINDOWS\\win.ini", "");
    st.PreviousDir = "C:\\WINDOWS\\win.ini";
    m.win.askAnswers.push_back("E:\\Target\\");
    EXPECT_EQ(Resolve("Ask"), "E:\\Target");
    EXPECT_EQ(st.AskedDir, "E:\\Target\\");
    EXPECT_EQ(st.PreviousDir, "E:\\Target");
    ASSERT_EQ(m.win.asked.size(), 1u);
    const AskTexts& t = m.win.asked[0].first;
    EXPECT_EQ(t.title, "Where?");
    EXPECT_EQ(t.prompt, "Pick");
    EXPECT_EQ(t.browse, "Browse");
    EXPECT_EQ(t.ok, "Go");
    EXPECT_EQ(t.notFound, "Not there");
    EXPECT_EQ(t.errorTitle, "Oops");
    EXPECT_EQ(m.win.asked[0].second, "C:\\WINDOWS");
}

TEST_F(TargetDir, AskClosedWithoutAChoiceGivesNoFolder) {
    st.AskedDir = "E:\\Earlier";
    EXPECT_EQ(Resolve("Ask"), "");
    EXPECT_EQ(st.AskedDir, "E:\\Earlier");
}

TEST_F(TargetDir, RegistryResolutionStartsAFreshAccessor) {
    st.Hive = kHiveCurrentUser;
    m.fs.Put(kScript, ScriptText({"[Proc1]", "RegKey=hklm,Software\\App,Path"}));
    m.reg.SetValue(kHiveCurrentUser, "Software\\App", "Path", 1, "C:\\X");
    EXPECT_EQ(Resolve("Reg"), "");
    EXPECT_EQ(m.reg.refusals, std::vector<std::string>({"Unknow MainKey"}));
}
