// Tests of loading templates as the user sees it, the default template at start included.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "options/Lang.h"
#include "options/Templet.h"
#include "options/TempletLoad.h"
#include "support/RecordedUi.h"
#include "support/TempDir.h"

namespace quen {
namespace {

using platform::LastMessages;

class TempletLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::ClearMessages();
        good.AddKey = {"STR,HKCU,S,N,V"};
        SaveTemplet(dir.Path("good.tpl"), good);
    }
    test::TempDir dir;
    Lang lang;
    PatchOptions good;
};

TEST_F(TempletLoadTest, WrongFileShowsItsMessageAndChangesNothing) {
    test::WriteFileBytes(dir.Path("bad.tpl"), "[Templet]\r\nQuenlarkTempletFileID=quenlark templet");
    PatchOptions o;
    o.EndTitle = "mine";
    EXPECT_FALSE(LoadTemplet(dir.Path("bad.tpl"), o, lang));
    ASSERT_EQ(LastMessages().size(), 1u);
    EXPECT_EQ(LastMessages()[0].text, "Wrong Templet File!");
    EXPECT_EQ(LastMessages()[0].title, "Error");
    EXPECT_EQ(LastMessages()[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(o.EndTitle, "mine");
}

TEST_F(TempletLoadTest, OtherFailuresReachTheCaller) {
    PatchOptions o;
    EXPECT_THROW(LoadTemplet(dir.Path("none.tpl"), o, lang), Error);
    EXPECT_TRUE(LastMessages().empty());
}

// (A wrong default template at start: editor/ProgramInit_test.)
TEST_F(TempletLoadTest, DefaultTemplateThatFailsLeavesEmptyOptions) {
    std::string text = test::ReadFileBytes(dir.Path("good.tpl"));
    size_t at = text.find("InterFaceFont_Size=0");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 20, "InterFaceFont_Size=big");
    test::WriteFileBytes(dir.Path("broken.tpl"), text);
    PatchOptions atStart;
    EXPECT_FALSE(LoadDefaultTemplet(dir.Path("broken.tpl"), atStart, lang));
    ASSERT_EQ(LastMessages().size(), 1u);
    EXPECT_EQ(LastMessages()[0].text, "Unknow Error!\r\n\r\nError Number :  13\r\nErrModal : Unknow");
    EXPECT_EQ(atStart, PatchOptions{});  // a good one: editor/ProgramInit_test
}

}  // namespace
}  // namespace quen
