// The registry phase and the restore on the in-memory registry.
#include <gtest/gtest.h>

#include "runtime/RegistryPhase.h"
#include "runtime/RuntimeFakes.h"
#include "runtime/StartEntry.h"
#include "support/RecordedUi.h"

using namespace quen::runtime;
using namespace quen::runtime::fakes;

namespace {

class RegistryRun : public ::testing::Test, public ScriptRunFixture {
protected:
    std::string RememberFile() { return RememberFilePath(m.sys.tempDir, kScript); }
};

}  // namespace

// An unknown hive code keeps the previous hive; an entry without a valid type is skipped
// with a message naming it.
TEST_F(RegistryRun, UnknownHiveAndTypeCodes) {
    parts.SetupKey("AddReg", "3").Section("AddReg", {"1=HKCU,Software\\A,One,1,1", "2=hklm,Software\\A,Two,1,2",
                                                     "3=HKCU,Software\\A,Three,DWORD,1"});
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_EQ(m.reg.Text(kHiveCurrentUser, "Software\\A", "Two"), "2");
    EXPECT_FALSE(m.reg.Has(kHiveLocalMachine, "Software\\A", "Two"));
    EXPECT_FALSE(m.reg.Has(kHiveCurrentUser, "Software\\A", "Three"));
    ASSERT_EQ(quen::platform::LastMessages().size(), 1u);
    EXPECT_NE(quen::platform::LastMessages()[0].text.find("HKCU,Software\\A,Three,DWORD,1"), std::string::npos);
}

// A registry value that cannot be added or deleted is a failed action; deleting a value
// that is not there is not.
TEST_F(RegistryRun, RefusedWritesReachTheExitCode) {
    m.reg.SetValue(kHiveLocalMachine, "Software\\L", "Old", 1, "x");
    m.reg.refusedKeys = {MemoryRegistry::Id(kHiveLocalMachine, "Software\\L", "")};
    for (const auto& [list, entry, outcome] : {std::tuple{"AddReg", "HKLM,Software\\L,New,1,y", RunOutcome::FailuresSkipped},
                                               {"DelReg", "HKLM,Software\\L,Old", RunOutcome::FailuresSkipped},
                                               {"DelReg", "HKLM,Software\\Free,Gone", RunOutcome::AllDone}}) {
        parts.rest.clear();
        parts.SetupKey("AddReg", "0").SetupKey("DelReg", "0").SetupKey(list, "1").Section(list, {std::string("1=") + entry});
        EXPECT_EQ(RunPatch(), outcome) << entry;
    }
}

// Values too long for the read buffer, with line breaks, expandable, multi-string or of
// another type than the entry's: e2e/runtime_actions.sh on the real registry.
TEST_F(RegistryRun, ValuesThatCannotBeSetBackExactlyStayWithOneMessage) {
    auto put = [&](const char* name, int type, const std::string& bytes) {
        m.reg.values[MemoryRegistry::Id(kHiveCurrentUser, "Software\\P", name)] = {type, bytes};
    };
    put("Fits", 1, std::string(1023, 'a') + '\0');
    put("Short", 4, std::string("\1\0", 2));
    put("NoType", 1, std::string("kept\0", 5));
    put("BadNum", 4, std::string("\7\0\0\0", 4));
    put("Locked", 1, std::string("x\0", 2));
    m.reg.unreadable.insert(MemoryRegistry::Id(kHiveCurrentUser, "Software\\P", "Locked"));
    const std::vector<std::string> refused = {
        "HKCU,Software\\P,Short,4,%RetainValue%", "HKCU,Software\\P,NoType,STR,later",
        "HKCU,Software\\P,BadNum,4,seven",        "HKCU,Software\\P,Locked,1,%RetainValue%",
        "HKCC,Software\\P,Config,1,later"};
    std::vector<std::string> lines = {"1=HKCU,Software\\P,Fits,1,%RetainValue%"};
    for (size_t i = 0; i < refused.size(); ++i) lines.push_back(std::to_string(i + 2) + "=" + refused[i]);
    parts.SetupKey("OffReg", std::to_string(lines.size())).Section("OffReg", lines);
    const auto before = m.reg.values;
    m.fs.Put(kScript, parts.Text());
    RuntimeState st;
    st.ScriptFile = kScript;
    RunContext ctx(st, m.ports);
    RegistryPhase(ctx);
    EXPECT_FALSE(m.reg.Has(kHiveCurrentUser, "Software\\P", "Fits"));
    EXPECT_EQ(m.reg.values.size(), before.size() - 1);
    ASSERT_EQ(quen::platform::LastMessages().size(), 1u);
    for (const auto& entry : refused)
        EXPECT_NE(quen::platform::LastMessages()[0].text.find(entry), std::string::npos) << entry;
    EXPECT_EQ(RestorePausedValues(ctx).setBack, 1);
    EXPECT_EQ(m.reg.values, before);
    EXPECT_EQ(quen::platform::LastMessages().size(), 1u);
    EXPECT_FALSE(m.fs.Has(RememberFile()));
}

// What is set back comes from the file this run wrote in its state folder, never from
// a "Value" line that a read-only script carries from a run on another machine.
TEST_F(RegistryRun, RestoreTakesWhatThisRunReadNotTheScriptsValueLine) {
    for (const bool present : {true, false}) {
        m.reg.values.clear();
        if (present) m.reg.SetValue(kHiveCurrentUser, "Software\\P", "Str", 1, "fresh, here");
        parts.rest.clear();
        parts.SetupKey("OffReg", "1").Section("OffReg", {"1=HKCU,Software\\P,Str,1,%RetainValue%", "Value1=stale"});
        m.fs.Put(kScript, parts.Text());
        m.fs.readOnly.insert("C:\\PATCH");
        RunRequest r{kScript, false, "C:\\Q", "Quenlark"};
        EXPECT_EQ(RunScript(r, m.ports), RunOutcome::AllDone);
        m.fs.readOnly.clear();
        EXPECT_EQ(m.reg.Text(kHiveCurrentUser, "Software\\P", "Str"), present ? "fresh, here" : "<none>");
    }
}

TEST_F(RegistryRun, ValueThatCannotBeRememberedIsLeftInPlace) {
    m.reg.SetValue(kHiveCurrentUser, "Software\\P", "Str", 1, "precious");
    parts.SetupKey("OffReg", "1").Section("OffReg", {"1=HKCU,Software\\P,Str,1,%RetainValue%"});
    m.fs.readOnly.insert("C:\\TEMP");
    RunPatch();
    EXPECT_EQ(m.reg.Text(kHiveCurrentUser, "Software\\P", "Str"), "precious");
    EXPECT_EQ(quen::platform::LastMessages().size(), 1u);
}

// Windows refused to exit (or the user cancelled it) and the patch is started again while
// its resumed run still waits: the values already paused keep what the first run read.
// Another patch pending at once has its own start entry and kept values, named after its
// package, and each resumed run sets back only its own.
TEST_F(RegistryRun, PendingPatchesKeepWhatTheirOwnEarlierRunsRead) {
    m.reg.SetValue(kHiveCurrentUser, "Software\\P", "Str", 1, "original");
    m.reg.SetValue(kHiveCurrentUser, "Software\\P", "Num", 4, "7");
    m.reg.SetValue(kHiveCurrentUser, "Software\\P", "Two", 1, "second");
    parts.SetupKey("PRI", "2").SetupKey("OffReg", "2")
        .Section("OffReg", {"1=HKCU,Software\\P,Str,1,%RetainValue%", "2=HKCU,Software\\P,Num,4,%RetainValue%"});
    m.sys.exitAllowed = false;
    EXPECT_EQ(RunPatch(), RunOutcome::RestartNeeded);
    m.reg.SetValue(kHiveCurrentUser, "Software\\P", "Num", 4, "8");  // set again meanwhile: the newer data wins
    EXPECT_EQ(RunPatch(), RunOutcome::RestartNeeded);
    const ScriptParts first = parts;
    parts.rest.clear();
    parts.SetupKey("OffReg", "1").Section("OffReg", {"1=HKCU,Software\\P,Two,1,%RetainValue%"});
    EXPECT_EQ(RunPatch(false, "PKG-B"), RunOutcome::RestartNeeded);
    EXPECT_FALSE(m.reg.Has(kHiveCurrentUser, "Software\\P", "Str"));
    parts = first;
    EXPECT_EQ(RunPatch(true), RunOutcome::AllDone);
    EXPECT_EQ(m.reg.Text(kHiveCurrentUser, "Software\\P", "Str"), "original");
    EXPECT_EQ(m.reg.Text(kHiveCurrentUser, "Software\\P", "Num"), "8");
    EXPECT_FALSE(m.reg.Has(kHiveCurrentUser, "Software\\P", "Two"));
    EXPECT_NE(m.reg.Text(kHiveLocalMachine, kRunKey, StartEntryName("PKG-B")), "<none>");
    EXPECT_EQ(RunPatch(true, "PKG-B"), RunOutcome::AllDone);
    EXPECT_EQ(m.reg.Text(kHiveCurrentUser, "Software\\P", "Two"), "second");
}

// A file of kept values that this run did not write (planted, or left by another run) is
// not written back by a run that paused nothing.
TEST_F(RegistryRun, RunThatPausedNothingWritesNothingBack) {
    m.fs.Put(RememberFile(), "[OffReg]\r\nCount=1\r\nHive1=" + std::to_string(kHiveLocalMachine) +
                                 "\r\nValue1=planted\r\nEntry1=HKLM,Software\\X,V,1,%RetainValue%\r\n");
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_FALSE(m.reg.Has(kHiveLocalMachine, "Software\\X", "V"));
}

TEST(RegistryEntries, BinaryAndStringDataRunFromTheFifthFieldToTheEndOthersAreFieldFive) {
    EXPECT_EQ(EntryData("HKCU,S,N,3, 1, 2 ,3", 3), "1,2,3");
    EXPECT_EQ(EntryData("HKCU,S,N,1, C:\\Apps,  Inc ", 1), "C:\\Apps,  Inc");  // commas kept
    EXPECT_EQ(EntryData(std::string("HKCU,S,N,1,a, b") + '\0' + "c", 1), "a, b");
    EXPECT_EQ(EntryData("HKCU,S,N,4, 12 ,7", 4), "12");
    EXPECT_EQ(EntryData("HKCU,S,N,1", 1), "");
    EXPECT_EQ(EntryData("HKCU,S,N,3", 3), "");
    EXPECT_EQ(EntryData("HKCU,S,N,3,", 3), "");
}

