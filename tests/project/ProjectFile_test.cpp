// Tests of the project file: golden files, round trips, refused and broken files.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/Errors.h"
#include "project/ProjectFile.h"
#include "project/SampleProjects.h"
#include "support/Raised.h"
#include "support/TempDir.h"

namespace quen {
namespace {

std::string Golden(const std::string& name) {
    std::string bytes = test::ReadFileBytes(std::string(QUEN_TEST_DATA) + "/project/" + name);
    EXPECT_FALSE(bytes.empty()) << name;
    return bytes;
}

// A project already in memory, to see what a refused file may change.
Project Existing() {
    Project p = test::SampleProject();
    p.Options.WelcomTitle = "Before";
    p.Options.AddKey = {"before"};
    p.ProjectFile = "C:\\before.prj";
    p.Modified = true;
    return p;
}

// The text with line `number` (from 1) replaced.
std::string WithLine(const std::string& text, int number, const std::string& value) {
    size_t at = 0;
    for (int n = 1; n < number; ++n) at = text.find("\r\n", at) + 2;
    return std::string(text).replace(at, text.find("\r\n", at) - at, value);
}

// Text round trips of every field: projectfile_fuzz; saved and opened again: e2e/editor.sh.
TEST(ProjectFileSave, ReplacesTheFileWhole) {
    test::TempDir dir;
    const std::string path = dir.Path("every.prj");
    test::WriteFileBytes(path, std::string(100000, 'x'));
    Project p = test::SampleProject();
    p.Modified = true;
    SaveProject(path, p);
    EXPECT_FALSE(p.Modified);
    EXPECT_EQ(p.ProjectFile, path);
    EXPECT_EQ(test::ReadFileBytes(path), Golden("two_bytes_one_ini.prj"));
    EXPECT_EQ(test::ListFolder(dir.path()), "every.prj");  // no temporary file left
}

// The three window texts keep every line break as CR LF (each break form: base/Text_test);
// "\n" typed in them comes back as a line break, in other texts as typed.
TEST(ProjectFileTexts, WindowTextLineBreaks) {
    Project p, back;
    p.Options.WelcomText = p.Options.InfoText = p.Options.EndText = "a\n\r\r\nb C:\\new";
    p.Options.WelcomTitle = "C:\\new";
    ASSERT_EQ(LoadProjectText(ProjectFileText(p), back, "").status, LoadStatus::Loaded);
    for (const std::string* text : {&back.Options.WelcomText, &back.Options.InfoText, &back.Options.EndText})
        EXPECT_EQ(*text, "a\r\n\r\n\r\nb C:\r\new");
    EXPECT_EQ(back.Options.WelcomTitle, "C:\\new");
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
        {[](Project&) {}, "no such folder"},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        const bool badFolder = std::string(c.named) == "no such folder";
        const std::string path = badFolder ? dir.Path("no\\such\\folder.prj") : dir.Path("p.prj");
        if (!badFolder) test::WriteFileBytes(path, "old");
        Project p = Existing();
        c.breakIt(p);
        const test::Raised r = test::RaisedBy([&] { SaveProject(path, p); });
        EXPECT_NE(r.number, 0);
        EXPECT_TRUE(badFolder || r.text.find(c.named) != std::string::npos) << r.text;
        EXPECT_EQ(test::ReadFileBytes(path), badFolder ? "" : "old");
        EXPECT_TRUE(p.Modified);
        EXPECT_EQ(p.ProjectFile, "C:\\before.prj");
    }
}

TEST(ProjectFileRefused, WrongHeaderChangesNothingButModified) {
    const std::string good = Golden("empty.prj");
    for (const std::string& text : {WithLine(good, 1, "\"Dravin Project File V1.1\""),
                                    WithLine(good, 1, "\"dravin project file v1.0\""),
                                    std::string("\"Dravin Project File V1.0 \"\r\n"),
                                    std::string("Dravin Project File V1.0\r\n"), std::string(), std::string("\r\n"),
                                    std::string("[Templet]\r\nQuenlarkTempletFileID=Quenlark Templet")}) {
        Project p = Existing();
        const Project before = p;
        EXPECT_EQ(LoadProjectText(text, p, "< Previous >").status, LoadStatus::WrongHeader) << text;
        EXPECT_FALSE(p.Modified);
        EXPECT_EQ(p.Options, before.Options);
        EXPECT_EQ(p.Actions, before.Actions);
        EXPECT_EQ(p.ProjectFile, before.ProjectFile);
    }
}

// A bad line is a read error: no action is left, the options read before it hold the
// file's values, those after it are unchanged, and a later Save must ask for a name.
TEST(ProjectFileRefused, BadLinesAreReadErrors) {
    Project one;
    one.Actions.emplace_back();
    const std::string sample = ProjectFileText(test::SampleProject()), single = ProjectFileText(one);
    const struct {
        const std::string& text;
        int line;  // 7 ContinueWhenError, 8 EndReboot, 12 FirstReBoot, 44 ActType, 45 AddMethod, 60 RegMain
        std::vector<std::string> loads, refused;
        int error;
    } cases[] = {
        {sample, 7, {"-32768", "32767", "007"}, {" 1", "1 ", "+1", "&H1", "1.0", "", "-", "\"1\"",
                                                "99999999999999999999"}, kErrTypeMismatch},
        {sample, 7, {}, {"32768", "-32769"}, kErrOverflow},
        {sample, 11, {}, {"Finished", "\"Finished", "\""}, kErrTypeMismatch},  // a text line
        {sample, 30, {}, {"TRUE", "#True#"}, kErrTypeMismatch},                // a boolean line
        {single, 8, {"0", "3"}, {"-1", "4"}, kErrOverflow},
        {single, 12, {"0", "3"}, {"-1", "4"}, kErrOverflow},
        {single, 44, {"0", "6"}, {"-1", "7", "-2147483648", "2147483647"}, kErrOverflow},
        {single, 45, {"0", "1"}, {"-1", "2"}, kErrOverflow},
        {single, 60, {"0", "6"}, {"-1", "7"}, kErrOverflow},
    };
    for (const auto& c : cases) {
        for (const std::string& ok : c.loads) {
            Project p;
            EXPECT_EQ(LoadProjectText(WithLine(c.text, c.line, ok), p, "").status, LoadStatus::Loaded)
                << c.line << ": " << ok;
        }
        for (const std::string& bad : c.refused) {
            Project p = Existing();
            const ProjectLoadResult r = LoadProjectText(WithLine(c.text, c.line, bad), p, "");
            EXPECT_EQ(r.status, LoadStatus::ReadError) << c.line << ": " << bad;
            EXPECT_EQ(r.errorNumber, c.error) << c.line << ": " << bad;
            EXPECT_EQ(p.ActionCount(), 0);
            EXPECT_EQ(p.ProjectFile, "");
            EXPECT_FALSE(p.Modified);
            if (&c.text != &sample) continue;
            EXPECT_EQ(p.Options.AddKey, test::SampleOptions().AddKey);  // read before the bad line
            EXPECT_EQ(p.Options.WelcomTitle, "Before");                 // after it: unchanged
        }
    }
}

TEST(ProjectFileRefused, CutInsideAnActionBlockOrTooManyActions) {
    Project src = test::SampleProject();
    src.Actions.push_back(test::SampleByteAction());
    src.Actions.push_back(test::SampleByteAction());
    std::string cut = ProjectFileText(src);
    cut.resize(cut.rfind("\"C:\\Demo\\demo.exe\""));  // inside the third block
    std::string many = Golden("empty.prj");
    many.replace(many.size() - 3, 3, "32768\r\n");
    for (const auto& [text, error] : {std::pair{cut, kErrInputPastEnd}, std::pair{many, kErrOverflow}}) {
        Project p = Existing();
        const ProjectLoadResult r = LoadProjectText(text, p, "< Previous >");
        EXPECT_EQ(r.status, LoadStatus::ReadError);
        EXPECT_EQ(r.errorNumber, error);
        EXPECT_EQ(p.ActionCount(), 0);
    }
    Project p = Existing();
    LoadProjectText(cut, p, "");
    EXPECT_EQ(p.Options, src.Options);  // all read before the break
}

// The golden file (as written: ProjectFileSave) reads back, also without its last line end.
TEST(ProjectFileLoad, GoldenAndLenientForms) {
    const std::string sample = Golden("two_bytes_one_ini.prj");
    EXPECT_EQ(ProjectFileText(Project()), Golden("empty.prj"));
    Project a;
    a.Modified = true;
    ASSERT_EQ(LoadProjectText(sample.substr(0, sample.size() - 2), a, "").status, LoadStatus::Loaded);
    EXPECT_EQ(a.Options, test::SampleProject().Options);
    EXPECT_EQ(a.Actions, test::SampleProject().Actions);
    EXPECT_FALSE(a.Modified);
    // Bare LF, and a lone CR (so no text read can hold one that a save would refuse).
    std::string lf;
    std::copy_if(sample.begin(), sample.end(), std::back_inserter(lf), [](char ch) { return ch != '\r'; });
    std::string cr = lf;
    std::replace(cr.begin(), cr.end(), '\n', '\r');
    for (const std::string& text : {lf, cr}) {
        Project b;
        ASSERT_EQ(LoadProjectText(text, b, "").status, LoadStatus::Loaded);
        EXPECT_EQ(b.Actions, a.Actions);
    }
    // A count below one is an empty list; lines after the last action block are ignored.
    Project c;
    ASSERT_EQ(LoadProjectText(WithLine(Golden("empty.prj"), 3, "-3") + "\"trailing\"\r\n", c, "").status,
              LoadStatus::Loaded);
    EXPECT_EQ(c.Options.AddKeyCount(), 0);
}

}  // namespace
}  // namespace quen
