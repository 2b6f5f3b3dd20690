// Command lines, a program's folder and OS family codes of the system services.
#include "startup/SystemText.h"

#include <gtest/gtest.h>

namespace quen {
namespace {

TEST(BuildCommandLine, ProgramPathComesFirstInQuotes) {
    EXPECT_EQ(BuildCommandLine("C:\\Program Files\\Q\\QCab.exe", ""), "\"C:\\Program Files\\Q\\QCab.exe\"");
    EXPECT_EQ(BuildCommandLine("C:\\t.exe", "/F a.ddf"), "\"C:\\t.exe\" /F a.ddf");
}

TEST(BuildCommandLine, LeadingBlankOfTheArgumentsIsTheSeparator) {
    EXPECT_EQ(BuildCommandLine("C:\\t.exe", " /F a.ddf"), "\"C:\\t.exe\" /F a.ddf");
    EXPECT_EQ(BuildCommandLine("C:\\t.exe", "  two"), "\"C:\\t.exe\"  two");
    EXPECT_EQ(BuildCommandLine("C:\\t.exe", "\"quoted arg\" x"), "\"C:\\t.exe\" \"quoted arg\" x");
}

TEST(ProgramFolderOfPath, TextBeforeTheLastBackslash) {
    EXPECT_EQ(ProgramFolder("C:\\Program Files\\Q\\QCab.exe"), "C:\\Program Files\\Q");
    EXPECT_EQ(ProgramFolder("C:\\x.exe"), "C:");
    EXPECT_EQ(ProgramFolder("x.exe"), "");
    EXPECT_EQ(ProgramFolder(""), "");
}

TEST(OsFamilyCode, PlatformIds) {
    EXPECT_EQ(OsFamilyCode(0), "31");
    EXPECT_EQ(OsFamilyCode(1), "9X");
    EXPECT_EQ(OsFamilyCode(2), "NT");
    EXPECT_EQ(OsFamilyCode(3), "Unknow");
    EXPECT_EQ(OsFamilyCode(0xFFFFFFFFul), "Unknow");
}

}  // namespace
}  // namespace quen
