// The engine on real files, through the file seam and AppINI: which command lines run a
// script, a resumed run, and the actions that change files.
#include <gtest/gtest.h>

#include "runtime/PlatformPorts.h"
#include "runtime/RuntimeState.h"
#include "runtime/ScriptFixture.h"
#include "runtime/ScriptRun.h"
#include "support/RecordedUi.h"
#include "support/TempDir.h"

namespace {

using namespace quen::runtime;
using namespace quen::runtime::fakes;
using quen::test::PathExists;
using quen::test::ReadFileBytes;
using quen::test::WriteFileBytes;

class EngineOnRealFiles : public ::testing::Test {
protected:
    void SetUp() override { quen::platform::ClearMessages(); }
    bool Run(const std::string& commandLine, int& exitCode) {
        return quen::ScriptRunOn(commandLine, ports, {"C:\\Q", "Quenlark"}, exitCode);
    }

    quen::test::TempDir dir;
    PlatformFiles files;
    AppIniFiles ini;
    MemoryRegistry reg;
    FakeSystem sys;
    FakeWindows win;
    RuntimePorts ports{files, ini, reg, sys, win};
};

TEST_F(EngineOnRealFiles, NoScriptOnTheCommandLineOpensTheEditor) {
    int exitCode = -1;
    EXPECT_FALSE(Run("", exitCode));
    EXPECT_FALSE(Run("/A", exitCode));
    EXPECT_EQ(exitCode, -1);
    EXPECT_TRUE(quen::platform::LastMessages().empty());
#ifdef _WIN32  // natively a path has no drive letter, so only an existing script is taken at all
    EXPECT_TRUE(Run(dir.Path("missing.qnl"), exitCode));
    EXPECT_EQ(exitCode, quen::kRunCancelledOrBadScript);
#endif
}

// The resumed run deletes the Run value, shows no welcome window and runs the actions.
TEST_F(EngineOnRealFiles, ResumedRunAppliesByteIniDeleteAndRenameActions) {
    WriteFileBytes(dir.Path("app.bin"), "ABCDABCD");
    WriteFileBytes(dir.Path("app.ini"), "[Main]\r\nA=1");
    WriteFileBytes(dir.Path("junk.tmp"), "x");
    WriteFileBytes(dir.Path("old.txt"), "renamed");
    WriteFileBytes(dir.Path("new.txt"), "replaced");
    ScriptParts parts;
    parts.SetupKey("ShowW", "1")
        .Action(1, {"File=app.bin", "Act=3", "DONTChk=1", "Dir=Me", "Count=1", "BType1=2", "BRead1=42,43",
                    "BNew1=78,79"})
        .Action(2, {"File=app.ini", "Act=5", "Dir=Pre", "Count=1", "INIKey1=Main,B,2"})
        .Action(3, {"File=junk.tmp", "Act=4", "Dir=Pre"})
        .Action(4, {"File=old.txt", "Act=6", "NewName=new.txt", "Dir=" + dir.path()});
    WriteFileBytes(dir.Path("fix.qnl"), parts.Text());
    reg.SetValue(kHiveLocalMachine, kRunKey, "Quenlark", 1, "x");
    int exitCode = -1;
    EXPECT_TRUE(Run("/A " + dir.Path("fix.qnl"), exitCode));
    EXPECT_EQ(exitCode, quen::kRunAllSucceeded);
    EXPECT_FALSE(reg.Has(kHiveLocalMachine, kRunKey, "Quenlark"));
    EXPECT_EQ(win.Modes(), std::vector<WindowMode>({WindowMode::Progress}));
    EXPECT_EQ(ReadFileBytes(dir.Path("app.bin")), "AxyDAxyD");
    EXPECT_EQ(ReadFileBytes(dir.Path("app.bin.bak")), "ABCDABCD");
    EXPECT_EQ(ReadFileBytes(dir.Path("app.ini")), "[Main]\r\nA=1\r\nB=2");
    EXPECT_FALSE(PathExists(dir.Path("junk.tmp")));
    EXPECT_FALSE(PathExists(dir.Path("old.txt")));
    EXPECT_EQ(ReadFileBytes(dir.Path("new.txt")), "renamed");
    EXPECT_EQ(win.log.find("FAILED"), std::string::npos) << win.log;
}

}  // namespace
