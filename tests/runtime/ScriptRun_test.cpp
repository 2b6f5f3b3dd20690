// The runtime refuses scripts whose identifier is not exactly right, and unreadable ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "runtime/ScriptRun.h"
#include "support/RecordedUi.h"

namespace {

namespace fs = std::filesystem;
using quen::platform::LastMessages;

class ScriptIdentifier : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("quen-id-" + std::to_string(rd()));
        fs::create_directories(dir_);
        quen::platform::ClearMessages();
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string Write(const std::string& name, const std::string& content) {
        std::ofstream(dir_ / name, std::ios::binary) << content;
        return (dir_ / name).string();
    }
    void ExpectRefused(const std::string& commandLine) {
        int exitCode = -1;
        EXPECT_TRUE(quen::ScriptRun(commandLine, exitCode));
        EXPECT_EQ(exitCode, quen::kRunCancelledOrBadScript);
        ASSERT_EQ(LastMessages().size(), 1u);
        EXPECT_EQ(LastMessages()[0].text, "BAD Script File");
        EXPECT_EQ(LastMessages()[0].title, "Script ERROR");
        EXPECT_EQ(LastMessages()[0].icon, quen::platform::MsgIcon::Critical);
    }
    fs::path dir_;
};

TEST_F(ScriptIdentifier, NoScriptOnTheCommandLineOpensTheEditor) {
    int exitCode = -1;
    EXPECT_FALSE(quen::ScriptRun("", exitCode));
    EXPECT_FALSE(quen::ScriptRun("/A", exitCode));
    EXPECT_TRUE(LastMessages().empty());
}

TEST_F(ScriptIdentifier, WrongIdentifierIsRefused) {
    ExpectRefused(Write("a.qnl", "[Setup]\r\nScriptID=QuenlarkScript_99\r\nProcCount=0"));
}

TEST_F(ScriptIdentifier, TrailingBlankIsNotTrimmed) {
    ExpectRefused(Write("b.qnl", "[Setup]\r\nScriptID=QuenlarkScript_100 "));
}

// Natively a path has no drive letter, so only an existing script is taken at all.
#ifdef _WIN32
TEST_F(ScriptIdentifier, MissingScriptIsRefused) { ExpectRefused((dir_ / "missing.qnl").string()); }
#endif

}  // namespace
