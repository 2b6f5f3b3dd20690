// The action loop on the in-memory machine: each action kind, the log lines, the continue rule.
#include <gtest/gtest.h>

#include "runtime/ScriptFixture.h"
#include "support/RecordedUi.h"

using namespace quen::runtime;
using namespace quen::runtime::fakes;

namespace {

class ActionLoop : public ::testing::Test, public ScriptRunFixture {
protected:
    void SetUp() override {
        quen::platform::ClearMessages();
        m.fs.Put("C:\\PATCH\\app.bin", std::string("\x01\x02\x03\x04\x05", 5));
    }
    // A Replace Byte action on app.bin in the script's folder.
    std::vector<std::string> ByteAction(const std::string& checkSum, const std::vector<std::string>& entries) {
        std::vector<std::string> keys = {"File=app.bin", "Act=3", "DONTChk=0", "CheckSum=" + checkSum, "Dir=Me"};
        keys.insert(keys.end(), entries.begin(), entries.end());
        return keys;
    }
};

}  // namespace

TEST_F(ActionLoop, ByteActionChecksKeepsBackupAndLogsSuccess) {
    // 01 02 03 04 05 has the check sum 04030204 = 67305988.
    parts.Action(1, ByteAction("67305988", {"Count=1", "BType1=2", "BRead1=03,04", "BNew1=AA,BB"}));
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin"), std::string("\x01\x02\xAA\xBB\x05", 5));
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin.bak"), std::string("\x01\x02\x03\x04\x05", 5));
    EXPECT_EQ(m.win.log, "Bytes C:\\PATCH\\app.bin OK!\r\n");
    EXPECT_TRUE(m.win.progressFinished);
}

TEST_F(ActionLoop, CheckSumMismatchLeavesTheFileAndStops) {
    parts.Action(1, ByteAction("1", {"Count=1", "BType1=3", "BRead1=1", "BNew1=FF"}))
        .Action(2, {"File=app.bin", "Act=4", "Dir=Me"});
    EXPECT_EQ(RunPatch(), RunOutcome::Stopped);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin"), std::string("\x01\x02\x03\x04\x05", 5));
    EXPECT_FALSE(m.fs.Has("C:\\PATCH\\app.bin.bak"));
    EXPECT_EQ(m.win.log, "Bytes C:\\PATCH\\app.bin CHECKSUM\r\n");
}

TEST_F(ActionLoop, BlankOrSwitchedOffCheckSumIsNotChecked) {
    parts.Action(1, ByteAction(" ", {"Count=1", "BType1=3", "BRead1=1", "BNew1=FF"}))
        .Action(2, {"File=app.bin", "Act=3", "DONTChk=1", "CheckSum=5", "Dir=Me", "Count=1", "BType1=3",
                    "BRead1=2", "BNew1=EE"});
    parts.TextKey("MakeBKFile", "False");
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin"), std::string("\xFF\xEE\x03\x04\x05", 5));
    EXPECT_FALSE(m.fs.Has("C:\\PATCH\\app.bin.bak"));
}

TEST_F(ActionLoop, BadNumbersFailTheActionWithoutTouchingTheFile) {
    parts.TextKey("CWhenError", "True")
        .Action(1, ByteAction("12abc", {"Count=1", "BType1=3", "BRead1=1", "BNew1=FF"}))
        .Action(2, ByteAction("", {"Count=2", "BType1=3", "BRead1=1", "BNew1=FF", "BType2=3", "BRead2=x1",
                                   "BNew2=FF"}))
        .Action(3, ByteAction("", {"Count=1", "BType1=1", "BRead1=01", "BNew1=XYZ"}));
    EXPECT_EQ(RunPatch(), RunOutcome::FailuresSkipped);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin"), std::string("\x01\x02\x03\x04\x05", 5));
    EXPECT_EQ(m.fs.writes, 0);
    EXPECT_EQ(m.win.log,
              "Bytes C:\\PATCH\\app.bin FAILED\r\nBytes C:\\PATCH\\app.bin FAILED\r\nBytes C:\\PATCH\\app.bin FAILED\r\n");
}

TEST_F(ActionLoop, EntryNotFoundStillWritesTheOthersAndFails) {
    parts.TextKey("CWhenError", "True")
        .Action(1, ByteAction("", {"Count=2", "BType1=1", "BRead1=09", "BNew1=00", "BType2=3", "BRead2=5",
                                   "BNew2=55"}));
    EXPECT_EQ(RunPatch(), RunOutcome::FailuresSkipped);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin"), std::string("\x01\x02\x03\x04\x55", 5));
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin.bak"), std::string("\x01\x02\x03\x04\x05", 5));
}

TEST_F(ActionLoop, ExistingBackupIsKeptAndTargetReplaced) {
    m.fs.Put("C:\\PATCH\\app.bin.bak", "old backup");
    parts.Action(1, ByteAction("", {"Count=1", "BType1=3", "BRead1=1", "BNew1=00"}));
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin.bak"), "old backup");
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin"), std::string("\x00\x02\x03\x04\x05", 5));
}

TEST_F(ActionLoop, EmptyTargetHasCheckSumZeroAndNothingToFind) {
    m.fs.Put("C:\\PATCH\\empty.bin", "");
    parts.TextKey("CWhenError", "True")
        .Action(1, {"File=empty.bin", "Act=3", "CheckSum=0", "Dir=Me", "Count=1", "BType1=3", "BRead1=1",
                    "BNew1=00"});
    EXPECT_EQ(RunPatch(), RunOutcome::FailuresSkipped);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\empty.bin"), "");
    EXPECT_EQ(m.win.log, "Bytes C:\\PATCH\\empty.bin FAILED\r\n");
}

TEST_F(ActionLoop, RefusedWritesLeaveTheOriginalIntact) {
    parts.Action(1, ByteAction("", {"Count=1", "BType1=3", "BRead1=1", "BNew1=00"}));
    m.fs.readOnly.insert("C:\\PATCH");
    EXPECT_EQ(RunPatch(), RunOutcome::Stopped);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin"), std::string("\x01\x02\x03\x04\x05", 5));
    EXPECT_EQ(m.win.log, "Bytes C:\\PATCH\\app.bin FAILED\r\n");
}

TEST_F(ActionLoop, FullDiskLeavesTheOriginalAndNoTemporaryFile) {
    parts.Action(1, ByteAction("", {"Count=1", "BType1=3", "BRead1=1", "BNew1=00"}));
    m.fs.Put(kScript, parts.Text());
    m.fs.capacity = m.fs.Used() + 2;  // no room for a second copy of app.bin
    RunRequest r{kScript, false, "C:\\Q", "Quenlark"};
    EXPECT_EQ(RunScript(r, m.ports), RunOutcome::Stopped);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin"), std::string("\x01\x02\x03\x04\x05", 5));
    EXPECT_FALSE(m.fs.Has("C:\\PATCH\\app.bin.bak"));
}

TEST_F(ActionLoop, FailuresCountWithoutTheLogToo) {
    parts.TextKey("ShowRun", "False").TextKey("CWhenError", "True")
        .Action(1, ByteAction("", {"Count=1", "BType1=1", "BRead1=77", "BNew1=00"}))
        .Action(2, {"File=x.ini", "Act=5", "Dir=Me", "Count=1", "INIKey1=S,K,V"});
    m.fs.Put("C:\\PATCH\\x.ini", "[S]\r\nK=1");
    m.fs.readOnly.insert("C:\\PATCH");
    EXPECT_EQ(RunPatch(), RunOutcome::FailuresSkipped);
    EXPECT_EQ(m.win.log, "");
    EXPECT_FALSE(m.win.progressOpen);
    // Failures force the end window.
    ASSERT_EQ(m.win.Modes(), std::vector<WindowMode>({WindowMode::End}));
    EXPECT_EQ(m.win.shown[0].text, "All done\r\n\r\nBroken");
}

TEST_F(ActionLoop, ContinueRuleStopsAtTheFirstFailure) {
    m.fs.Put("C:\\PATCH\\b.txt", "b");
    parts.Action(1, {"File=missing.txt", "Act=6", "NewName=x.txt", "Dir=Me"})
        .Action(2, {"File=b.txt", "Act=4", "Dir=Me"});
    EXPECT_EQ(RunPatch(), RunOutcome::Stopped);
    EXPECT_TRUE(m.fs.Has("C:\\PATCH\\b.txt"));
    EXPECT_EQ(m.win.log, "Rename C:\\PATCH\\missing.txt NOTFOUND\r\n");
    ASSERT_EQ(m.win.Modes().back(), WindowMode::End);
    EXPECT_EQ(m.win.shown.back().caption, "MyPatch - Error");
    EXPECT_EQ(m.win.shown.back().text, "FAILED");
}

TEST_F(ActionLoop, ContinueRuleGoesOnWhenAllowed) {
    m.fs.Put("C:\\PATCH\\b.txt", "b");
    parts.TextKey("CWhenError", "True")
        .Action(1, {"File=missing.txt", "Act=5", "Dir=Me"})
        .Action(2, {"File=b.txt", "Act=4", "Dir=Me"});
    EXPECT_EQ(RunPatch(), RunOutcome::FailuresSkipped);
    EXPECT_FALSE(m.fs.Has("C:\\PATCH\\b.txt"));
    EXPECT_EQ(m.win.log, "INI C:\\PATCH\\missing.txt NOTFOUND\r\nDelete C:\\PATCH\\b.txt OK!\r\n");
}

TEST_F(ActionLoop, DisabledActionsNeitherResolveNorLog) {
    parts.Action(1, {"File=a", "Act=4", "Dir=Ask", "Enable=False"})
        .Action(2, {"File=a.txt", "Act=4", "Dir=Pre"});
    EXPECT_EQ(RunPatch(), RunOutcome::Stopped);  // Pre on the first resolved action: no folder
    EXPECT_TRUE(m.win.asked.empty());
    EXPECT_EQ(m.win.log, "Delete \\a.txt NOTFOUND\r\n");
}

TEST_F(ActionLoop, DeleteOfMissingFileSucceedsAndClearsReadOnly) {
    m.fs.Put("C:\\PATCH\\ro.txt", "x");
    parts.Action(1, {"File=gone.txt", "Act=4", "Dir=Me"}).Action(2, {"File=ro.txt", "Act=4", "Dir=Me"});
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_FALSE(m.fs.Has("C:\\PATCH\\ro.txt"));
    EXPECT_EQ(m.win.log, "Delete C:\\PATCH\\gone.txt OK!\r\nDelete C:\\PATCH\\ro.txt OK!\r\n");
}

TEST_F(ActionLoop, RenameReplacesAnExistingFileInOneMove) {
    m.fs.Put("C:\\PATCH\\new.txt", "old content");
    m.fs.Put("C:\\PATCH\\cur.txt", "current");
    parts.Action(1, {"File=cur.txt", "Act=6", "NewName= new.txt ", "Dir=Me"});
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\new.txt"), "current");
    EXPECT_FALSE(m.fs.Has("C:\\PATCH\\cur.txt"));
}

TEST_F(ActionLoop, RefusedRenameLosesNeitherFile) {
    m.fs.Put("C:\\PATCH\\new.txt", "old content");
    m.fs.Put("C:\\PATCH\\cur.txt", "current");
    m.fs.readOnly.insert("C:\\PATCH");
    parts.Action(1, {"File=cur.txt", "Act=6", "NewName=new.txt", "Dir=Me"});
    EXPECT_EQ(RunPatch(), RunOutcome::Stopped);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\new.txt"), "old content");
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\cur.txt"), "current");
    EXPECT_EQ(m.win.log, "Rename C:\\PATCH\\cur.txt FAILED\r\n");
}

TEST_F(ActionLoop, RenameOntoItselfKeepsTheFile) {
    m.fs.Put("C:\\PATCH\\same.txt", "keep");
    parts.Action(1, {"File=same.txt", "Act=6", "NewName=same.txt", "Dir=Me"});
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\same.txt"), "keep");
}

TEST_F(ActionLoop, IniPatchWritesDeletesAndSkipsDisabledEntries) {
    m.fs.Put("C:\\PATCH\\app.ini", "[Main]\r\nOld=1\r\nKeep=2\r\n[Other]\r\nX=1");
    parts.Action(1, {"File=app.ini", "Act=5", "Dir=Me", "Count=4", "INIKey1=Main,New, v a l ",
                     "INIKey2=Main,Old,%Kill%", "INIKeyEnable3=False", "INIKey3=Main,Keep,no",
                     "INIKey4=Fresh,A,1"});
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.ini"), "[Main]\r\nKeep=2\r\nNew=v a l\r\n[Other]\r\nX=1\r\n\r\n[Fresh]\r\nA=1");
}

TEST_F(ActionLoop, IniEntryWithoutKeyOrSectionFailsButOthersRun) {
    m.fs.Put("C:\\PATCH\\app.ini", "[Main]\r\nA=1");
    parts.TextKey("CWhenError", "True")
        .Action(1, {"File=app.ini", "Act=5", "Dir=Me", "Count=3", "INIKey1=Main,,v", "INIKey2=,K,v",
                    "INIKey3=Main,B,2"});
    EXPECT_EQ(RunPatch(), RunOutcome::FailuresSkipped);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.ini"), "[Main]\r\nA=1\r\nB=2");
}

TEST_F(ActionLoop, KindsThatNeedPackedDataArePassedOver) {
    parts.Action(1, {"File=a.exe", "Act=0", "Dir=Me"}).Action(2, {"File=b", "Act=2", "Dir=Win"});
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_EQ(m.win.log, "");
}

TEST_F(ActionLoop, NonNumericProcCountRunsNothing) {
    parts.Action(1, {"File=app.bin", "Act=4", "Dir=Me"}).SetupKey("ProcCount", "two");
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_TRUE(m.fs.Has("C:\\PATCH\\app.bin"));
}

TEST_F(ActionLoop, AFolderNamedLikeTheTargetIsNotFound) {
    m.fs.AddDir("C:\\PATCH\\sub");
    parts.Action(1, {"File=sub", "Act=6", "NewName=x", "Dir=Me"});
    EXPECT_EQ(RunPatch(), RunOutcome::Stopped);
    EXPECT_EQ(m.win.log, "Rename C:\\PATCH\\sub NOTFOUND\r\n");
}
