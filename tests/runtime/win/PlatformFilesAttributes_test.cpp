// The engine's file access on real Windows files with attributes: read-only, hidden and
// system targets are moved aside (as before a replace), renamed over and deleted; a script
// read key by key sees every change made to it between reads.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/PlatformPorts.h"
#include "base/Errors.h"
#include "support/Raised.h"
#include "support/TempDir.h"

namespace quen::runtime {
namespace {

TEST(RuntimeWinFiles, ReplaceRenameAndDeleteOverAttributes) {
    test::TempDir dir_;
    PlatformFiles files_;
    auto Put = [&](const char* name, const std::string& content, DWORD attrs) {
        const std::string p = dir_.Path(name);
        test::WriteFileBytes(p, content);
        SetFileAttributesA(p.c_str(), attrs);
        return p;
    };
    const std::string t = Put("t.bin", "old", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(files_.Exists(t));
    EXPECT_TRUE(files_.MoveReplace(t, t + ".~qk1"));
    EXPECT_TRUE(files_.WriteFlushed(t, Bytes{'n', 'e', 'w'}));
    EXPECT_EQ(test::ReadFileBytes(t) + test::ReadFileBytes(t + ".~qk1"), "newold");

    const std::string a = Put("a.txt", "moved", FILE_ATTRIBUTE_NORMAL);
    const std::string b = Put("b.txt", "replaced", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_TRUE(files_.MoveReplace(a, b));
    EXPECT_EQ(test::ReadFileBytes(b), "moved");
    EXPECT_FALSE(files_.Exists(a));

    SetFileAttributesA(b.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_TRUE(files_.DeleteForce(b));
    EXPECT_FALSE(files_.Exists(b));
    EXPECT_TRUE(files_.DeleteForce(b));  // missing counts as deleted
    EXPECT_FALSE(files_.DeleteForce(dir_.path()));  // a folder is not a file to delete
}

TEST(RuntimeWinFiles, ScriptKeysFollowEveryChangeOfTheFile) {
    test::TempDir dir;
    AppIniFiles ini;
    const std::string script = dir.Path("Setup.ini");
    std::string value;
    test::WriteFileBytes(script, "[Setup]\r\nA=1");
    ASSERT_TRUE(ini.ReadKey(" " + script, "Setup", "A", value));
    EXPECT_EQ(value, "1");
    // The same length, then written through the port, then cut short.
    for (const auto& [text, want] : {std::pair{"[Setup]\r\nA=2", "2"}, {"", "3"}, {"[Setup]", ""}}) {
        if (*text) test::WriteFileBytes(script, text);
        else ASSERT_TRUE(ini.WriteKey(script, "Setup", "A", "3"));
        EXPECT_EQ(ini.ReadKey(script, "Setup", "A", value), *want != 0) << text;
        EXPECT_EQ(value, want) << text;
    }
    EXPECT_EQ(test::RaisedBy([&] { ini.ReadKey(dir.Path("none.ini"), "Setup", "A", value); }).number, kErrFileNotFound);
}

}  // namespace
}  // namespace quen::runtime
