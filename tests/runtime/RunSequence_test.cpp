// The run sequence: identifier, window order, cancelling, restart before the actions,
// the resumed run, the end window and the exit code.
#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/RegistryPhase.h"
#include "runtime/RuntimeFakes.h"
#include "runtime/StartEntry.h"
#include "support/RecordedUi.h"

using namespace quen::runtime;
using namespace quen::runtime::fakes;
using quen::platform::LastMessages;

namespace {

class RunSequence : public ::testing::Test, public ScriptRunFixture {
protected:
    void SetUp() override {
        m.fs.Put("C:\\PATCH\\a.txt", "a");
        parts.SetupKey("AddReg", "1").Section("AddReg", {"1=HKCU,Software\\T,Added,1,yes"});
        parts.Action(1, {"File=a.txt", "Act=4", "Dir=Me"});
    }
    bool Changed() { return !m.fs.Has("C:\\PATCH\\a.txt") || m.reg.Has(kHiveCurrentUser, "Software\\T", "Added"); }
    std::string RunValue() {
        return m.reg.Text(kHiveLocalMachine, kRunKey, StartEntryName(kScript));
    }
};

}  // namespace

TEST_F(RunSequence, WrongIdentifierChangesNothing) {
    for (const char* id : {"QuenlarkScript_100 ", "quenlarkscript_100", ""}) {
        quen::platform::ClearMessages();
        parts.SetupKey("ScriptID", id);
        EXPECT_EQ(RunPatch(), RunOutcome::CancelledOrBad) << id;
        ASSERT_EQ(LastMessages().size(), 1u);
        EXPECT_EQ(LastMessages()[0].text, "BAD Script File");
        EXPECT_FALSE(Changed());
        EXPECT_TRUE(m.win.shown.empty());
    }
}

TEST_F(RunSequence, CancelInTheWelcomeOrInformationWindowChangesNothing) {
    parts.SetupKey("ShowW", "1").SetupKey("ShowI", "1").SetupKey("ShowE", "1").SetupKey("PRI", "2");
    for (WindowMode cancelled : {WindowMode::Welcome, WindowMode::Information}) {
        m.win.shown.clear();
        m.win.cancelIn = {cancelled};
        EXPECT_EQ(RunPatch(), RunOutcome::CancelledOrBad);
        EXPECT_EQ(m.win.Modes().back(), cancelled);
        EXPECT_FALSE(Changed());
        EXPECT_EQ(RunValue(), "<none>");
        EXPECT_TRUE(m.sys.exits.empty());
    }
}

TEST_F(RunSequence, RestartBeforeTheActionsWritesTheRunValueAndExits) {
    parts.SetupKey("PRI", "2");
    for (const bool allowed : {true, false}) {
        m.sys.exitAllowed = allowed;
        m.sys.exits.clear();
        // No action has run, whether or not Windows exits: never the code of a finished run.
        EXPECT_EQ(RunPatch(), RunOutcome::RestartNeeded);
        EXPECT_EQ(RunValue(), "\"C:\\Program Files\\Quenlark\\Quenlark.exe\" /A \"C:\\PATCH\\fix.qnl\"");
        // The resumed run takes the record over: no settling run beside it at logon.
        EXPECT_EQ(m.reg.Text(kHiveCurrentUser, kRunKey, kRecoveryEntryName), "<none>");
        EXPECT_EQ(m.sys.exits, std::vector<int>({2}));
        EXPECT_EQ(LastMessages().size(), allowed ? 0u : 1u);  // a refused exit is told
        EXPECT_TRUE(m.fs.Has("C:\\PATCH\\a.txt"));  // the actions wait for the next start
    }
}

// A run that must stop before the actions (or loses its script on the way) changes no
// file, sets back what it (or its first phase) paused and tells why: once.
TEST_F(RunSequence, StopsThatLoseNothing) {
    const struct {
        const char* what;
        bool resumed, refuseRunKey, outOfMemory;
        const char* told;
    } cases[] = {
        {"script lost during the run", false, false, false, "set back"},
        {"Run value refused before the restart", false, true, false, "administrator"},
        {"resumed run cannot remove its Run value", true, true, false, "administrator"},
        {"out of memory in the actions", false, true, true, "unexpected"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        quen::platform::ClearMessages();
        m.reg.values.clear();
        m.reg.refusedKeys.clear();
        m.win.shown.clear();
        m.win.outOfMemory = c.outOfMemory;
        if (c.resumed) {  // V was paused by the first phase
            m.fs.Put(RememberFilePath(m.sys.tempDir, kScript),
                     "[OffReg]\r\nCount=1\r\nHive1=" + std::to_string(kHiveCurrentUser) +
                         "\r\nValue1=paused\r\nEntry1=HKCU,Software\\P,V,1,%RetainValue%\r\n");
            m.reg.SetValue(kHiveLocalMachine, kRunKey, StartEntryName(kScript), 1, "x /A y");
        } else {
            m.reg.SetValue(kHiveCurrentUser, "Software\\P", "V", 1, "paused");
        }
        if (c.refuseRunKey) m.reg.refusedKeys.insert(MemoryRegistry::Id(kHiveLocalMachine, kRunKey, ""));
        parts.rest.clear();
        parts.SetupKey("PRI", c.refuseRunKey && !c.resumed && !c.outOfMemory ? "1" : "0").SetupKey("AddReg", "0").SetupKey("OffReg", "1")
            .Section("OffReg", {"1=HKCU,Software\\P,V,1,%RetainValue%"});
        parts.Action(1, {"File=" + std::string(c.refuseRunKey ? "a.txt" : "fix.qnl"), "Act=4", "Dir=Me"})
            .Action(2, {"File=a.txt", "Act=4", "Dir=Me"});
        EXPECT_EQ(RunPatch(c.resumed), RunOutcome::Stopped);
        EXPECT_TRUE(m.fs.Has("C:\\PATCH\\a.txt"));
        EXPECT_EQ(m.reg.Text(kHiveCurrentUser, "Software\\P", "V"), "paused");
        EXPECT_TRUE(m.sys.exits.empty());
        EXPECT_TRUE(!c.resumed || m.win.shown.empty());
        ASSERT_EQ(LastMessages().size(), 1u);
        EXPECT_NE(LastMessages()[0].text.find(c.told), std::string::npos) << LastMessages()[0].text;
    }
}

TEST_F(RunSequence, SecondPhaseRunsOnlyTheActionsAndDeletesTheRunValue) {
    parts.SetupKey("ShowW", "1").SetupKey("ShowI", "1").SetupKey("PRI", "2").SetupKey("ERI", "1");
    m.reg.SetValue(kHiveLocalMachine, kRunKey, StartEntryName(kScript), 1, "x /A y");
    EXPECT_EQ(RunPatch(true), RunOutcome::AllDone);
    EXPECT_EQ(RunValue(), "<none>");
    EXPECT_FALSE(m.fs.Has("C:\\PATCH\\a.txt"));
    EXPECT_FALSE(m.reg.Has(kHiveCurrentUser, "Software\\T", "Added"));  // the registry phase ran before
    EXPECT_EQ(m.win.Modes(), std::vector<WindowMode>({WindowMode::Progress}));
    EXPECT_EQ(m.sys.exits, std::vector<int>({1}));
}

TEST_F(RunSequence, MissingSwitchesDefaultToBackupsStopAndNoLog) {
    parts.text.erase(std::remove_if(parts.text.begin(), parts.text.end(),
                                    [](const std::string& l) {
                                        return l.rfind("MakeBKFile", 0) == 0 || l.rfind("CWhenError", 0) == 0 ||
                                               l.rfind("ShowRun", 0) == 0;
                                    }),
                     parts.text.end());
    m.fs.Put("C:\\PATCH\\b.bin", "AB");
    parts.Action(1, {"File=missing", "Act=5", "Dir=Me"})
        .Action(2, {"File=b.bin", "Act=3", "Dir=Me", "Count=1", "BType1=3", "BRead1=1", "BNew1=00"});
    EXPECT_EQ(RunPatch(), RunOutcome::Stopped);
    EXPECT_EQ(m.win.Modes(), std::vector<WindowMode>({WindowMode::End}));  // no log window
    EXPECT_TRUE(m.sys.exits.empty());  // no ERI: Windows stays
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\b.bin"), "AB");
    const ScriptTexts t = ReadScriptTexts(m.ini, kScript);
    EXPECT_TRUE(t.makeBackup);
    EXPECT_FALSE(t.continueOnError);
    EXPECT_FALSE(t.showLog);
}

TEST_F(RunSequence, SystemFoldersLoseNulsAndBlanks) {
    m.sys.windowsDir = std::string(" C:\\WIN\0", 8);
    m.fs.Put("C:\\WIN\\w.txt", "w");
    parts.Action(1, {"File=w.txt", "Act=4", "Dir=Win"});
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_FALSE(m.fs.Has("C:\\WIN\\w.txt"));
}
