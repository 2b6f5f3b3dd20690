// Tests of opening a project file as the user sees it: the messages of refused files.
#include <gtest/gtest.h>

#include "options/Lang.h"
#include "project/ProjectFile.h"
#include "editor/ProjectOpen.h"
#include "project/SampleProjects.h"
#include "support/RecordedUi.h"
#include "support/TempDir.h"

namespace quen {
namespace {

using platform::LastMessages;
using platform::MsgIcon;

// A good file loads silently; a wrong header shows "File Format Error!"; any other failure
// goes to the error report under the load's name. What a refused file may change is the
// project file's own test.
TEST(ProjectOpen, MessagesOfRefusedFiles) {
    test::TempDir dir;
    Project empty;
    SaveProject(dir.Path("a.prj"), empty);
    test::WriteFileBytes(dir.Path("t.tpl"), "[Templet]\r\nQuenlarkTempletFileID=Quenlark Templet");
    std::string cut = ProjectFileText(test::SampleProject());
    test::WriteFileBytes(dir.Path("cut.prj"), cut.substr(0, cut.rfind("\r\n", cut.size() - 3) + 2));
    const Lang lang;
    // message "": none.
    const struct { const char* file; const char* message; } cases[] = {
        {"a.prj", ""},
        {"t.tpl", "File Format Error!"},
        {"cut.prj", "Unknow Error!\r\n\r\nError Number :  62\r\nErrModal : MainModal_LoadProject"},
        {"none.prj", "Unknow Error!\r\n\r\nError Number :  53\r\nErrModal : MainModal_LoadProject"},
    };
    for (const auto& c : cases) {
        platform::ClearMessages();
        Project project = test::SampleProject();
        EXPECT_EQ(OpenProjectFile(dir.Path(c.file), project, lang), !*c.message) << c.file;
        if (!*c.message) {
            EXPECT_TRUE(LastMessages().empty());
            continue;
        }
        ASSERT_EQ(LastMessages().size(), 1u) << c.file;
        EXPECT_EQ(LastMessages()[0].text, c.message);
        EXPECT_EQ(LastMessages()[0].title, "Error");
        EXPECT_EQ(LastMessages()[0].icon, MsgIcon::Exclamation);
    }
}

// Explorer's open command passes the path unquoted, blanks and all; anything else on the
// line keeps the editor's own start.
TEST(ProjectOpen, ProjectOnCommandLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\My Patches\\fix.prj", "C:\\My Patches\\fix.prj"}, {" \"C:\\a b\\Fix.PRJ\" ", "C:\\a b\\Fix.PRJ"},
        {"", ""}, {"C:\\fix.qnl", ""}, {"C:\\fix.prj /S", ""}, {".prj", ".prj"}, {"prj", ""},
    };
    for (const auto& [line, want] : cases) EXPECT_EQ(ProjectOnCommandLine(line), want) << line;
}

}  // namespace
}  // namespace quen
