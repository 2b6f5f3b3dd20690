// Tests of the patch script writer: [Text] conditions, entry formats, replaced and kept
// scripts. Whole scripts: the native QuenMake run's golden file (ScriptQuenMake_test.sh);
// package scripts of every kind are applied by e2e/quenmake_exe.sh.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "maker/ScriptLines.h"
#include "maker/ScriptWriter.h"
#include "platform/Files.h"
#include "project/SampleProjects.h"
#include "support/Raised.h"
#include "support/TempDir.h"

namespace quen {
namespace {

ActClass Kind(int type, const std::string& file, const std::string& dir) {
    ActClass a;
    a.ActType = type;
    a.FileName = file;
    a.DirType = dir;
    return a;
}

TEST(ScriptStandAlone, OnlyFileDataKindsGiveNoSectionAndProcCountZero) {
    Project p;
    p.Actions.push_back(Kind(kActRun, "C:\\a.exe", "< Me >"));
    p.Actions.push_back(Kind(kActAdd, "C:\\b.txt", "< Me >"));
    p.Actions.push_back(Kind(kActPatch, "C:\\c.dll", "< Me >"));
    test::TempDir dir;
    EXPECT_EQ(MakeScriptINI(dir.Path("s.qnl"), p, DirTypeTexts{}, nullptr), 0);
    const std::string text = test::ReadFileBytes(dir.Path("s.qnl"));
    EXPECT_NE(text.find("\r\nProcCount=0\r\n"), std::string::npos);
    EXPECT_EQ(text.find("[Proc"), std::string::npos);
    EXPECT_NE(text.back(), '\n');
}

TEST(ScriptStandAlone, ExistingScriptIsReplacedEvenWhenReadOnly) {
    test::TempDir dir;
    const std::string path = dir.Path("s.qnl");
    test::WriteFileBytes(path, "old script that is much longer than the new one" + std::string(5000, 'x'));
    platform::SetAttributes(path, platform::kAttrReadOnly);
    Project p;
    p.Actions.push_back(Kind(kActDel, "C:\\x\\gone.txt", "< Windows >"));
    EXPECT_EQ(MakeScriptINI(path, p, DirTypeTexts{}, nullptr), 1);
    const std::string text = test::ReadFileBytes(path);
    EXPECT_TRUE(text.starts_with("[Setup]\r\nScriptID=QuenlarkScript_100\r\n"));
    EXPECT_TRUE(text.ends_with("\r\n[Proc1]\r\nFile=gone.txt\r\nAct=4\r\nDir=Win")) << text;
}

// A failed make keeps the old script (or leaves none) and no temporary file.
TEST(ScriptStandAlone, FailedMakeKeepsTheOldScript) {
    for (const char* old : {"previous", ""}) {
        test::TempDir dir;
        if (*old) test::WriteFileBytes(dir.Path("s.qnl"), old);
        Project p;
        ActClass a = Kind(kActByte, dir.Path("vanished.exe"), "< Me >");
        a.AddByte("1", "41", "42");
        p.Actions.push_back(a);
        const test::Raised r = test::RaisedBy([&] { MakeScriptINI(dir.Path("s.qnl"), p, DirTypeTexts{}, nullptr); });
        EXPECT_EQ(r.number, kErrFileNotFound);
        EXPECT_NE(r.text.find("vanished.exe"), std::string::npos);
        EXPECT_EQ(test::ReadFileBytes(dir.Path("s.qnl")), old);
        EXPECT_EQ(test::ListFolder(dir.path()), *old ? "s.qnl" : "");
    }
}

// The [Text] section for one combination of the three window switches.
std::string TextSection(int16_t welcome, int16_t end, int16_t info) {
    Project p;
    p.Options = test::SampleOptions();
    p.Options.ShowWelcomeWindow = welcome;
    p.Options.ShowEndWindow = end;
    p.Options.ShowInfoWindow = info;
    std::string text = BuildScriptText(p, ScriptForm::StandAlone, {}, nullptr).text;
    size_t b = text.find("[Text]"), e = text.find("[OffReg]");
    return text.substr(b, e - b);
}

// A window's keys are written when it shows (any value above 0), the shared ones when any does.
TEST(ScriptText, WindowSwitchesDecideTheConditionalKeys) {
    for (const auto& [welcome, end, info] : {std::tuple{0, 1, 0}, {0, 0, 0}, {-1, 0, 2}}) {
        const std::string text = TextSection(welcome, end, info);
        const bool w = welcome > 0, e = end > 0, i = info > 0, any = w || e || i;
        const std::pair<const char*, bool> keys[] = {{"WTitle=", w}, {"WText=", w}, {"ETitle=", e},
            {"EText=", e}, {"ITitle=", i}, {"IText=", i}, {"Font=", any}, {"FontS=", any}, {"PText=", any},
            {"OnPatch=", any}};
        for (const auto& [key, shown] : keys)
            EXPECT_EQ(text.find(std::string("\r\n") + key) != std::string::npos, shown) << key << end << info;
    }
    EXPECT_EQ(TextSection(0, 0, 0).substr(0, 15), "[Text]\r\nOK=&OK\r");
    EXPECT_NE(TextSection(-1, 0, 2).find("\r\nITitle=Information\r\nIText=\r\nFont=Tahoma"), std::string::npos);
}

TEST(ScriptText, TruthValuesAndLineBreaks) {
    Project p;
    p.Options.ShowWelcomeWindow = 1;
    p.Options.WelcomText = "one\r\ntwo\rthree\nfour";
    p.Options.MakeBackupFile = 0;
    p.Options.ContinueWhenError = -1;
    p.Options.ShowRunTime = 0;
    std::string text = BuildScriptText(p, ScriptForm::Package, {}, nullptr).text;
    EXPECT_NE(text.find("\r\nWText=one\\ntwo\\nthree\\nfour\r\n"), std::string::npos);
    p.Options.PromptText = "Press\nOK";
    EXPECT_THROW(BuildScriptText(p, ScriptForm::Package, {}, nullptr), Error);
    EXPECT_NE(text.find("\r\nMakeBKFile=False\r\nCWhenError=True\r\nShowRun=False\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nShowP=False\r\n[Text]\r\n"), std::string::npos);
}

// Action blocks by kind; the dir codes are compared with the current language's texts.
TEST(ScriptActions, Blocks) {
    ActClass noCheck = Kind(kActByte, "C:\\does\\not\\exist.bin", "< Windows >");
    noCheck.NoSourceCheck = 1;
    noCheck.AddByte("1", "41 42", "43 44");
    ActClass ini = Kind(kActIni, "C:\\w\\app.ini", "C:\\Program Files\\App");
    ini.AddINIKey("Options,Mode,Fast");
    ini.AddINIKey("Options,Old,%Kill%");
    ActClass ren = Kind(kActReName, "D:\\old name.txt", "< Ask User >");
    ren.NewName = "  new name.txt ";
    ren.AskTitle = "T", ren.AskPrompt = "P", ren.AskBrowse = "B", ren.AskOK = "O", ren.AskDNF = "D";
    ActClass reg = Kind(kActDel, "C:\\a", "< Reg >");
    reg.RegMain = 6;
    DirTypeTexts german;
    german.win = "< Windows-Ordner >";
    const struct {
        std::vector<ActClass> actions;
        ScriptForm form;
        DirTypeTexts texts;
        std::string block;
    } cases[] = {
        {{noCheck}, ScriptForm::StandAlone, {}, "[Proc1]\r\nFile=exist.bin\r\nAct=3\r\nDONTChk=1\r\nCount=1\r\n"
                                              "BType1=1\r\nBRead1=41,42\r\nBNew1=43,44\r\nDir=Win\r\n"},
        {{ini}, ScriptForm::StandAlone, {}, "[Proc1]\r\nFile=app.ini\r\nAct=5\r\nCount=2\r\nINIKey1=Options,Mode,Fast\r\n"
                                          "INIKey2=Options,Old,%Kill%\r\nDir=C:\\Program Files\\App\r\n"},
        {{ini}, ScriptForm::Package, {}, "[Proc1]\r\nFile=app.ini\r\nAct=5\r\nDir=C:\\Program Files\\App\r\n"},
        {{ren, Kind(kActDel, "nobackslash.txt", ".\\sub\\dir")}, ScriptForm::StandAlone, {},
         "[Proc1]\r\nFile=old name.txt\r\nAct=6\r\nNewName=new name.txt\r\nDir=Ask\r\nTitle=T\r\nPrompt=P\r\n"
         "Brow=B\r\nOK=O\r\nDNF=D\r\n[Proc2]\r\nFile=nobackslash.txt\r\nAct=4\r\nDir=.\\sub\\dir\r\n"},
        {{Kind(kActDel, "C:\\a", "< Windows >"), Kind(kActDel, "C:\\b", "< Windows-Ordner >")}, ScriptForm::StandAlone,
         german, "File=a\r\nAct=4\r\nDir=< Windows >\r\n[Proc2]\r\nFile=b\r\nAct=4\r\nDir=Win\r\n"},
        {{reg}, ScriptForm::StandAlone, {}, "Dir=Reg\r\nRegKey=HKUS,,\r\n"},
    };
    for (const auto& c : cases) {
        Project p;
        p.Actions = c.actions;
        const std::string text = BuildScriptText(p, c.form, c.texts, nullptr).text;
        EXPECT_NE(text.find(c.block), std::string::npos) << c.block << "\n---\n" << text;
        EXPECT_EQ(text.find("CheckSum"), std::string::npos);
    }
    Project p;
    p.Actions = {reg};
    p.Action(1).RegMain = 7;  // outside the list
    EXPECT_THROW(BuildScriptText(p, ScriptForm::StandAlone, {}, nullptr), Error);
}

TEST(ScriptLines, RegistryEntriesAndByteValues) {
    const std::pair<std::string, std::string> entries[] = {
        {"DWORD,HKLM,Software\\Test,Count,&H10", "HKLM,Software\\Test,Count,4,&H10"},
        {"STR, HKCU , Software\\A , Name , some text ", "HKCU,Software\\A,Name,1,some text"},
        {"BIN,HKCU,Software\\Demo,Data,1,2,3", "HKCU,Software\\Demo,Data,3,1,2,3"},
        {"QWORD,HKCU,S,N,5", "HKCU,S,N,QWORD,5"},
        {"STR,HKCU,S", "HKCU,S,,1,"},
        {"STR,HKCU,S,N, C:\\Apps,  Inc ", "HKCU,S,N,1,C:\\Apps,  Inc"},
        {"BIN,HKCU,S,N, 1 , &HFF", "HKCU,S,N,3,1,&HFF"}, {"DWORD,HKCU,S,N,1,2", "HKCU,S,N,4,1"}};
    for (const auto& [entry, line] : entries) EXPECT_EQ(ScriptRegistryEntry(entry), line) << entry;
    const std::tuple<std::string, std::string, std::string> reads[] = {
        {"3", "1A2B (6699)", "&H1A2B"}, {"3", "FF", "&HFF"}, {"1", " 41 42  43 ", "41,42,,43"}, {"2", "41", "41"}};
    for (const auto& [type, value, line] : reads) EXPECT_EQ(ScriptByteRead(type, value), line) << value;
    EXPECT_EQ(ScriptByteNew(" 90 90 "), "90,90");
    EXPECT_EQ(ScriptByteNew(""), "");
}

// The bar rounds halves to even; the label has one decimal.
TEST(ScriptProgressFigures, BarAndLabel) {
    const std::tuple<int, int, int, const char*> cases[] = {
        {1, 3, 33, "33.3"}, {2, 3, 67, "66.7"}, {1, 8, 12, "12.5"}, {3, 8, 38, "37.5"},
        {1, 200, 0, "0.5"}, {4, 4, 100, "100.0"}};
    for (const auto& [i, n, bar, label] : cases) {
        EXPECT_EQ(ProgressAfter(i, n).bar, bar) << i << "/" << n;
        EXPECT_EQ(ProgressAfter(i, n).label, label) << i << "/" << n;
    }
}

}  // namespace
}  // namespace quen
