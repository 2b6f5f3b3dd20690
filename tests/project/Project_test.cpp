// Tests of the project-level operations: delete, apply to others, options fields.
#include <gtest/gtest.h>

#include "project/Project.h"

namespace quen {
namespace {

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
