// Tests of the main window's decisions: directory frames, status panels, row keys, texts.
#include <gtest/gtest.h>

#include "editor/MainLogic.h"
#include "options/Lang.h"

namespace quen {
namespace {

TEST(MainLogic, DirectoryTextChoosesItsFrame) {
    const DirTypeTexts t;
    const struct {
        const char* text;
        int frame;
    } cases[] = {
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

TEST(MainLogic, QuietCheckFillsThePanels) {
    const Lang lang;
    const DirTypeTexts t;
    ActClass reg;
    reg.ActType = kActDel;
    reg.DirType = t.reg;
    ActClass firstPre;  // Add File without its file, "< Previous >", as action 1
    firstPre.ActType = kActAdd;
    firstPre.FileName = "\\no\\such\\file.dll";
    ActClass byteThenDel;
    byteThenDel.ActType = kActByte;
    byteThenDel.DirType = t.me;

    const struct {
        const ActClass* action;
        int index;
        bool ghosted;
        const char* status;
        const char* err1;
        const char* err2;
    } cases[] = {
        {&reg, 2, true, "Not Ready!", "Directory setting SubKey is empty!", ""},
        {&firstPre, 1, true, "Not Ready!", "Can't find the source file.",
         "First file directory setting can't with < Previous >."},
        {&firstPre, 2, true, "Not Ready!", "Can't find the source file.", ""},
        {&byteThenDel, 1, true, "Not Ready!", "Peplace bytes value without define.", ""},
    };
    for (const auto& c : cases) {
        const CheckPanels p = QuietCheckPanels(CheckActionProblems(*c.action, c.index, true, t), lang);
        EXPECT_EQ(p.ghosted, c.ghosted) << c.err1;
        EXPECT_EQ(p.status, c.status);
        EXPECT_EQ(p.err1, c.err1);
        EXPECT_EQ(p.err2, c.err2);
        EXPECT_EQ(p.err2Visible, std::string(c.err2) != "");
    }
    byteThenDel.ActType = kActDel;  // the kind changes: ghost and problem go at once
    const CheckPanels ok = QuietCheckPanels(CheckActionProblems(byteThenDel, 1, true, t), lang);
    EXPECT_FALSE(ok.ghosted);
    EXPECT_EQ(ok.status, "Ready!");
    EXPECT_EQ(ok.err1, "Without Error!");
    EXPECT_FALSE(ok.err2Visible);
}

TEST(MainLogic, RowKeysPanelsAndTexts) {
    const Lang lang;
    std::vector<std::string> keys;
    for (const char* want : {"C:\\a.dll", "*C:\\a.dll", "**C:\\a.dll"}) {
        keys.push_back(UniqueRowKey(keys, "C:\\a.dll"));
        EXPECT_EQ(keys.back(), want);
    }
    EXPECT_EQ(TotalPanelText(lang.StatusBar_FileTotal(), 0), "File Total : 0");
    EXPECT_EQ(SizePanelText(lang, 1234), "Size :1234 Bytes ");
    for (const char* pasted : {"one\r\ntwo", "one\ntwo", "one\rtwo", "one"}) EXPECT_EQ(FirstLine(pasted), "one");
    EXPECT_EQ(FirstLine("\r\nx"), "");
}

TEST(MainLogic, LanguageChangeTranslatesOnlyKindTexts) {
    const DirTypeTexts english;
    DirTypeTexts german;
    german.win = "< Windows-Ordner >";
    german.pre = "< Vorheriger >";
    EXPECT_EQ(TranslateDirType("< Windows >", english, german), "< Windows-Ordner >");
    EXPECT_EQ(TranslateDirType("< Previous >", english, german), "< Vorheriger >");
    EXPECT_EQ(TranslateDirType("< Me >", english, german), "< Me >");
    for (const char* kept : {"C:\\Program Files\\App", ".\\sub", "< Windows-Ordner >"})
        EXPECT_EQ(TranslateDirType(kept, english, german), kept);
}

}  // namespace
}  // namespace quen
