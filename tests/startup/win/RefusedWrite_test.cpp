// AppINI on Windows when the system refuses the rewrite: a full disk and a read-only folder
// leave the file whole. The folders come from refused-writes.sh (mounts need root); the
// plain win_tests run skips these.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "startup/AppINI.h"
#include "support/TempDir.h"

namespace quen {
namespace {

const std::string kOriginal = "[S]\r\nK=old\r\n[T]\r\nL=1\r\n";

std::string FolderFromEnv(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

TEST(RefusedWrite, FullDiskLeavesFileWhole) {
    const std::string folder = FolderFromEnv("QUEN_FULL_DISK_DIR");
    if (folder.empty()) GTEST_SKIP() << "run through refused-writes.sh";
    const std::string file = folder + "\\a.ini";
    test::WriteFileBytes(file, kOriginal);
    std::string filler;
    while (filler.size() < 256 * 1024) filler += std::string(4096, 'x');
    try {
        test::WriteFileBytes(folder + "\\filler", filler);  // fails once the disk is full
    } catch (const std::exception&) {
    }
    AppINI ini{file, "S"};
    EXPECT_FALSE(ini.WriteKey("K", std::string(16 * 1024, 'v')));
    EXPECT_FALSE(ini.DelKey("K"));
    EXPECT_EQ(test::ReadFileBytes(file), kOriginal);
    EXPECT_EQ(test::ListFolder(folder), "a.ini,filler");
}

TEST(RefusedWrite, ReadOnlyFolderLeavesFileWhole) {
    const std::string folder = FolderFromEnv("QUEN_READONLY_DIR");
    if (folder.empty()) GTEST_SKIP() << "run through refused-writes.sh";
    const std::string file = folder + "\\a.ini";
    ASSERT_EQ(test::ReadFileBytes(file), kOriginal);
    AppINI ini{file, "S"};
    EXPECT_FALSE(ini.WriteKey("K", "new"));
    EXPECT_FALSE(ini.WriteKey("New", "1"));
    EXPECT_FALSE(ini.DelKey("K"));
    std::string value;
    EXPECT_TRUE(ini.ReadKey("K", value));
    EXPECT_EQ(value, "old");
    EXPECT_EQ(test::ReadFileBytes(file), kOriginal);
    EXPECT_EQ(test::ListFolder(folder), "a.ini");
}

}  // namespace
}  // namespace quen
