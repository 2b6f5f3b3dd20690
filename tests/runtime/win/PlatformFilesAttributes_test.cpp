// The engine's file access on real Windows files with attributes: read-only and hidden
// targets are replaced, a rename replaces a read-only file, and the system folders are known.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/FileActions.h"
#include "runtime/PlatformPorts.h"
#include "runtime/win/WinRuntimePorts.h"

namespace {

using namespace quen::runtime;

class RuntimeWinFiles : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH + 1] = {};
        GetTempPathA(MAX_PATH, temp);
        dir_ = std::string(temp) + "quen-rt-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(dir_.c_str(), nullptr);
    }
    void TearDown() override {
        for (const char* n : {"t.bin", "t.bin.bak", "a.txt", "b.txt"}) {
            const std::string p = dir_ + "\\" + n;
            SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(p.c_str());
        }
        RemoveDirectoryA(dir_.c_str());
    }
    std::string Put(const char* name, const std::string& content, DWORD attrs) {
        const std::string p = dir_ + "\\" + name;
        HANDLE h = CreateFileA(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(h);
        SetFileAttributesA(p.c_str(), attrs);
        return p;
    }
    std::string Read(const std::string& p) {
        Bytes b;
        return files_.ReadAll(p, b) ? std::string(b.begin(), b.end()) : "<missing>";
    }
    std::string dir_;
    PlatformFiles files_;
};

}  // namespace

TEST_F(RuntimeWinFiles, ReadOnlyHiddenTargetIsReplacedAndBackedUp) {
    const std::string t = Put("t.bin", "old", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(files_.Exists(t));
    EXPECT_TRUE(ReplaceFileContents(files_, t, Bytes{'n', 'e', 'w'}, true));
    EXPECT_EQ(Read(t), "new");
    EXPECT_EQ(Read(t + ".bak"), "old");
}

TEST_F(RuntimeWinFiles, RenameReplacesAReadOnlyFileInOneMove) {
    const std::string a = Put("a.txt", "moved", FILE_ATTRIBUTE_NORMAL);
    const std::string b = Put("b.txt", "replaced", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_TRUE(files_.MoveReplace(a, b));
    EXPECT_EQ(Read(b), "moved");
    EXPECT_FALSE(files_.Exists(a));
}

TEST_F(RuntimeWinFiles, DeleteClearsAttributesAndMissingCountsAsDeleted) {
    const std::string a = Put("a.txt", "x", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_TRUE(files_.DeleteForce(a));
    EXPECT_FALSE(files_.Exists(a));
    EXPECT_TRUE(files_.DeleteForce(a));
    EXPECT_FALSE(files_.DeleteForce(dir_));  // a folder is not a file to delete
}

TEST(RuntimeWinSystem, FoldersAreKnownAndUnknownExitCodesDoNothing) {
    win::WinSystem sys;
    EXPECT_EQ(sys.WindowsDir().substr(1, 2), ":\\");
    EXPECT_EQ(sys.SystemDir().rfind(sys.WindowsDir(), 0), 0u);
    EXPECT_EQ(sys.TempDir().back(), '\\');
    EXPECT_TRUE(sys.ExitSession(0));
    EXPECT_TRUE(sys.ExitSession(7));
}
