// The action loop on the in-memory machine: checks, refusals and the continue rule. The
// happy paths of every action kind run on real files in the whole-program test.
#include <gtest/gtest.h>

#include "runtime/RuntimeFakes.h"
#include "support/RecordedUi.h"

using namespace quen::runtime;
using namespace quen::runtime::fakes;

namespace {

const std::string kApp("\x01\x02\x03\x04\x05", 5);  // check sum 04030204 = 67305988

class ActionLoop : public ::testing::Test, public ScriptRunFixture {
protected:
    void SetUp() override {
        m.fs.Put("C:\\PATCH\\app.bin", kApp);
    }
    // A Replace Byte action on app.bin in the script's folder.
    std::vector<std::string> ByteAction(const std::string& checkSum, const std::vector<std::string>& entries) {
        std::vector<std::string> keys = {"File=app.bin", "Act=3", "DONTChk=0", "CheckSum=" + checkSum, "Dir=Me"};
        keys.insert(keys.end(), entries.begin(), entries.end());
        return keys;
    }
};

}  // namespace

TEST_F(ActionLoop, ByteActionChecksBacksUpTheVersionItReplacesAndLogs) {
    m.fs.Put("C:\\PATCH\\app.bin.bak", "old backup");
    parts.Action(1, ByteAction("67305988", {"Count=2", "BType1=2", "BRead1=03,04", "BNew1=AA,BB", "BType2=3",
                                            "BRead2=5", "BNew2=55"}));
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin"), std::string("\x01\x02\xAA\xBB\x55", 5));
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin.bak"), kApp);
    EXPECT_EQ(m.win.log, "Bytes C:\\PATCH\\app.bin OK!\r\n");
}

TEST_F(ActionLoop, CheckSumMismatchLeavesTheFileAndStops) {
    parts.Action(1, ByteAction("1", {"Count=1", "BType1=3", "BRead1=1", "BNew1=FF"}))
        .Action(2, {"File=app.bin", "Act=4", "Dir=Me"});
    EXPECT_EQ(RunPatch(), RunOutcome::Stopped);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin"), kApp);
    EXPECT_FALSE(m.fs.Has("C:\\PATCH\\app.bin.bak"));
    EXPECT_EQ(m.win.log, "Bytes C:\\PATCH\\app.bin CHECKSUM\r\n" + ScriptTexts().undo.undone + "\r\n");
    EXPECT_EQ(m.win.shown.back().caption, "MyPatch - Error");
    EXPECT_EQ(m.win.shown.back().text, "FAILED\r\n\r\n" + ScriptTexts().undo.undone);
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

TEST_F(ActionLoop, FailingEntriesAndNumbersWithTheContinueRule) {
    m.fs.Put("C:\\PATCH\\empty.bin", "");
    parts.TextKey("CWhenError", "True")
        .Action(1, ByteAction("12abc", {"Count=1", "BType1=3", "BRead1=1", "BNew1=FF"}))
        .Action(2, ByteAction("", {"Count=2", "BType1=3", "BRead1=1", "BNew1=FF", "BType2=3", "BRead2=x1",
                                   "BNew2=FF"}))
        .Action(3, {"File=empty.bin", "Act=3", "CheckSum=0", "Dir=Me", "Count=1", "BType1=3", "BRead1=1",
                    "BNew1=00"})
        .Action(4, ByteAction("", {"Count=2", "BType1=1", "BRead1=09", "BNew1=00", "BType2=3", "BRead2=5",
                                   "BNew2=55"}));
    EXPECT_EQ(RunPatch(), RunOutcome::FailuresSkipped);
    // Only the last action writes: its found entry, though another one was not found.
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin"), std::string("\x01\x02\x03\x04\x55", 5));
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin.bak"), kApp);
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\empty.bin"), "");
    EXPECT_EQ(m.win.log, "Bytes C:\\PATCH\\app.bin FAILED\r\nBytes C:\\PATCH\\app.bin FAILED\r\n"
                         "Bytes C:\\PATCH\\empty.bin FAILED\r\nBytes C:\\PATCH\\app.bin FAILED\r\n");
}

// Byte and INI edits in a read-only folder or on a full disk: e2e/runtime_actions.sh.
// A rename in a read-only folder, or to a name that would leave the target folder.
TEST_F(ActionLoop, RefusedRenameLosesNothing) {
    m.fs.Put("C:\\PATCH\\new.txt", "old content");
    for (const std::string name : {"new.txt", "..\\new.txt", "C:\\new.txt", "sub/new.txt", "new.txt:s", ".."}) {
        SCOPED_TRACE(name);
        m.fs.readOnly.clear();
        if (name == "new.txt") m.fs.readOnly.insert("C:\\PATCH");
        m.win.log.clear();
        parts.Action(1, {"File=app.bin", "Act=6", "NewName=" + name, "Dir=Me"});
        EXPECT_EQ(RunPatch(), RunOutcome::Stopped);
        EXPECT_EQ(m.fs.Get("C:\\PATCH\\app.bin") + "|" + m.fs.Get("C:\\PATCH\\new.txt"), kApp + "|old content");
        EXPECT_FALSE(m.fs.Has("C:\\new.txt"));
        EXPECT_TRUE(m.win.log.starts_with("Rename C:\\PATCH\\app.bin FAILED\r\n")) << m.win.log;
    }
}

TEST_F(ActionLoop, FailuresWithoutTheLogForceTheEndWindow) {
    parts.TextKey("ShowRun", "False").TextKey("CWhenError", "True")
        .Action(1, ByteAction("", {"Count=1", "BType1=1", "BRead1=77", "BNew1=00"}));
    EXPECT_EQ(RunPatch(), RunOutcome::FailuresSkipped);
    EXPECT_EQ(m.win.log, "");
    ASSERT_EQ(m.win.Modes(), std::vector<WindowMode>({WindowMode::End}));
    EXPECT_EQ(m.win.shown[0].text, "All done\r\n\r\nBroken");
}

TEST_F(ActionLoop, DisabledActionsNeitherResolveNorLog) {
    m.fs.Put("C:\\PATCH\\b.txt", "b");
    parts.Action(1, {"File=a", "Act=4", "Dir=Ask", "Enable=False"})
        .Action(2, {"File=b.txt", "Act=4", "Dir=Me"})
        .Action(3, {"File=same.txt", "Act=6", "NewName=same.txt", "Dir=Me"});
    m.fs.Put("C:\\PATCH\\same.txt", "keep");
    EXPECT_EQ(RunPatch(), RunOutcome::AllDone);
    EXPECT_TRUE(m.win.asked.empty());
    EXPECT_FALSE(m.fs.Has("C:\\PATCH\\b.txt"));
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\b.txt.bak"), "b");  // a deleted file keeps its backup too
    EXPECT_EQ(m.fs.Get("C:\\PATCH\\same.txt"), "keep");  // renamed onto itself
    EXPECT_EQ(m.win.log, "Delete C:\\PATCH\\b.txt OK!\r\nRename C:\\PATCH\\same.txt OK!\r\n");
}
