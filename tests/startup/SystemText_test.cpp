// Command lines and a program's folder for the system services.
#include "startup/SystemText.h"

#include <gtest/gtest.h>

namespace quen {
namespace {

// The program path in quotes, then one blank, then the arguments.
TEST(SystemText, CommandLineAndProgramFolder) {
    const struct { const char* program; const char* args; const char* line; } kCases[] = {
        {"C:\\Program Files\\Q\\QCab.exe", "", "\"C:\\Program Files\\Q\\QCab.exe\""},
        {"C:\\t.exe", "/F a.ddf", "\"C:\\t.exe\" /F a.ddf"},
        {"C:\\t.exe", " /F a.ddf", "\"C:\\t.exe\" /F a.ddf"},  // a leading blank is the separator
        {"C:\\t.exe", "  two", "\"C:\\t.exe\"  two"},
        {"C:\\t.exe", "\"quoted arg\" x", "\"C:\\t.exe\" \"quoted arg\" x"},
    };
    for (const auto& c : kCases) EXPECT_EQ(BuildCommandLine(c.program, c.args), c.line) << c.args;
    // The program's folder: the text before the last backslash.
    EXPECT_EQ(ProgramFolder("C:\\Program Files\\Q\\QCab.exe"), "C:\\Program Files\\Q");
    EXPECT_EQ(ProgramFolder("C:\\x.exe"), "C:");
    EXPECT_EQ(ProgramFolder("x.exe"), "");
    EXPECT_EQ(ProgramFolder(""), "");
}

}  // namespace
}  // namespace quen
