// The runtime's entry on real script files: which command lines run a script, the
// identifier check, and the resumed run.
#include <gtest/gtest.h>

#include "runtime/PlatformPorts.h"
#include "runtime/RuntimeFakes.h"
#include "runtime/RuntimeState.h"
#include "runtime/ScriptRun.h"
#include "support/RecordedUi.h"
#include "support/TempDir.h"

namespace {

using namespace quen::runtime;
using namespace quen::runtime::fakes;
using quen::platform::LastMessages;

class ScriptRunEntry : public ::testing::Test {
protected:
    void SetUp() override { quen::platform::ClearMessages(); }

    std::string Write(const std::string& name, const std::string& content) {
        quen::test::WriteFileBytes(dir_.Path(name), content);
        return dir_.Path(name);
    }
    bool Run(const std::string& commandLine, int& exitCode) {
        return quen::ScriptRunOn(commandLine, ports_, {"C:\\Q", "Quenlark"}, exitCode);
    }
    void ExpectRefused(const std::string& commandLine) {
        int exitCode = -1;
        EXPECT_TRUE(Run(commandLine, exitCode));
        EXPECT_EQ(exitCode, quen::kRunCancelledOrBadScript);
        ASSERT_EQ(LastMessages().size(), 1u);
        EXPECT_EQ(LastMessages()[0].text, "BAD Script File");
        EXPECT_EQ(LastMessages()[0].title, "Script ERROR");
        EXPECT_EQ(LastMessages()[0].icon, quen::platform::MsgIcon::Critical);
    }

    quen::test::TempDir dir_;
    PlatformFiles files_;
    AppIniFiles ini_;
    MemoryRegistry reg_;
    FakeSystem sys_;
    FakeWindows win_;
    RuntimePorts ports_{files_, ini_, reg_, sys_, win_};
};

TEST_F(ScriptRunEntry, NoScriptOnTheCommandLineOpensTheEditor) {
    int exitCode = -1;
    EXPECT_FALSE(Run("", exitCode));
    EXPECT_FALSE(Run("/A", exitCode));
    EXPECT_EQ(exitCode, -1);
    EXPECT_TRUE(LastMessages().empty());
}

TEST_F(ScriptRunEntry, WrongIdentifierIsRefused) {
    ExpectRefused(Write("a.qnl", "[Setup]\r\nScriptID=QuenlarkScript_99\r\nProcCount=0"));
}

TEST_F(ScriptRunEntry, ResumedRunDeletesTheRunValueAndRunsTheActions) {
    const std::string victim = Write("victim.txt", "x");
    const std::string script =
        Write("c.qnl", "[Setup]\r\nScriptID=QuenlarkScript_100\r\nProcCount=1\r\nShowW=1\r\n[Text]\r\n"
                       "ShowRun=False\r\n[Proc1]\r\nFile=victim.txt\r\nAct=4\r\nDir=Me");
    reg_.SetValue(kHiveLocalMachine, kRunKey, "Quenlark", 1, "x");
    int exitCode = -1;
    EXPECT_TRUE(Run("/A " + script, exitCode));
    EXPECT_EQ(exitCode, quen::kRunAllSucceeded);
    EXPECT_FALSE(quen::test::PathExists(victim));
    EXPECT_FALSE(reg_.Has(kHiveLocalMachine, kRunKey, "Quenlark"));
    EXPECT_TRUE(win_.shown.empty());  // no welcome window in the resumed run
}

// Natively a path has no drive letter, so only an existing script is taken at all.
#ifdef _WIN32
TEST_F(ScriptRunEntry, MissingScriptIsRefused) { ExpectRefused(dir_.Path("missing.qnl")); }
#endif

}  // namespace
