// Tests of the main window's decisions: directory frames, status panels, row keys, texts, CD.
#include <gtest/gtest.h>

#include "editor/MainLogic.h"
#include "editor/MediaControl.h"
#include "options/Lang.h"

namespace quen {
namespace {

TEST(MainLogic, DirectoryTextChoosesItsFrame) {
    const DirTypeTexts t;
    const struct { const char* text; int frame; } cases[] = {
        {"< Me >", kFrameMe},   {"< Reg >", kFrameReg},   {"< Ask User >", kFrameAsk}, {"< Windows >", kFrameWin},
        {"< System >", kFrameSys}, {".\\", kFrameSub},     {".\\a\\b", kFrameSub},      {"< Previous >", kFramePre},
        {"< me >", kFrameOther}, {"< Me > ", kFrameOther}, {".a", kFrameOther},         {"C:\\App", kFrameOther},
        {"", kFrameOther},
    };
    for (const auto& c : cases) EXPECT_EQ(DirFrameOf(c.text, t), c.frame) << c.text;
    // The combo's items are in frame order, so an item index is its frame.
    const std::vector<std::string> items = DirComboItems(t);
    for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(DirFrameOf(items[i], t), static_cast<int>(i));
}

TEST(MainLogic, RowKeysPanelsAndTexts) {
    const Lang lang;
    std::vector<std::string> keys;
    for (const char* want : {"C:\\a.dll", "*C:\\a.dll", "**C:\\a.dll"}) {
        keys.push_back(UniqueRowKey(keys, "C:\\a.dll"));
        EXPECT_EQ(keys.back(), want);
    }
    // The total and size panels' texts: e2e/editor.sh.
    for (const char* pasted : {"one\r\ntwo", "one\ntwo", "one\rtwo", "one"}) EXPECT_EQ(FirstLine(pasted), "one");
    EXPECT_EQ(FirstLine("\r\nx"), "");
}

// A relative action keeps its place's meaning when moved; a ".\" action cannot lead (both
// when a row rises to the top: e2e/editor.sh); the ends do not move.
TEST(MainLogic, MovesKeepFoldersAndAValidFirstAction) {
    const DirTypeTexts t;
    const char* const plain[] = {"< Reg >", "< Previous >", "< Previous >"};
    const char* const sub[] = {"< Me >", ".\\s", "< Previous >"};
    const char* const mixed[] = {"< Me >", "< Windows >", ".\\s"};
    const struct { const char* const* dirs; int index; bool up; MoveOutcome outcome; const char* after; } cases[] = {
        {plain, 3, true, MoveOutcome::Moved, "a < Reg > K|c < Previous > |b < Previous > |"},
        {plain, 1, true, MoveOutcome::AtEdge, "a < Reg > K|b < Previous > |c < Previous > |"},
        {plain, 3, false, MoveOutcome::AtEdge, "a < Reg > K|b < Previous > |c < Previous > |"},
        {sub, 3, true, MoveOutcome::Moved, "a < Me > K|c < Previous > |b .\\s |"},
        {mixed, 2, true, MoveOutcome::Moved, "b < Windows > |a < Me > K|c .\\s |"},
        {mixed, 2, false, MoveOutcome::Moved, "a < Me > K|c .\\s |b < Windows > |"},
    };
    for (const auto& c : cases) {
        Project p;
        for (int i = 0; i < 3; ++i) {
            p.Actions.emplace_back();
            p.Actions.back().FileName = std::string(1, static_cast<char>('a' + i));
            p.Actions.back().DirType = c.dirs[i];
        }
        p.Actions[0].RegSub = "K";
        EXPECT_EQ(MoveAction(p, c.index, c.up, t), c.outcome) << c.after;
        std::string after;
        for (const ActClass& a : p.Actions) after += a.FileName + " " + a.DirType + " " + a.RegSub + "|";
        EXPECT_EQ(after, c.after);
    }
}

// A stop ends a pause (the other presses: e2e/editor.sh's CD step).
TEST(MediaControl, StopEndsAPause) {
    MediaControl control;
    EXPECT_EQ(control.Press(MediaButton::Pause), CdStep::Pause);
    EXPECT_EQ(control.Press(MediaButton::Stop), CdStep::StopAtFirstTrack);
    EXPECT_FALSE(control.TrackInTitle());
    EXPECT_EQ(control.Press(MediaButton::Play), CdStep::Next);  // not a resume
    EXPECT_TRUE(control.TrackInTitle());
}

}  // namespace
}  // namespace quen
