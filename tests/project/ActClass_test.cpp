// Tests of one action's lists, copy and directory copy, and of the project-level operations.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "project/ActClass.h"
#include "project/Project.h"

namespace quen {
namespace {

TEST(ActClass, ListsDeleteMovesLaterEntriesDownAndRefusePositionsOutside) {
    ActClass a("< Vorige >");  // new actions start with the current language's "previous" text
    EXPECT_EQ(a.DirType, "< Vorige >");
    EXPECT_EQ(a.AddINIKey("S,K1,V1"), 1);
    a.AddINIKey("S,K2,V2");
    EXPECT_EQ(a.AddINIKey("S,K3,V3"), 3);
    a.DelINIKey(1);
    EXPECT_EQ(a.INIKeys(), (std::vector<std::string>{"S,K2,V2", "S,K3,V3"}));
    a.AddByte("1", "41", "42");
    a.AddByte("2", "43 44", "45 46");
    EXPECT_EQ(a.AddByte("3", "10 (16)", "00"), 3);
    a.DelByte(1);
    ASSERT_EQ(a.ByteCount(), 2);
    EXPECT_EQ(a.ReadByteType(1) + "|" + a.ReadByteVal(1) + "|" + a.ReadByteNewval(1), "2|43 44|45 46");
    EXPECT_EQ(a.ReadByteType(2), "3");
    // Positions count from 1; outside the list they are refused and change nothing.
    EXPECT_THROW(a.ReadINIKey(0), std::out_of_range);
    EXPECT_THROW(a.ReadINIKey(3), std::out_of_range);
    EXPECT_THROW(a.DelINIKey(3), std::out_of_range);
    EXPECT_THROW(a.ReadByteVal(3), std::out_of_range);
    EXPECT_THROW(a.DelByte(0), std::out_of_range);
    EXPECT_EQ(a.INICount() + a.ByteCount(), 4);
}

TEST(ActClass, ListsStopAt32767Entries) {
    ActClass a;
    std::vector<std::string> keys(32767, "k");
    a.SetINIVal(keys);
    EXPECT_EQ(a.INICount(), 32767);
    EXPECT_THROW(a.AddINIKey("one more"), Error);
    EXPECT_EQ(a.INICount(), 32767);
    keys.push_back("k");
    EXPECT_THROW(a.SetINIVal(keys), Error);
    EXPECT_EQ(a.INICount(), 32767);
}

// Copying the directory to another action: an Ask source copies its texts, a Reg source
// its registry fields, anything else (a kind text of another language too) only the text.
TEST(ExportDir, CopiesWhatTheKindUses) {
    DirTypeTexts texts, german;
    german.ask = "< Benutzer fragen >";
    ActClass ask, reg, sub, foreign;
    ask.DirType = texts.ask;
    ask.AskTitle = ask.AskPrompt = ask.AskBrowse = ask.AskOK = ask.AskDNF = "new";
    reg.DirType = texts.reg;
    reg.RegMain = 4;
    reg.RegSub = reg.RegKeyName = "new";
    sub.DirType = ".\\sub";
    foreign.DirType = texts.ask;
    for (ActClass* src : {&ask, &reg, &sub, &foreign}) {
        src->RegSub = src == &reg ? "new" : "not copied";
        if (src != &ask) src->AskTitle = "not copied";
    }
    const struct {
        const ActClass& src;
        const DirTypeTexts& texts;
        const char* copied;  // what the target's Ask and Reg fields then hold
    } cases[] = {{ask, texts, "new new new new new|2 old old"},
                 {reg, texts, "old old old old old|4 new new"},
                 {sub, texts, "old old old old old|2 old old"},
                 {foreign, german, "old old old old old|2 old old"}};
    for (const auto& c : cases) {
        ActClass t;
        t.DirType = texts.reg;
        t.RegMain = 2;
        t.RegSub = t.RegKeyName = t.AskTitle = t.AskPrompt = t.AskBrowse = t.AskOK = t.AskDNF = "old";
        c.src.ExportDir(t, c.texts);
        EXPECT_EQ(t.DirType, c.src.DirType);
        EXPECT_EQ(t.AskTitle + " " + t.AskPrompt + " " + t.AskBrowse + " " + t.AskOK + " " + t.AskDNF + "|" +
                      std::to_string(t.RegMain) + " " + t.RegSub + " " + t.RegKeyName,
                  c.copied)
            << c.src.DirType;
    }
}

TEST(DirCode, KindsMapToCodesAndEverythingElsePassesThrough) {
    DirTypeTexts t;
    const std::pair<const char*, const char*> cases[] = {
        {"< Me >", "Me"}, {"< Reg >", "Reg"}, {"< Ask User >", "Ask"}, {"< Windows >", "Win"},
        {"< System >", "Sys"}, {"< Previous >", "Pre"}, {"< me >", "< me >"}, {"< Me > ", "< Me > "},
        {".\\sub", ".\\sub"}, {"C:\\Games", "C:\\Games"}};
    for (const auto& [text, code] : cases) EXPECT_EQ(DirCode(text, t), code) << text;
    t.win = "< Fenster >";
    EXPECT_EQ(DirCode("< Windows >", t), "< Windows >");
}

// The project-level operations: delete, apply to others, options fields.
Project FourActions() {
    Project p;
    for (int i = 1; i <= 4; ++i) {
        ActClass a;
        a.FileName = "C:\\d\\f" + std::to_string(i) + ".dat";
        a.NoSourceCheck = static_cast<int16_t>(i % 2);
        a.ActType = i;
        p.Actions.push_back(a);
    }
    return p;
}

TEST(DeleteAction, MovesLaterActionsDownAndIgnoresNoSelection) {
    Project p = FourActions();
    DeleteAction(p, 0);
    DeleteAction(p, 5);
    DeleteAction(p, 2);
    ASSERT_EQ(p.ActionCount(), 3);
    EXPECT_EQ(p.Action(2).FileName, "C:\\d\\f3.dat");
    EXPECT_EQ(p.Action(3).NoSourceCheck, 0);
    for (int i = 0; i < 4; ++i) DeleteAction(p, 1);
    EXPECT_TRUE(p.Actions.empty());
}

// "All previous" touches only actions that continue from a previous one, "all" every
// other action; fewer than two actions change nothing.
TEST(ApplyDir, ToOtherActions) {
    DirTypeTexts t;
    Project p = FourActions();
    p.Action(1).DirType = t.reg;
    p.Action(1).RegSub = "Software\\Demo";
    p.Action(2).DirType = "C:\\literal";
    EXPECT_EQ(ApplyDirToOthers(p, 1, ApplyDirMode::AllPrevious, t), (std::vector<int>{3, 4}));
    EXPECT_EQ(p.Action(2).DirType + "|" + p.Action(2).RegSub, "C:\\literal|");
    EXPECT_EQ(p.Action(3).DirType + "|" + p.Action(4).RegSub, t.reg + "|Software\\Demo");
    p.Action(3).DirType = t.win;
    EXPECT_EQ(ApplyDirToOthers(p, 3, ApplyDirMode::All, t), (std::vector<int>{1, 2, 4}));
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(p.Action(i).DirType, t.win);
    p.Actions.resize(1);
    EXPECT_TRUE(ApplyDirToOthers(p, 1, ApplyDirMode::All, t).empty());
}

TEST(NewProject, KeepsThePatchOptions) {
    Project p = FourActions();
    p.Options.WelcomTitle = "Hello";
    p.Options.AddKey = {"STR,HKCU,S,N,V"};
    p.ProjectFile = "C:\\p.prj";
    p.Modified = true;
    NewProject(p);
    EXPECT_EQ(p.ActionCount(), 0);
    EXPECT_EQ(p.ProjectFile, "");
    EXPECT_FALSE(p.Modified);
    EXPECT_EQ(p.Options.WelcomTitle, "Hello");
    EXPECT_EQ(p.Options.AddKeyCount(), 1);
}

}  // namespace
}  // namespace quen
