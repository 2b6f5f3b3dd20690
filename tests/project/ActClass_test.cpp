// Tests of one action's lists, copy and directory copy.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "project/ActClass.h"

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

}  // namespace
}  // namespace quen
