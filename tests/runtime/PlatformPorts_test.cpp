// The engine on real files: a whole script applied through the file seam and AppINI.
#include <gtest/gtest.h>

#include "runtime/PlatformPorts.h"
#include "runtime/RegistryPhase.h"
#include "runtime/RunSequence.h"
#include "runtime/RuntimeFakes.h"
#include "runtime/ScriptFixture.h"
#include "support/TempDir.h"

using namespace quen::runtime;
using namespace quen::runtime::fakes;

namespace {

struct RealFilesMachine {
    quen::test::TempDir dir;
    PlatformFiles files;
    AppIniFiles ini;
    MemoryRegistry reg;
    FakeSystem sys;
    FakeWindows win;
    RuntimePorts ports{files, ini, reg, sys, win};

    RunOutcome Run(const ScriptParts& parts) {
        quen::test::WriteFileBytes(dir.Path("fix.qnl"), parts.Text());
        sys.tempDir = dir.path() + "\\";
        return RunScript({dir.Path("fix.qnl"), false, dir.path(), "Quenlark"}, ports);
    }
};

}  // namespace

TEST(EngineOnRealFiles, ByteIniDeleteAndRenameActions) {
    RealFilesMachine m;
    quen::test::WriteFileBytes(m.dir.Path("app.bin"), "ABCDABCD");
    quen::test::WriteFileBytes(m.dir.Path("app.ini"), "[Main]\r\nA=1");
    quen::test::WriteFileBytes(m.dir.Path("junk.tmp"), "x");
    quen::test::WriteFileBytes(m.dir.Path("old.txt"), "renamed");
    quen::test::WriteFileBytes(m.dir.Path("new.txt"), "replaced");
    ScriptParts parts;
    parts.Action(1, {"File=app.bin", "Act=3", "DONTChk=1", "Dir=Me", "Count=1", "BType1=2", "BRead1=42,43",
                     "BNew1=78,79"})
        .Action(2, {"File=app.ini", "Act=5", "Dir=Pre", "Count=1", "INIKey1=Main,B,2"})
        .Action(3, {"File=junk.tmp", "Act=4", "Dir=Pre"})
        .Action(4, {"File=old.txt", "Act=6", "NewName=new.txt", "Dir=" + m.dir.path()});
    EXPECT_EQ(m.Run(parts), RunOutcome::AllDone);
    EXPECT_EQ(quen::test::ReadFileBytes(m.dir.Path("app.bin")), "AxyDAxyD");
    EXPECT_EQ(quen::test::ReadFileBytes(m.dir.Path("app.bin.bak")), "ABCDABCD");
    EXPECT_EQ(quen::test::ReadFileBytes(m.dir.Path("app.ini")), "[Main]\r\nA=1\r\nB=2");
    EXPECT_FALSE(quen::test::PathExists(m.dir.Path("junk.tmp")));
    EXPECT_FALSE(quen::test::PathExists(m.dir.Path("old.txt")));
    EXPECT_EQ(quen::test::ReadFileBytes(m.dir.Path("new.txt")), "renamed");
    EXPECT_EQ(m.win.log.find("FAILED"), std::string::npos) << m.win.log;
}

TEST(EngineOnRealFiles, RememberedValueSurvivesInTheTemporaryFolder) {
    RealFilesMachine m;
    m.reg.SetValue(kHiveCurrentUser, "Software\\T", "Name", 1, "kept");
    ScriptParts parts;
    parts.SetupKey("OffReg", "1").Section("OffReg", {"1=HKCU,Software\\T,Name,1,%RetainValue%"});
    EXPECT_EQ(m.Run(parts), RunOutcome::AllDone);
        EXPECT_EQ(m.reg.Text(kHiveCurrentUser, "Software\\T", "Name"), "kept");
    // The remembered copy is removed after a complete restore.
    EXPECT_FALSE(quen::test::PathExists(RememberFilePath(m.dir.path(), m.dir.Path("fix.qnl"))));
    EXPECT_NE(quen::test::ReadFileBytes(m.dir.Path("fix.qnl")).find("Value1=kept"), std::string::npos);
}

TEST(EngineOnRealFiles, MissingScriptIsABadScript) {
    RealFilesMachine m;
    EXPECT_EQ(RunScript({m.dir.Path("none.qnl"), false, m.dir.path(), "Quenlark"}, m.ports),
              RunOutcome::CancelledOrBad);
}
