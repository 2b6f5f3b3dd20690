// The file routines and AppINI on Windows files: hidden, system and read-only attributes,
// wildcard listings, files held open by another handle.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/Errors.h"
#include "startup/AppINI.h"
#include "startup/FSUPLIBmain.h"
#include "support/Raised.h"
#include "support/TempDir.h"
#include "platform/win/Handles.h"

namespace quen {
namespace {

constexpr DWORD kRoHiddenSystem = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

// A handle held open on a file, as another program would.
win::UniqueHandle Hold(const std::string& path, DWORD share) {
    return win::UniqueHandle(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr));
}

class WinFiles : public ::testing::Test {
protected:
    std::string Make(const std::string& name, DWORD attrs, const std::string& bytes = "x") {
        const std::string path = dir_.Path(name);
        test::WriteFileBytes(path, bytes);
        EXPECT_TRUE(SetFileAttributesA(path.c_str(), attrs));
        return path;
    }
    test::TempDir dir_;
};

TEST_F(WinFiles, DeleteFileForceClearsAttributesButNotAnotherProgramsHold) {
    const std::string sys = Make("sys.txt", kRoHiddenSystem);
    EXPECT_TRUE(DeleteFileForce(sys));
    EXPECT_FALSE(test::PathExists(sys));
    const std::string held = Make("held.txt", FILE_ATTRIBUTE_NORMAL);
    auto h = Hold(held, FILE_SHARE_READ);
    ASSERT_TRUE(h);
    EXPECT_FALSE(DeleteFileForce(held));
    EXPECT_TRUE(test::PathExists(held));
}

TEST_F(WinFiles, FileExistsFollowsTheAttributeMask) {
    Make("h.txt", FILE_ATTRIBUTE_HIDDEN);
    Make("s.txt", FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(CreateDirectoryA(dir_.Path("Hidden").c_str(), nullptr));
    ASSERT_TRUE(SetFileAttributesA(dir_.Path("Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN));
    const struct { const char* name; unsigned mask; bool found; } cases[] = {
        {"h.txt", kFindNormal, false},        {"h.txt", kFindHiddenSystem, true},
        {"s.txt", kFindNormal, false},        {"s.txt", kFindHiddenSystem, true},
        {"s.txt", kFindDirectories, false},   {"Hidden", kFindDirectories, false},  // hidden needs its own bit
        {"Hidden", kFindDirectories | kFindHiddenSystem, true},
        {"*.txt", kFindNormal, false},        {"*.txt", kFindHiddenSystem, true},
        {"*.none", kFindDirectories, false},
    };
    for (const auto& c : cases) EXPECT_EQ(FileExists(dir_.Path(c.name), c.mask), c.found) << c.name << " " << c.mask;
    Make("n.txt", FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(FileExists(dir_.Path("*.txt"), kFindNormal));
    EXPECT_TRUE(FileExists(dir_.path() + "\\", kFindNormal));
}

TEST_F(WinFiles, GetDirAtDriveRoot) {
    int reports = 0;
    const PathErrorReport count = [&reports](int, const std::string&) { ++reports; };
    for (auto [path, folder] : {std::pair{"C:\\quen-no-such-file.txt", "C:"}, {"C:\\", "C:"},
                                {"C:\\windows\\win.ini", "C:\\windows"}, {"C:\\quen-no-such-folder\\x\\y.txt", ""}})
        EXPECT_EQ(GetDir(path, count), folder) << path;
    EXPECT_EQ(reports, 1);  // only the missing folder is told
}

TEST_F(WinFiles, AppINIRewritesAttributedFilesButLeavesHeldOnesWhole) {
    const std::string path = Make("a.ini", kRoHiddenSystem, "[S]\r\nK=1\r\n");
    AppINI ini{path, "S"};
    ASSERT_TRUE(ini.WriteKey("K", "2"));
    EXPECT_EQ(test::ReadFileBytes(path), "[S]\r\nK=2");
    EXPECT_EQ(Attributes(path) & kRoHiddenSystem, 0u);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    {
        // Readers may share it, but nobody may replace it while it is open.
        auto held = Hold(path, FILE_SHARE_READ);
        ASSERT_TRUE(held);
        EXPECT_FALSE(ini.WriteKey("K", "3"));
        EXPECT_FALSE(ini.DelKey("K"));
    }
    EXPECT_EQ(Attributes(path) & kRoHiddenSystem, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    {
        auto locked = Hold(path, 0);
        ASSERT_TRUE(locked);
        std::string value;
        EXPECT_EQ(test::RaisedBy([&] { ini.ReadKey("K", value); }).number, kErrPermissionDenied);
        EXPECT_FALSE(ini.WriteKey("K", "3"));
    }
    EXPECT_EQ(test::ReadFileBytes(path), "[S]\r\nK=2");
    ASSERT_TRUE(ini.DelKey("K"));
    EXPECT_EQ(test::ReadFileBytes(path), "[S]");
    EXPECT_EQ(test::ListFolder(dir_.path()), "a.ini");
}

}  // namespace
}  // namespace quen
