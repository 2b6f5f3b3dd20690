// Tests of the project file: golden files, round trips, refused and broken files.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/Errors.h"
#include "project/ProjectFile.h"
#include "project/SampleProjects.h"
#include "support/TempDir.h"

namespace quen {
namespace {

const std::string kData = std::string(QUEN_TEST_DATA) + "/project/";

std::string Golden(const std::string& name) {
    std::string bytes = test::ReadFileBytes(kData + name);
    EXPECT_FALSE(bytes.empty()) << name;
    return bytes;
}

int CountLines(const std::string& text) {
    int n = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) n += text[i] == '\r' && text[i + 1] == '\n';
    return n;
}

TEST(ProjectFileGolden, EmptyProjectIs43LinesEndingWithZero) {
    Project p;
    std::string text = ProjectFileText(p);
    EXPECT_EQ(text, Golden("empty.prj"));
    EXPECT_EQ(CountLines(text), 43);
    EXPECT_EQ(text.substr(text.size() - 5), "\r\n0\r\n");
}

TEST(ProjectFileGolden, TwoByteEntriesAndOneIniKey) {
    std::string text = ProjectFileText(test::SampleProject());
    EXPECT_EQ(text, Golden("two_bytes_one_ini.prj"));
    // Welcome text on one line with "\n" between its lines.
    EXPECT_NE(text.find("\"Welcome.\\nThis patch updates Demo.\"\r\n"), std::string::npos);
    // Byte count 2 then six texts; INI count 1 then one text.
    EXPECT_NE(text.find("\r\n2\r\n\"3\"\r\n\"1A (26)\"\r\n\"90 90\"\r\n\"1\"\r\n\"4D 5A\"\r\n"
                        "\"4D 5B\"\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\n1\r\n\"Options,Mode,Fast\"\r\n"), std::string::npos);
}

TEST(ProjectFileGolden, HandWrittenFileLoadsIntoTheSampleProject) {
    Project p;
    p.Modified = true;
    ProjectLoadResult r = LoadProjectText(Golden("two_bytes_one_ini.prj"), p, "< Previous >");
    ASSERT_EQ(r.status, LoadStatus::Loaded) << r.message;
    Project expected = test::SampleProject();
    EXPECT_EQ(p.Options, expected.Options);
    ASSERT_EQ(p.ActionCount(), 1);
    EXPECT_EQ(p.Action(1), expected.Action(1));
    EXPECT_EQ(p.Action(1).ByteCount(), 2);
    EXPECT_EQ(p.Action(1).INICount(), 1);
    EXPECT_EQ(p.Options.WelcomText, "Welcome.\r\nThis patch updates Demo.");
    EXPECT_FALSE(p.Modified);
}

Project EveryFieldProject() {
    Project p = test::SampleProject();
    PatchOptions& o = p.Options;
    o.InfoText = "Line 1\r\nLine 2\r\n\r\nLine 4";
    o.DelKey = {"STR,HKCU,A,B", "DWORD,HKLM,C,D"};
    o.PatchIconFile = "C:\\icons\\p.ico";
    o.FirstReBoot = 3;
    o.InterFaceFont_Size = -32768;
    o.ShowInfoWindow = 32767;
    ActClass b;
    b.ActType = kActReName;
    b.AddMethod = 1;
    b.NoSourceCheck = 1;
    b.RegMain = 6;
    b.RegSub = "Software\\\"Quoted\"";
    b.RegKeyName = "Dir";
    b.FileName = "C:\\a \"b\"\\old.txt";
    b.FilePath = "C:\\a \"b\"";
    b.NewName = "new \"name\".txt";
    b.NewPath = "\"";
    b.DirType = "< Reg >";
    b.AskTitle = "say \"hi\" twice\"";
    p.Actions.push_back(b);
    ActClass c("< Previous >");
    c.ActType = kActRun;
    c.AddMethod = 0;
    p.Actions.push_back(c);
    return p;
}

TEST(ProjectFileRoundTrip, EveryFieldSurvivesQuotesIncluded) {
    test::TempDir dir;
    Project p = EveryFieldProject();
    p.Modified = true;
    const std::string path = dir.Path("every.prj");
    SaveProject(path, p);
    EXPECT_FALSE(p.Modified);
    EXPECT_EQ(p.ProjectFile, path);

    Project back;
    back.Modified = true;
    ProjectLoadResult r = LoadProject(path, back, "< Previous >");
    ASSERT_EQ(r.status, LoadStatus::Loaded) << r.message;
    EXPECT_EQ(back.Options, p.Options);
    EXPECT_EQ(back.Actions, p.Actions);
    EXPECT_EQ(back.ProjectFile, path);
    EXPECT_FALSE(back.Modified);
}

TEST(ProjectFileRoundTrip, BackslashNInAMultiLineTextComesBackAsALineBreak) {
    Project p;
    p.Options.WelcomText = "C:\\new";
    p.Options.WelcomTitle = "C:\\new";  // other texts are not transformed
    Project back;
    ASSERT_EQ(LoadProjectText(ProjectFileText(p), back, "").status, LoadStatus::Loaded);
    EXPECT_EQ(back.Options.WelcomText, "C:\r\new");
    EXPECT_EQ(back.Options.WelcomTitle, "C:\\new");
}

TEST(ProjectFileTexts, EveryLineBreakOfTheWindowTextsIsStoredAndReadBackAsCrLf) {
    const struct {
        const char* typed;
        const char* back;
    } cases[] = {{"a\r\nb", "a\r\nb"}, {"a\rb", "a\r\nb"}, {"a\nb", "a\r\nb"}, {"a\n\r\r\nb", "a\r\n\r\n\r\nb"}};
    for (const auto& c : cases) {
        Project p;
        p.Options.WelcomText = p.Options.InfoText = p.Options.EndText = c.typed;
        Project back;
        ASSERT_EQ(LoadProjectText(ProjectFileText(p), back, "").status, LoadStatus::Loaded) << c.typed;
        EXPECT_EQ(back.Options.WelcomText + back.Options.InfoText + back.Options.EndText,
                  std::string(c.back) + c.back + c.back);
    }
}

// A project already in memory, to see what a refused file may change.
Project Existing() {
    Project p = test::SampleProject();
    p.Options.WelcomTitle = "Before";
    p.ProjectFile = "C:\\before.prj";
    p.Modified = true;
    return p;
}

TEST(ProjectFileTexts, OneLineTextWithALineBreakIsRefusedAndTheOldFileKept) {
    const struct {
        void (*breakIt)(Project&);
        const char* named;
    } cases[] = {
        {[](Project& p) { p.Options.OKButton = "O\rK"; }, "patch options"},
        {[](Project& p) { p.Options.AddKey = {"STR,HKCU,S,N,a\nb"}; }, "patch options"},
        {[](Project& p) { p.Action(1).AskTitle = "Where\r\n"; }, "action 1"},
        {[](Project& p) { p.Action(1).AddByte("1", "41\n", "42"); }, "action 1"},
    };
    test::TempDir dir;
    const std::string path = dir.Path("p.prj");
    for (const auto& c : cases) {
        Project p = Existing();
        test::WriteFileBytes(path, "old");
        c.breakIt(p);
        try {
            SaveProject(path, p);
            ADD_FAILURE() << "saved";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
        }
        EXPECT_EQ(test::ReadFileBytes(path), "old");
        EXPECT_TRUE(p.Modified);
    }
}

TEST(ProjectFileRefused, WrongHeaderChangesNothingButModified) {
    const std::string good = Golden("empty.prj");
    std::vector<std::string> wrong = {
        "\"Dravin Project File V1.1\"\r\n" + good.substr(good.find('\n') + 1),
        "\"dravin project file v1.0\"\r\n" + good.substr(good.find('\n') + 1),
        "\"Dravin Project File V1.0 \"\r\n",
        "Dravin Project File V1.0\r\n",
        "",
        "\r\n",
        "[Templet]\r\nQuenlarkTempletFileID=Quenlark Templet",
    };
    for (const std::string& text : wrong) {
        Project p = Existing();
        Project before = p;
        ProjectLoadResult r = LoadProjectText(text, p, "< Previous >");
        EXPECT_EQ(r.status, LoadStatus::WrongHeader) << text;
        EXPECT_FALSE(p.Modified);
        EXPECT_EQ(p.Options, before.Options);
        EXPECT_EQ(p.Actions, before.Actions);
        EXPECT_EQ(p.ProjectFile, before.ProjectFile);
    }
}

TEST(ProjectFileRefused, CutInsideAnActionBlockLeavesAnEmptyProject) {
    // Three actions; the file ends inside the third block.
    Project src = test::SampleProject();
    src.Actions.push_back(test::SampleByteAction());
    src.Actions.push_back(test::SampleByteAction());
    std::string text = ProjectFileText(src);
    size_t cut = text.rfind("\"C:\\Demo\\demo.exe\"");
    text.resize(cut);

    Project p = Existing();
    ProjectLoadResult r = LoadProjectText(text, p, "< Previous >");
    EXPECT_EQ(r.status, LoadStatus::ReadError);
    EXPECT_EQ(r.errorNumber, kErrInputPastEnd);
    EXPECT_EQ(p.ActionCount(), 0);
    EXPECT_EQ(p.ProjectFile, "");  // a later Save must ask for a name
    EXPECT_FALSE(p.Modified);
    // The options were all read before the break: they hold the file's values.
    EXPECT_EQ(p.Options, src.Options);
}

TEST(ProjectFileRefused, BadLineKeepsOptionsReadBeforeIt) {
    std::string text = ProjectFileText(test::SampleProject());
    // Line 18 is InterFaceFont_Size ("9"); make it a word.
    size_t pos = text.find("\"Tahoma\"\r\n9\r\n");
    ASSERT_NE(pos, std::string::npos);
    text.replace(pos, 13, "\"Tahoma\"\r\nnine\r\n");

    Project p = Existing();
    ProjectLoadResult r = LoadProjectText(text, p, "< Previous >");
    EXPECT_EQ(r.status, LoadStatus::ReadError);
    EXPECT_EQ(r.errorNumber, kErrTypeMismatch);
    EXPECT_EQ(p.Options.InterFaceFont, "Tahoma");   // read before the bad line
    EXPECT_EQ(p.Options.InfoTitle, "Information");
    EXPECT_EQ(p.Options.WelcomTitle, "Before");     // after it: unchanged
    EXPECT_EQ(p.ActionCount(), 0);
}

TEST(ProjectFileRefused, NumbersAreStrictlyDecimalAndInRange) {
    const std::string good = ProjectFileText(test::SampleProject());
    const std::string line7 = "\"&Cancel\"\r\n1\r\n";  // ContinueWhenError, 16-bit
    struct Case { std::string value; int error; };
    std::vector<Case> cases = {
        {" 1", kErrTypeMismatch}, {"1 ", kErrTypeMismatch}, {"+1", kErrTypeMismatch},
        {"&H1", kErrTypeMismatch}, {"1.0", kErrTypeMismatch}, {"", kErrTypeMismatch},
        {"-", kErrTypeMismatch}, {"\"1\"", kErrTypeMismatch},
        {"32768", kErrOverflow}, {"-32769", kErrOverflow},
        {"99999999999999999999", kErrTypeMismatch},
    };
    for (const Case& c : cases) {
        std::string text = good;
        text.replace(text.find(line7), line7.size(), "\"&Cancel\"\r\n" + c.value + "\r\n");
        Project p;
        ProjectLoadResult r = LoadProjectText(text, p, "");
        EXPECT_EQ(r.status, LoadStatus::ReadError) << c.value;
        EXPECT_EQ(r.errorNumber, c.error) << c.value;
    }
    for (std::string ok : {"-32768", "32767", "007"}) {
        std::string text = good;
        text.replace(text.find(line7), line7.size(), "\"&Cancel\"\r\n" + ok + "\r\n");
        Project p;
        EXPECT_EQ(LoadProjectText(text, p, "").status, LoadStatus::Loaded) << ok;
    }
}

// Numbers that name something (a Windows exit, an action kind, an add method, a registry
// root) must name one that exists; the lowest and highest ones load.
TEST(ProjectFileRefused, NumbersOutsideTheirKindsAreReadErrors) {
    Project one;
    one.Actions.emplace_back();
    const std::string good = ProjectFileText(one);
    const auto withLine = [&good](int number, const std::string& value) {
        size_t at = 0;
        for (int n = 1; n < number; ++n) at = good.find("\r\n", at) + 2;
        std::string text = good;
        text.replace(at, good.find("\r\n", at) - at, value);
        return text;
    };
    const struct {
        int line;  // 8 EndReboot, 12 FirstReBoot, 44 ActType, 45 AddMethod, 60 RegMain
        const char *low, *high, *below, *above;
    } cases[] = {{8, "0", "3", "-1", "4"},  {12, "0", "3", "-1", "4"}, {44, "0", "6", "-1", "7"},
                 {44, "0", "6", "-2147483648", "2147483647"}, {45, "0", "1", "-1", "2"}, {60, "0", "6", "-1", "7"}};
    for (const auto& c : cases) {
        for (const char* ok : {c.low, c.high}) {
            Project p;
            EXPECT_EQ(LoadProjectText(withLine(c.line, ok), p, "").status, LoadStatus::Loaded) << c.line << ": " << ok;
        }
        for (const char* bad : {c.below, c.above}) {
            Project p;
            const ProjectLoadResult r = LoadProjectText(withLine(c.line, bad), p, "");
            EXPECT_EQ(r.status, LoadStatus::ReadError) << c.line << ": " << bad;
            EXPECT_EQ(r.errorNumber, kErrOverflow) << c.line << ": " << bad;
        }
    }
}

TEST(ProjectFileRefused, TextAndBooleanLinesMustHaveTheirForm) {
    const std::string good = ProjectFileText(test::SampleProject());
    for (auto [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"\"Finished\"", "Finished"},
             {"\"Finished\"", "\"Finished"},
             {"\"Finished\"", "\""},
             {"#TRUE#", "TRUE"},
             {"#TRUE#", "#True#"}}) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        Project p;
        EXPECT_EQ(LoadProjectText(text, p, "").status, LoadStatus::ReadError) << to;
    }
}

TEST(ProjectFileLoad, CountsBelowOneAreEmptyListsAndExtraLinesAreIgnored) {
    std::string text = Golden("empty.prj");
    // AddKeyCount -3 (line 3), and lines after the last action block.
    text.replace(text.find("\r\n0\r\n"), 5, "\r\n-3\r\n");
    text += "\"trailing\"\r\n";
    Project p;
    ProjectLoadResult r = LoadProjectText(text, p, "");
    ASSERT_EQ(r.status, LoadStatus::Loaded) << r.message;
    EXPECT_EQ(p.Options.AddKeyCount(), 0);
}

TEST(ProjectFileLoad, LastLineWithoutLineEndAndBareLineEndsAreRead) {
    std::string text = Golden("two_bytes_one_ini.prj");
    text.resize(text.size() - 2);
    Project a;
    ASSERT_EQ(LoadProjectText(text, a, "").status, LoadStatus::Loaded);
    EXPECT_EQ(a.Action(1).RegSub, "");
    std::string lf;
    for (char ch : Golden("two_bytes_one_ini.prj")) if (ch != '\r') lf += ch;
    Project b;
    ASSERT_EQ(LoadProjectText(lf, b, "").status, LoadStatus::Loaded);
    EXPECT_EQ(b.Actions, a.Actions);
    // A lone CR ends a line too, so no text read can hold one that a save would refuse.
    std::string cr = lf;
    std::replace(cr.begin(), cr.end(), '\n', '\r');
    Project c;
    ASSERT_EQ(LoadProjectText(cr, c, "").status, LoadStatus::Loaded);
    EXPECT_EQ(c.Actions, a.Actions);
}

TEST(ProjectFileLoad, MoreThan32767ActionsAreRefused) {
    std::string text = Golden("empty.prj");
    text.replace(text.size() - 3, 3, "32768\r\n");
    Project p = Existing();
    ProjectLoadResult r = LoadProjectText(text, p, "");
    EXPECT_EQ(r.status, LoadStatus::ReadError);
    EXPECT_EQ(r.errorNumber, kErrOverflow);
    EXPECT_EQ(p.ActionCount(), 0);
}

TEST(ProjectFileFiles, MissingFileChangesNothing) {
    test::TempDir dir;
    Project p = Existing();
    Project before = p;
    ProjectLoadResult r = LoadProject(dir.Path("none.prj"), p, "");
    EXPECT_EQ(r.status, LoadStatus::ReadError);
    EXPECT_EQ(r.errorNumber, kErrFileNotFound);
    EXPECT_EQ(p.Actions, before.Actions);
    EXPECT_EQ(p.ProjectFile, before.ProjectFile);
}

TEST(ProjectFileFiles, SaveIntoAMissingFolderFailsAndKeepsModified) {
    test::TempDir dir;
    Project p = Existing();
    EXPECT_THROW(SaveProject(dir.Path("no\\such\\folder.prj"), p), Error);
    EXPECT_TRUE(p.Modified);
    EXPECT_EQ(p.ProjectFile, "C:\\before.prj");
}

TEST(ProjectFileFiles, SaveReplacesAnExistingFileWhole) {
    test::TempDir dir;
    const std::string path = dir.Path("p.prj");
    test::WriteFileBytes(path, std::string(100000, 'x'));
    Project p;
    SaveProject(path, p);
    EXPECT_EQ(test::ReadFileBytes(path), Golden("empty.prj"));
    EXPECT_EQ(test::ListFolder(dir.path()), "p.prj");  // no temporary file left
}

}  // namespace
}  // namespace quen
