// The undo record: its stored form, a run killed after every single change and settled by
// its start entry, and the lock against a second patch run (a stopped run undone, and the
// backups of a kept one: ActionLoop_test and e2e/patchhead.sh).
#include <gtest/gtest.h>

#include "maker/CompModule.h"
#include "maker/PackageLayout.h"
#include "options/Lang.h"
#include "options/LangProject.h"
#include "runtime/RunContext.h"
#include "runtime/RuntimeFakes.h"
#include "runtime/ScriptRun.h"
#include "support/RecordedUi.h"

using namespace quen::runtime;
using quen::BuildIniBlock, quen::CompareBytes, quen::Lang;
using namespace quen::runtime::fakes;

TEST(UndoRecordFormat, EveryKindRoundTripsAndDamageIsRefused) {
    UndoRecordData r{"C:\\P\\a b.qnl", true, {}};
    auto file = [&r](UndoKind kind, const char* path, const char* other, const char* backup) {
        UndoStep& s = r.steps.emplace_back();
        s.kind = kind, s.path = path, s.other = other, s.backup = backup;
    };
    file(UndoKind::Added, "C:\\A\\n%w.txt", "", "");
    file(UndoKind::SetAside, "C:\\A\\x", "C:\\A\\x.~qk1", "C:\\A\\x.bak");
    file(UndoKind::Renamed, "C:\\A\\o", "C:\\A\\n", "");
    file(UndoKind::Ran, "C:\\A\\s.exe", "", "");
    UndoStep value;
    value.kind = UndoKind::Value, value.hive = 0x80000001u, value.subKey = "Soft\\K", value.name = "tab\there";
    value.type = 3, value.bytes = std::string("\0\xFF", 2);
    r.steps.push_back(value);
    value.absent = true, value.type = 0, value.bytes.clear();
    r.steps.push_back(value);
    const std::string text = WriteUndoRecord(r);
    EXPECT_EQ(text, "QuenlarkUndo 1\r\nC:\\P\\a b.qnl\r\nKept\r\nAdded\tC:\\A\\n%25w.txt\r\n"
                    "SetAside\tC:\\A\\x\tC:\\A\\x.~qk1\tC:\\A\\x.bak\r\nRenamed\tC:\\A\\o\tC:\\A\\n\r\n"
                    "Ran\tC:\\A\\s.exe\r\nValue\t80000001\tSoft\\K\ttab%09here\t3\t00FF\r\n"
                    "Value\t80000001\tSoft\\K\ttab%09here\t-\r\n");
    EXPECT_EQ(ReadUndoRecord(text), r);
    for (const std::string& cut : std::vector<std::string>{text.substr(0, text.size() - 1), std::string("QuenlarkUndo 2\r\nx\r\n"),
                                  "QuenlarkUndo 1\r\nx\r\nAdded\ta\tb\r\n", "QuenlarkUndo 1\r\nx\r\nAdded\ta%2\r\n",
                                  "QuenlarkUndo 1\r\nx\r\nValue\t1\tk\tn\t3\t0\r\n"})
        EXPECT_FALSE(ReadUndoRecord(cut)) << cut;
}

namespace {

// Six changing kinds and two registry values in a patch executable's package.
class UndoRun : public ::testing::Test, public ScriptRunFixture {
protected:
    const std::string oldApp = std::string(300, 'o') + "tail", newApp = std::string(300, 'o') + "TAIL+more";
    void SetUp() override {
        parts.setup.erase(parts.setup.begin());
        parts.TextKey("strAddFile", "Add").TextKey("strPatchFile", "Patch");
        parts.setup.push_back("AddReg=1");
        parts.setup.push_back("DelReg=1");
        parts.Section("AddReg", {"1=HKCU,Software\\App,Ver,1,2.0"}).Section("DelReg", {"1=HKCU,Software\\App,Old"});
        m.fs.Put("C:\\APP\\app.exe", oldApp);
        m.fs.Put("C:\\APP\\old.dll", "old dll");
        m.fs.Put("C:\\APP\\data.bin", "0123");
        m.fs.Put("C:\\APP\\app.ini", "[Main]\r\nA=1\r\n");
        m.fs.Put("C:\\APP\\a.txt", "a");
        m.fs.Put("C:\\APP\\b.txt", "b");
        m.fs.Put("C:\\APP\\app.exe.bak", "stale backup");
        m.reg.SetValue(kHiveCurrentUser, "Software\\App", "Ver", 1, "1.0");
        m.reg.SetValue(kHiveCurrentUser, "Software\\App", "Old", 3, "1,2,254");
        const Bytes old(oldApp.begin(), oldApp.end()), fresh(newApp.begin(), newApp.end());
        m.fs.files[Upper("C:\\PKG\\P1")] = CompareBytes(old, fresh, {8, 1});
        m.fs.Put("C:\\PKG\\P2", "new dll");
        m.fs.files[Upper("C:\\PKG\\P5")] = BuildIniBlock({"Main,A,2", "Main,B,3"});
        parts.Action(1, {"File=app.exe", "Act=2", "Dir=Me"})
            .Action(2, {"File=new.dll", "Act=1", "Dir=Me"})
            .Action(3, {"File=old.dll", "Act=4", "Dir=Me"})
            .Action(4, {"File=data.bin", "Act=3", "Dir=Me", "Count=1", "BType1=3", "BRead1=2", "BNew1=FF"})
            .Action(5, {"File=app.ini", "Act=5", "Dir=Me"})
            .Action(6, {"File=a.txt", "Act=6", "NewName=b.txt", "Dir=Me"});
    }
    // The program folder and the registry.
    std::string State() {
        std::string s;
        for (auto& [path, data] : m.fs.files)
            if (path.rfind("C:\\APP\\", 0) == 0 || path.rfind("C:\\TEMP\\", 0) == 0)
                s += path + "=" + std::string(data.begin(), data.end()) + "\n";
        for (auto& [id, v] : m.reg.values) s += id + "=" + std::to_string(v.type) + ":" + v.bytes + "\n";
        return s;
    }
};

}  // namespace

// A kill after every change (the record's own writes and its start entry included), then
// what the start entry runs at the next logon, itself killed after every change.
TEST_F(UndoRun, KilledAfterAnyChangeIsTheOldOrTheNewVersionAfterTheNextStart) {
    const auto files = m.fs.files;
    const auto values = m.reg.values;
    const std::string before = State();
    ASSERT_EQ(RunPackage(), RunOutcome::AllDone);
    const std::string after = State();
    int kills = 0;
    for (long n = 0;; ++n, ++kills) {
        m.fs.files = files, m.reg.values = values, ++m.fs.version;
        changesLeft = n;
        RunPackage();
        if (changesLeft != 0) break;  // it finished before the kill
        const std::string entry = m.reg.Text(kHiveCurrentUser, kRunKey, kRecoveryEntryName);
        // Windows runs nothing without the entry: then the run left no record.
        if (m.fs.Has(UndoRecordPath(m.sys.tempDir))) {
            EXPECT_EQ(entry, "\"C:\\APP\\fix.exe\" /U") << n;
        }
        int code = -1;
        for (long k = 1; changesLeft == 0; ++k) {
            changesLeft = k;
            EXPECT_TRUE(quen::ScriptRunOn("/U", m.ports, {"C:\\APP", "fix"}, code));
        }
        changesLeft = -1;
        EXPECT_EQ(code, 0);
        const std::string now = State();
        EXPECT_TRUE(now == before || now == after) << "killed after " << n << " changes:\n" << now;
    }
    changesLeft = -1;
    EXPECT_GT(kills, 30);
}

// Another patch holding the run lock: this one changes nothing and says so in the
// language the patch was made in; the settling run leaves the record to that patch.
TEST_F(UndoRun, AnotherRunningPatchStopsThisOneBeforeAnyChange) {
    Lang german;
    german.SetLanguage("German");
    german.ReadLang(QUEN_ASSETS);
    ASSERT_NE(german.msg_Undo_Other_Runs(), kOtherRunsText);
    for (const auto& [key, text] : quen::DirTypeTextsOf(german).runtimeTexts) parts.TextKey(key, text);
    const std::string before = State();
    m.sys.otherRun = true;
    EXPECT_EQ(RunPackage(), RunOutcome::CancelledOrBad);
    EXPECT_EQ(State(), before);
    ASSERT_EQ(quen::platform::LastMessages().size(), 1u);
    EXPECT_EQ(quen::platform::LastMessages()[0].text, german.msg_Undo_Other_Runs() + "\r\n\r\n" + german.msg_Undo_Nothing_Changed());
    int code = -1;
    EXPECT_TRUE(quen::ScriptRunOn("/U", m.ports, {"C:\\APP", "fix"}, code));
    EXPECT_EQ(code, 3);
    EXPECT_EQ(quen::platform::LastMessages().size(), 1u);
}
