// The program title carries the name and the version.
#include <gtest/gtest.h>

#include "startup/ProgramInfo.h"

TEST(ProgramInfo, TitleNamesProgramAndVersion) {
    EXPECT_EQ(quen::ProgramTitleWithVersion(), "Quenlark 1.0");
}
