// AppINI when the system refuses the rewrite (full disk, read-only folder): the old file
// stays whole. Native only: the kernel enforces these through mounts, which need root.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "startup/AppINI.h"
#include "support/TempDir.h"

namespace quen {
namespace {

std::string Native(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// A mount over a test folder, undone at the end of the test.
class Mount {
public:
    explicit Mount(const std::string& folder) : folder_(Native(folder)) {}
    Mount(const Mount&) = delete;
    Mount& operator=(const Mount&) = delete;
    ~Mount() {
        if (mounted_) Run("umount '" + folder_ + "'");
    }
    bool TinyTmpfs() { return mounted_ = Run("mount -t tmpfs -o size=64k tmpfs '" + folder_ + "'"); }
    bool ReadOnlyBind() {
        mounted_ = Run("mount --bind '" + folder_ + "' '" + folder_ + "'");
        return mounted_ && Run("mount -o remount,bind,ro '" + folder_ + "'");
    }

private:
    static bool Run(const std::string& command) { return std::system((command + " 2>/dev/null").c_str()) == 0; }
    std::string folder_;
    bool mounted_ = false;
};

class AppINIRefusedWrite : public ::testing::Test {
protected:
    AppINI Ini() const {
        AppINI ini;
        ini.FileName = file_;
        ini.Section = "S";
        return ini;
    }
    test::TempDir dir_;
    std::string folder_ = dir_.Path("m");
    std::string file_ = folder_ + "\\a.ini";
    const std::string original_ = "[S]\r\nK=old\r\n[T]\r\nL=1\r\n";
};

TEST_F(AppINIRefusedWrite, FullDiskLeavesFileWhole) {
    ASSERT_EQ(std::system(("mkdir -p '" + Native(folder_) + "'").c_str()), 0);
    Mount mount(folder_);
    if (!mount.TinyTmpfs()) GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
    test::WriteFileBytes(file_, original_);
    // Fill the disk; the filler's own write failure is expected.
    const std::string chunk(4096, 'x');
    std::string filler;
    while (filler.size() < 256 * 1024) filler += chunk;
    try {
        test::WriteFileBytes(folder_ + "\\filler", filler);
    } catch (const std::exception&) {
    }
    AppINI ini = Ini();
    EXPECT_FALSE(ini.WriteKey("K", std::string(16 * 1024, 'v')));
    EXPECT_FALSE(ini.DelKey("K"));
    EXPECT_EQ(test::ReadFileBytes(file_), original_);
    EXPECT_EQ(test::ListFolder(folder_), "a.ini,filler");
}

TEST_F(AppINIRefusedWrite, ReadOnlyFolderLeavesFileWhole) {
    ASSERT_EQ(std::system(("mkdir -p '" + Native(folder_) + "'").c_str()), 0);
    test::WriteFileBytes(file_, original_);
    Mount mount(folder_);
    if (!mount.ReadOnlyBind()) GTEST_SKIP() << "cannot make a read-only bind mount here (needs root)";
    AppINI ini = Ini();
    EXPECT_FALSE(ini.WriteKey("K", "new"));
    EXPECT_FALSE(ini.WriteKey("New", "1"));
    EXPECT_FALSE(ini.DelKey("K"));
    std::string value;
    EXPECT_TRUE(ini.ReadKey("K", value));
    EXPECT_EQ(value, "old");
    EXPECT_EQ(test::ReadFileBytes(file_), original_);
}

}  // namespace
}  // namespace quen

#endif
