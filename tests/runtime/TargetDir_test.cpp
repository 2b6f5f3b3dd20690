// Directory settings resolved on the in-memory machine.
#include <gtest/gtest.h>

#include "runtime/RegistryPhase.h"
#include "runtime/RuntimeFakes.h"
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

// Each directory setting from a given previous folder: the folder it gives and the
// previous folder after it.
TEST_F(TargetDir, Table) {
    const std::string exe = "C:\\Program Files\\App\\app.exe";
    const struct {
        const char* script;
        const char* previous;
        std::string regValue;  // "" : no value
        const char* dir;
        const char* folder;
        const char* after;
    } cases[] = {
        {"D:\\fix.qnl", "X", "", "Me", "D:", "D:"},  // a script in a drive root
        {kScript, "X", "", "Sys", "C:\\WINDOWS\\SYSTEM32", "C:\\WINDOWS\\SYSTEM32"},
        {kScript, "C:\\WINDOWS", "", ".\\Fonts\\", "C:\\WINDOWS\\Fonts", "C:\\WINDOWS"},
        {kScript, "", "", "Pre", "", ""},  // nothing before: no folder rather than the drive root
        {kScript, "", "", ".\\Sub", "", ""},
        {kScript, "X", "", "< Windows >", "< Windows >", "< Windows >"},
        {kScript, "X", "", "win", "win", "win"},  // codes are case-sensitive
        {kScript, "X", exe, "Reg", "C:\\Program Files\\App", "C:\\Program Files\\App"},
        {kScript, "X", "C:\\Apps\\Tool\\", "Reg", "C:\\Apps\\Tool", "C:\\Apps\\Tool"},
        {kScript, "X", "C:\\Apps\\Tool 2.0\\", "Reg", "C:\\Apps\\Tool 2.0", "C:\\Apps\\Tool 2.0"},
        {kScript, "X", "", "Reg", "", ""},  // unreadable value
    };
    m.fs.AddDir("C:\\Apps\\Tool 2.0");  // a folder with a dot that exists is kept
    for (const auto& c : cases) {
        st.ScriptFile = c.script;
        st.PreviousDir = c.previous;
        m.reg.values.clear();
        if (!c.regValue.empty()) m.reg.SetValue(kHiveLocalMachine, "Software\\App", "Path", 1, c.regValue);
        EXPECT_EQ(Resolve(c.dir), c.folder) << c.dir << " " << c.regValue;
        EXPECT_EQ(st.PreviousDir, c.after) << c.dir << " " << c.regValue;
    }
}

// The question offers the previous file's folder with the section's texts; closing it
// without a choice gives no folder and keeps the earlier answer.
TEST_F(TargetDir, AskOffersThePreviousFolderAndUsesTheAnswer) {
    m.fs.Put("C:\\WINDOWS\\win.ini", "");
    st.PreviousDir = "C:\\WINDOWS\\win.ini";
    m.win.askAnswers.push_back("E:\\Target\\");
    EXPECT_EQ(Resolve("Ask"), "E:\\Target");
    EXPECT_EQ(st.AskedDir, "E:\\Target\\");
    EXPECT_EQ(st.PreviousDir, "E:\\Target");
    ASSERT_EQ(m.win.asked.size(), 1u);
    const AskTexts& t = m.win.asked[0].first;
    EXPECT_EQ(t.title + "|" + t.prompt + "|" + t.browse + "|" + t.ok + "|" + t.notFound + "|" + t.errorTitle,
              "Where?|Pick|Browse|Go|Not there|Oops");
    EXPECT_EQ(m.win.asked[0].second, "C:\\WINDOWS");
    EXPECT_EQ(Resolve("Ask"), "");
    EXPECT_EQ(st.AskedDir, "E:\\Target\\");
}

TEST_F(TargetDir, RegistryResolutionStartsAFreshAccessor) {
    st.Hive = kHiveCurrentUser;
    m.fs.Put(kScript, ScriptText({"[Proc1]", "RegKey=hklm,Software\\App,Path"}));
    m.reg.SetValue(kHiveCurrentUser, "Software\\App", "Path", 1, "C:\\X");
    EXPECT_EQ(Resolve("Reg"), "");
}
