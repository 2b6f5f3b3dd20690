// The patch executable's command line: switches, quoting, the resumed run, refusals.
#include <gtest/gtest.h>

#include "runtime/HeadCommandLine.h"

using namespace quen::runtime;

TEST(HeadCommandLine, SwitchesAndQuotes) {
    const struct {
        const char* line;
        bool silent, resume;
        const char* dir;
        const char* log;
        const char* script;
    } cases[] = {
        {"", false, false, "", "", ""},
        {"/S", true, false, "", "", ""},
        {" /s  /d=C:\\App ", true, false, "C:\\App", "", ""},
        {"/D=\"C:\\My App\" /LOG=C:\\l.txt", false, false, "C:\\My App", "C:\\l.txt", ""},
        {"\"/log=C:\\a b.txt\"", false, false, "", "C:\\a b.txt", ""},
        {"/S /A \"C:\\T\\Q P\\Setup.ini\"", true, true, "", "", "C:\\T\\Q P\\Setup.ini"},
    };
    for (const auto& c : cases) {
        const HeadOptions o = ParseHeadCommandLine(c.line);
        EXPECT_EQ(o.error, "") << c.line;
        EXPECT_EQ(o.silent, c.silent) << c.line;
        EXPECT_EQ(o.resume, c.resume) << c.line;
        EXPECT_EQ(o.answerDir, c.dir) << c.line;
        EXPECT_EQ(o.logFile, c.log) << c.line;
        EXPECT_EQ(o.resumeId, c.script) << c.line;
    }
    for (const char* bad : {"/X", "C:\\p.exe", "/D=", "/LOG=", "/A", "/SS"})
        EXPECT_NE(ParseHeadCommandLine(bad).error, "") << bad;
    // The resumed run keeps silence, answer and log.
    EXPECT_EQ(ResumeSwitches(ParseHeadCommandLine("")), "");
    EXPECT_EQ(ResumeSwitches(ParseHeadCommandLine("/S /D=\"C:\\A B\" /LOG=C:\\l")), "/S \"/D=C:\\A B\" \"/LOG=C:\\l\"");
}
