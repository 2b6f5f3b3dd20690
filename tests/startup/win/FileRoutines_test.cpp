// The file routines and AppINI on Windows files: hidden, system and read-only attributes,
// wildcard listings, files held open by another handle.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/Errors.h"
#include "startup/AppINI.h"
#include "startup/FSUPLIBmain.h"
#include "support/TempDir.h"

namespace quen {
namespace {

constexpr DWORD kRoHiddenSystem = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

// A handle held open on a file, as another program would.
class OpenFile {
public:
    OpenFile(const std::string& path, DWORD share)
        : h_(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

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

TEST_F(WinFiles, DeleteFileForceOnReadOnlyHiddenSystemFile) {
    const std::string ro = Make("ro.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(DeleteFileA(ro.c_str()));  // what a plain delete does
    EXPECT_TRUE(DeleteFileForce(ro));
    EXPECT_EQ(Attributes(ro), INVALID_FILE_ATTRIBUTES);
    const std::string sys = Make("sys.txt", kRoHiddenSystem);
    EXPECT_TRUE(DeleteFileForce(sys));
    EXPECT_FALSE(test::PathExists(sys));
}

TEST_F(WinFiles, DeleteFileForceFailsOnFileHeldOpen) {
    const std::string path = Make("held.txt", FILE_ATTRIBUTE_NORMAL);
    OpenFile held(path, FILE_SHARE_READ);
    ASSERT_TRUE(held.valid());
    EXPECT_FALSE(DeleteFileForce(path));
    EXPECT_TRUE(test::PathExists(path));
}

TEST_F(WinFiles, FileExistsMasksWithHiddenAndSystem) {
    const std::string hidden = Make("h.txt", FILE_ATTRIBUTE_HIDDEN);
    const std::string system = Make("s.txt", FILE_ATTRIBUTE_SYSTEM);
    for (const std::string& p : {hidden, system}) {
        EXPECT_FALSE(FileExists(p, kFindNormal)) << p;
        EXPECT_TRUE(FileExists(p, kFindHiddenSystem)) << p;
        EXPECT_FALSE(FileExists(p, kFindDirectories)) << p;
    }
    const std::string folder = dir_.Path("HiddenFolder");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_FALSE(FileExists(folder, kFindDirectories));  // hidden needs its own bit
    EXPECT_TRUE(FileExists(folder, kFindDirectories | kFindHiddenSystem));
}

TEST_F(WinFiles, FileExistsWithWildcardsAndFolderListing) {
    Make("h.txt", FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(FileExists(dir_.Path("*.txt"), kFindNormal));
    EXPECT_TRUE(FileExists(dir_.Path("*.txt"), kFindHiddenSystem));
    Make("n.txt", FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(FileExists(dir_.Path("*.txt"), kFindNormal));
    EXPECT_TRUE(FileExists(dir_.path() + "\\", kFindNormal));
    EXPECT_FALSE(FileExists(dir_.Path("*.none"), kFindDirectories));
}

TEST_F(WinFiles, CopyFileEnsureCreatesOneFolderLevel) {
    const std::string source = Make("src.bin", FILE_ATTRIBUTE_NORMAL, std::string("a\0b", 3));
    const std::string target = dir_.Path("Sub\\copy.bin");
    EXPECT_TRUE(CopyFileEnsure(source, target));
    EXPECT_NE(Attributes(dir_.Path("Sub")) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(test::ReadFileBytes(target), std::string("a\0b", 3));
    EXPECT_FALSE(CopyFileEnsure(source, dir_.Path("One\\Two\\copy.bin")));
    EXPECT_EQ(Attributes(dir_.Path("One")), INVALID_FILE_ATTRIBUTES);
}

TEST_F(WinFiles, GetDirAtDriveRoot) {
    int reports = 0;
    const PathErrorReport count = [&reports](int, const std::string&) { ++reports; };
    EXPECT_EQ(GetDir("C:\\quen-no-such-file.txt", count), "C:");
    EXPECT_EQ(GetDir("C:\\", count), "C:");
    EXPECT_EQ(GetDir("C:\\windows\\win.ini", count), "C:\\windows");
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(GetDir("C:\\quen-no-such-folder\\x\\y.txt", count), "");
    EXPECT_EQ(reports, 1);
}

TEST_F(WinFiles, AppINIRewritesReadOnlyHiddenSystemFile) {
    const std::string path = Make("a.ini", kRoHiddenSystem, "[S]\r\nK=1\r\n");
    AppINI ini{path, "S"};
    ASSERT_TRUE(ini.WriteKey("K", "2"));
    EXPECT_EQ(test::ReadFileBytes(ini.FileName), "[S]\r\nK=2");
    EXPECT_EQ(Attributes(ini.FileName) & kRoHiddenSystem, 0u);
    ASSERT_TRUE(SetFileAttributesA(ini.FileName.c_str(), kRoHiddenSystem));
    ASSERT_TRUE(ini.DelKey("K"));
    EXPECT_EQ(test::ReadFileBytes(ini.FileName), "[S]");
    EXPECT_EQ(test::ListFolder(dir_.path()), "a.ini");
}

TEST_F(WinFiles, AppINIFileHeldOpenIsLeftWhole) {
    const std::string path = Make("a.ini", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN, "[S]\r\nK=1\r\n");
    AppINI ini{path, "S"};
    {
        // Readers may share it, but nobody may replace it while it is open.
        OpenFile held(ini.FileName, FILE_SHARE_READ);
        ASSERT_TRUE(held.valid());
        EXPECT_FALSE(ini.WriteKey("K", "2"));
        EXPECT_FALSE(ini.DelKey("K"));
    }
    EXPECT_EQ(test::ReadFileBytes(ini.FileName), "[S]\r\nK=1\r\n");
    EXPECT_EQ(Attributes(ini.FileName) & kRoHiddenSystem, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(test::ListFolder(dir_.path()), "a.ini");
    {
        OpenFile locked(ini.FileName, 0);
        ASSERT_TRUE(locked.valid());
        std::string value;
        try {
            ini.ReadKey("K", value);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), kErrPermissionDenied);
        }
        EXPECT_FALSE(ini.WriteKey("K", "3"));
    }
    EXPECT_EQ(test::ReadFileBytes(ini.FileName), "[S]\r\nK=1\r\n");
}

}  // namespace
}  // namespace quen
