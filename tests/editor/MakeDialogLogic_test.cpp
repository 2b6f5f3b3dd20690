// The make dialog's path check, script check, the about box's part and the progress frame.
#include <gtest/gtest.h>

#include "editor/MakeDialogLogic.h"

namespace quen {
namespace {

ActClass Action(int kind, const std::string& file, const std::string& newName = "") {
    ActClass a;
    a.ActType = kind;
    a.FileName = file;
    a.NewName = newName;
    return a;
}

TEST(MakeDialogLogic, OutputPath) {
    Project p;
    p.ProjectFile = "C:\\work\\fix.prj";
    p.Actions = {Action(kActPatch, "C:\\old\\a.exe", "C:\\new\\a.exe"), Action(kActDel, "C:\\old\\b.dll")};
    auto isFolder = [](const std::string& s) {
        return s == "C:\\out" || s == "C:\\out\\sub" || s == "C:\\work" || s == "C:\\NEW" || s == "C:\\old";
    };
    const std::pair<const char*, bool> cases[] = {
        {"C:\\out\\fix.exe", true}, {"", false}, {"fix.exe", false}, {"C:\\missing\\fix.exe", false},
        {"C:\\out\\", false}, {"C:\\out\\sub", false}, {"C:\\WORK\\Fix.PRJ", false},
        {"C:\\work\\fix.qnl", true}, {"C:\\NEW\\A.EXE", false}, {"C:\\old\\c.dll", true}, {"C:\\old\\b.dll", false},
    };
    for (const auto& [path, ok] : cases) EXPECT_EQ(MakeOutputPathOk(path, p, isFolder), ok) << path;
}

// The option counts from 1 (a hand-edited settings file may hold any 16-bit number); any
// video count but 0 means videos, as the CD's description gives it.
TEST(MakeDialogLogic, MakeBehindAboutBoxNeedsTheOptionAndVideos) {
    const struct { int option, videos; bool behind; } cases[] = {
        {1, 1, true}, {2, 3, true}, {1, -1, true}, {0, 1, false}, {-1, 1, false}, {1, 0, false}, {0, 0, false},
    };
    for (const auto& c : cases) EXPECT_EQ(MakeBehindAboutBox(c.option, c.videos), c.behind) << c.option << " " << c.videos;
}

TEST(MakeDialogLogic, ScriptCheckAsksOnceAndNeedsOneSupportedAction) {
    struct Case { std::vector<int> kinds; bool answer; int asked; bool error; bool result; };
    const Case cases[] = {
        {{kActAdd, kActAdd, kActDel}, true, 1, false, true},
        {{kActAdd, kActAdd, kActDel}, false, 1, false, false},
        {{kActAdd, kActRun}, true, 1, true, false},
        {{kActByte, kActIni, kActReName}, false, 0, false, true},
        {{}, true, 0, true, false},
    };
    for (const Case& c : cases) {
        std::vector<ActClass> actions;
        for (int k : c.kinds) actions.push_back(Action(k, "f"));
        int asked = 0;
        bool error = false;
        const bool result = ScriptCheck(actions, [&] { ++asked; return c.answer; }, [&] { error = true; });
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(result, c.result);
    }
}

// The frame in one line: file ("-" before it while its label is hidden), percent, bar,
// actions done / actions, output.
std::string Shown(const MakeProgressModel& m) {
    const MakeProgressView& v = m.View();
    return (v.fileLabel ? "" : "-") + v.fileName + "|" + v.percent + "|" + std::to_string(v.bar) + "|" +
           v.completeCount + "/" + v.fileCount + "|" + v.patchFileName;
}

// A patch executable's bar is the current file's: empty at each action, driven by the
// encoder, full when the data file is written; a script's is the share of actions written.
TEST(MakeDialogLogic, ProgressFrame) {
    int changes = 0;
    std::string noticed;
    MakeProgressModel m("Writing patch data...", [&] { ++changes; }, [&](const std::string& t) { noticed = t; });
    m.MakeStarted(3, "C:\\out\\fix.exe");
    m.ActionStarted(1, 3, "C:\\a.exe");
    m.Reached(12.24);
    EXPECT_EQ(Shown(m), "C:\\a.exe|12.2|12|0/3|C:\\out\\fix.exe");
    m.Reached(62.5);
    EXPECT_EQ(m.View().bar, 62);  // halves to the even one
    m.ActionWritten(1, 3, 1);
    EXPECT_EQ(Shown(m), "C:\\a.exe|100|100|1/3|C:\\out\\fix.exe");
    m.ActionStarted(2, 3, "C:\\b.txt");
    EXPECT_EQ(Shown(m), "C:\\b.txt|0.0|0|1/3|C:\\out\\fix.exe");
    m.ActionWritten(3, 3, 3);
    m.WritingPatchData();
    m.Notice("careful");
    EXPECT_EQ(noticed, "careful");
    m.Finished();
    EXPECT_EQ(Shown(m), "-Writing patch data...|100|100|3/3|C:\\out\\fix.exe");
    EXPECT_EQ(changes, 9);

    m.ScriptStarted(3, "C:\\out\\fix.qnl");
    m.ActionStarted(1, 3, "C:\\a.exe");
    m.ActionWritten(1, 3, 1);
    m.ActionStarted(2, 3, "C:\\b.txt");
    EXPECT_EQ(Shown(m), "C:\\b.txt|33.3|33|1/3|C:\\out\\fix.qnl");
    const std::pair<double, const char*> labels[] = {{0, "0.0"}, {-3, "0.0"}, {99.96, "100.0"}, {250, "100.0"}};
    for (const auto& [p, text] : labels) EXPECT_EQ(PercentLabel(p), text) << p;
}

}  // namespace
}  // namespace quen
