// Which command lines name a script, and which one.
#include <gtest/gtest.h>

#include <set>

#include "runtime/CommandLine.h"

namespace {

using quen::ParseCommandLine;

TEST(CommandLine, ScriptAndResumeMarker) {
    const std::string blanks = "C:\\My Documents\\fix.qnl";
    const std::string unc = "\\\\server\\my share\\fix.qnl";
    const struct {
        std::string line;
        std::set<std::string> existing;
        const char* script;  // "" when the line names none (the editor opens)
        bool secondPhase;
    } kCases[] = {
        {"", {}, "", false},
        {"   ", {}, "", false},
        {"/A", {}, "", true},
        {"C:\\patch\\fix.qnl", {}, "C:\\patch\\fix.qnl", false},
        {"  D:\\x.QnL  ", {}, "D:\\x.QnL", false},  // the extension in any case
        {"/A C:\\p.qnl", {}, "C:\\p.qnl", true},
        {"C:\\p.qnl /A", {}, "C:\\p.qnl", true},
        {" C:\\p.qnl /A ", {}, "C:\\p.qnl", true},
        {"/a C:\\p.qnl", {}, "C:\\p.qnl", false},
        // Only full paths ending ".qnl" are scripts.
        {"fix.qnl", {}, "", false},
        {"C:fix.qnl", {}, "", false},
        {"C:\\fix.qnl.txt", {}, "", false},
        {"C:\\fix", {}, "", false},
        {"C:\\a.qnl C:\\b.qnl", {}, "C:\\b.qnl", false},  // the last one wins
        // Tokens are read until the first empty one: a comma pair or two blanks end the scan.
        {"x,,C:\\a.qnl", {}, "", false},
        {"C:\\p.qnl  /A", {}, "C:\\p.qnl", false},
        // A path with blanks: quoted, or unquoted when the whole text is an existing full path.
        {"\"" + blanks + "\" /A", {}, blanks.c_str(), true},
        {blanks, {}, "", false},
        {blanks + " /A", {blanks}, blanks.c_str(), true},
        {"My Documents\\fix.qnl", {"My Documents\\fix.qnl"}, "", false},
        {"C:My Documents\\fix.qnl", {"C:My Documents\\fix.qnl"}, "", false},
        {".\\My Documents\\fix.qnl", {".\\My Documents\\fix.qnl"}, "", false},
        {unc, {unc}, unc.c_str(), false},
        // A token that names a script is taken as before, even if the whole line exists too.
        {"C:\\a.qnl C:\\b c.qnl", {"C:\\a.qnl C:\\b c.qnl"}, "C:\\a.qnl", false},
    };
    for (const auto& c : kCases) {
        const auto exists = [&](const std::string& p) { return c.existing.count(p) > 0; };
        const auto r = ParseCommandLine(c.line, exists);
        EXPECT_EQ(r.hasScript, *c.script != '\0') << c.line;
        if (r.hasScript) {
            EXPECT_EQ(r.scriptFile, c.script) << c.line;
        }
        EXPECT_EQ(r.secondPhase, c.secondPhase) << c.line;
    }
}

}  // namespace
