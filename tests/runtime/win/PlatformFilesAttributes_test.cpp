// The engine's file access on real Windows files with attributes: read-only, hidden and
// system targets are moved aside (as before a replace), renamed over and deleted.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/PlatformPorts.h"
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

}  // namespace
}  // namespace quen::runtime
