// The main window's caption names the project file, or says the project is untitled.
#include <gtest/gtest.h>

#include "editor/MainCaption.h"

TEST(MainCaption, UntitledProject) {
    EXPECT_EQ(quen::MainWindowCaption("Quenlark", "", "Untitled Project"), "Quenlark - Untitled Project");
}

TEST(MainCaption, ProjectFileShownAsStored) {
    EXPECT_EQ(quen::MainWindowCaption("Quenlark", "C:\\p\\a b.prj", "Untitled Project"), "Quenlark - C:\\p\\a b.prj");
}
