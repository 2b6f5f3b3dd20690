// Which command lines name a script, and which one.
#include <gtest/gtest.h>

#include <set>

#include "runtime/CommandLine.h"

namespace {

using quen::ParseCommandLine;

auto Existing(std::set<std::string> files) {
    return [files](const std::string& p) { return files.count(p) > 0; };
}
const auto kNone = Existing({});

TEST(CommandLineTokens, EmptyAndMarkerOnlyOpenTheEditor) {
    EXPECT_FALSE(ParseCommandLine("", kNone).hasScript);
    EXPECT_FALSE(ParseCommandLine("   ", kNone).hasScript);
    const auto r = ParseCommandLine("/A", kNone);
    EXPECT_FALSE(r.hasScript);
    EXPECT_TRUE(r.secondPhase);
}

TEST(CommandLineTokens, FullPathWithQnlExtensionInAnyCase) {
    auto r = ParseCommandLine("C:\\patch\\fix.qnl", kNone);
    EXPECT_TRUE(r.hasScript);
    EXPECT_EQ(r.scriptFile, "C:\\patch\\fix.qnl");
    EXPECT_FALSE(r.secondPhase);
    EXPECT_EQ(ParseCommandLine("  D:\\x.QnL  ", kNone).scriptFile, "D:\\x.QnL");
}

TEST(CommandLineTokens, ResumeMarkerBeforeOrAfterTheScript) {
    for (const char* line : {"/A C:\\p.qnl", "C:\\p.qnl /A", " C:\\p.qnl /A "}) {
        const auto r = ParseCommandLine(line, kNone);
        EXPECT_TRUE(r.hasScript) << line;
        EXPECT_TRUE(r.secondPhase) << line;
        EXPECT_EQ(r.scriptFile, "C:\\p.qnl") << line;
    }
    EXPECT_FALSE(ParseCommandLine("/a C:\\p.qnl", kNone).secondPhase);
}

TEST(CommandLineTokens, RelativePathsAndOtherExtensionsAreNoScripts) {
    EXPECT_FALSE(ParseCommandLine("fix.qnl", kNone).hasScript);
    EXPECT_FALSE(ParseCommandLine("C:fix.qnl", kNone).hasScript);
    EXPECT_FALSE(ParseCommandLine("C:\\fix.qnl.txt", kNone).hasScript);
    EXPECT_FALSE(ParseCommandLine("C:\\fix", kNone).hasScript);
}

TEST(CommandLineTokens, LastScriptTokenWins) {
    EXPECT_EQ(ParseCommandLine("C:\\a.qnl C:\\b.qnl", kNone).scriptFile, "C:\\b.qnl");
}

TEST(CommandLineTokens, AnEmptyTokenEndsTheScan) {
    // Tokens are read until the first empty one: a comma pair or two blanks end the scan.
    EXPECT_FALSE(ParseCommandLine("x,,C:\\a.qnl", kNone).hasScript);
    const auto r = ParseCommandLine("C:\\p.qnl  /A", kNone);
    EXPECT_TRUE(r.hasScript);
    EXPECT_FALSE(r.secondPhase);
}

TEST(CommandLineBlanks, QuotedPathWithBlanks) {
    const auto r = ParseCommandLine("\"C:\\My Documents\\fix.qnl\" /A", kNone);
    EXPECT_TRUE(r.hasScript);
    EXPECT_TRUE(r.secondPhase);
    EXPECT_EQ(r.scriptFile, "C:\\My Documents\\fix.qnl");
}

TEST(CommandLineBlanks, UnquotedPathWithBlanksMustExist) {
    const std::string path = "C:\\My Documents\\fix.qnl";
    EXPECT_FALSE(ParseCommandLine(path, kNone).hasScript);
    const auto r = ParseCommandLine(path + " /A", Existing({path}));
    EXPECT_TRUE(r.hasScript);
    EXPECT_EQ(r.scriptFile, path);
    EXPECT_TRUE(r.secondPhase);
}

TEST(CommandLineBlanks, UnquotedPathWithBlanksMustBeAFullPath) {
    for (const std::string path : {"My Documents\\fix.qnl", "C:My Documents\\fix.qnl", ".\\My Documents\\fix.qnl"}) {
        EXPECT_FALSE(ParseCommandLine(path, Existing({path})).hasScript) << path;
    }
    const std::string unc = "\\\\server\\my share\\fix.qnl";
    EXPECT_EQ(ParseCommandLine(unc, Existing({unc})).scriptFile, unc);
}

TEST(CommandLineBlanks, TokenRuleWinsOverTheWholeText) {
    // A token that names a script is taken as before, even if the whole line exists too.
    const auto r = ParseCommandLine("C:\\a.qnl C:\\b c.qnl", Existing({"C:\\a.qnl C:\\b c.qnl"}));
    EXPECT_EQ(r.scriptFile, "C:\\a.qnl");
}

}  // namespace
