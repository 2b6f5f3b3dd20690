// Tests of opening a project file as the user sees it: the messages of refused files.
#include <gtest/gtest.h>

#include "options/Lang.h"
#include "project/ProjectFile.h"
#include "project/ProjectOpen.h"
#include "project/SampleProjects.h"
#include "support/RecordedUi.h"
#include "support/TempDir.h"

namespace quen {
namespace {

using platform::LastMessages;
using platform::MsgIcon;

class ProjectOpenTest : public ::testing::Test {
protected:
    void SetUp() override { platform::ClearMessages(); }
    test::TempDir dir;
    Lang lang;
    Project project = test::SampleProject();
};

TEST_F(ProjectOpenTest, GoodFileLoadsSilently) {
    Project other;
    SaveProject(dir.Path("a.prj"), other);
    EXPECT_TRUE(OpenProjectFile(dir.Path("a.prj"), project, lang));
    EXPECT_TRUE(LastMessages().empty());
    EXPECT_EQ(project.ActionCount(), 0);
    EXPECT_EQ(project.ProjectFile, dir.Path("a.prj"));
}

TEST_F(ProjectOpenTest, WrongHeaderShowsFileFormatError) {
    test::WriteFileBytes(dir.Path("t.tpl"), "[Templet]\r\nQuenlarkTempletFileID=Quenlark Templet");
    project.ProjectFile = "C:\\mine.prj";
    EXPECT_FALSE(OpenProjectFile(dir.Path("t.tpl"), project, lang));
    ASSERT_EQ(LastMessages().size(), 1u);
    EXPECT_EQ(LastMessages()[0].text, "File Format Error!");
    EXPECT_EQ(LastMessages()[0].title, "Error");
    EXPECT_EQ(LastMessages()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(project.ActionCount(), 1);
    EXPECT_EQ(project.ProjectFile, "C:\\mine.prj");
}

TEST_F(ProjectOpenTest, CutFileIsReportedUnderLoadProject) {
    std::string text = ProjectFileText(test::SampleProject());
    text.resize(text.rfind("\r\n", text.size() - 3) + 2);  // the last line is missing
    test::WriteFileBytes(dir.Path("cut.prj"), text);
    EXPECT_FALSE(OpenProjectFile(dir.Path("cut.prj"), project, lang));
    ASSERT_EQ(LastMessages().size(), 1u);
    EXPECT_EQ(LastMessages()[0].text,
              "Unknow Error!\r\n\r\nError Number :  62\r\nErrModal : MainModal_LoadProject");
    EXPECT_EQ(LastMessages()[0].title, "Error");
    EXPECT_EQ(project.ActionCount(), 0);
    EXPECT_EQ(project.ProjectFile, "");
}

TEST_F(ProjectOpenTest, MissingFileIsReportedAndChangesNothing) {
    EXPECT_FALSE(OpenProjectFile(dir.Path("none.prj"), project, lang));
    ASSERT_EQ(LastMessages().size(), 1u);
    EXPECT_NE(LastMessages()[0].text.find("Error Number :  53\r\nErrModal : MainModal_LoadProject"),
              std::string::npos);
    EXPECT_EQ(project.ActionCount(), 1);
}

}  // namespace
}  // namespace quen
