// Win32_API under Wine: starting and waiting for a child program, volume serial numbers,
// the OS family, ANSI conversion and the folder browser, driven as a person would.
#include "startup/win/Win32_API.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <string>

#include "startup/FSUPLIBmain.h"
#include "support/TempDir.h"
#include "win/DialogWatcher.h"

namespace quen::win {
namespace {

using test::DialogWatcher;
using test::ReadFileBytes;
using test::TempDir;

std::string TestsFolder() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    return path.substr(0, path.rfind('\\'));
}

// quen_test_child.exe, built beside the test program: sleeps, writes its working folder
// and its arguments to a file, exits with the code it is given.
std::string ChildProgram() { return TestsFolder() + "\\quen_test_child.exe"; }

std::string ChildArgs(const std::string& outFile, int sleepMs, int exitCode, const std::string& extra = "") {
    std::string args = "\"";
    args.append(outFile).append("\" ").append(std::to_string(sleepMs)).append(" ").append(std::to_string(exitCode));
    if (!extra.empty()) args.append(" ").append(extra);
    return args;
}

TEST(RunAndWait, WaitsForTheEndInTheProgramsFolder) {
    TempDir dir;
    const std::string out = dir.Path("child out.txt");
    std::string folder;
    DWORD code = 0;
    DWORD start = GetTickCount();
    ASSERT_TRUE(RunAndWait(ChildProgram(), ChildArgs(out, 800, 7, "\"two words\" last"), folder, &code));
    DWORD elapsed = GetTickCount() - start;
    // The child writes its file only after its pause: it exists because we waited.
    EXPECT_EQ(ReadFileBytes(out), TestsFolder() + "\ntwo words\nlast\n");
    EXPECT_GE(elapsed, 700u);
    EXPECT_EQ(code, 7u);
    EXPECT_EQ(folder, TestsFolder());
}

TEST(RunAndWait, WaitsPastIdleForAWindowedProgram) {
    // The child shows a window and is idle for input at once, but ends only after 800 ms.
    TempDir dir;
    const std::string out = dir.Path("out.txt");
    std::string folder;
    DWORD code = 0;
    ASSERT_TRUE(RunAndWait(ChildProgram(), ChildArgs(out, 800, 4, "/window end"), folder, &code));
    EXPECT_EQ(ReadFileBytes(out), TestsFolder() + "\nend\n");
    EXPECT_EQ(code, 4u);
}

TEST(RunAndWait, GivenFolderIsUsedAndKeptAndAMissingProgramIsNotStarted) {
    TempDir dir;
    const std::string out = dir.Path("out.txt");
    std::string folder = dir.path();
    DWORD code = 99;
    ASSERT_TRUE(RunAndWait(ChildProgram(), ChildArgs(out, 0, 0), folder, &code));
    EXPECT_EQ(folder, dir.path());
    EXPECT_EQ(code, 0u);
    char actual[MAX_PATH] = {};
    GetLongPathNameA(dir.path().c_str(), actual, MAX_PATH);
    std::string written = ReadFileBytes(out);
    EXPECT_TRUE(written == dir.path() + "\n" || written == std::string(actual) + "\n") << written;
    folder.clear();
    EXPECT_FALSE(RunAndWait(dir.Path("no such program.exe"), "", folder));
    EXPECT_EQ(folder, dir.path());
}

TEST(GetVolumeSerial, BytesAreReversedOnTheNtFamily) {
    DWORD raw = 0;
    ASSERT_TRUE(GetVolumeInformationA("C:\\", nullptr, 0, &raw, nullptr, nullptr, nullptr, 0));
    ASSERT_NE(raw, SwapBytes32(raw)) << "a symmetric serial cannot show the byte order";
    std::int32_t serial = GetVolumeSerial("C:\\");
    EXPECT_NE(serial, -1);
    EXPECT_EQ(static_cast<std::uint32_t>(serial), SwapBytes32(raw));
}

TEST(GetVolumeSerial, MissingDriveGivesMinusOne) {
    DWORD drives = GetLogicalDrives();
    char letter = 'Q';
    while (letter > 'D' && (drives & (1u << (letter - 'A')))) --letter;
    ASSERT_FALSE(drives & (1u << (letter - 'A')));
    EXPECT_EQ(GetVolumeSerial(std::string(1, letter) + ":\\"), -1);
}

TEST(GetOSFamily, WineReportsTheNtFamily) { EXPECT_EQ(GetOSFamily(), "NT"); }

TEST(ToAnsiBytes, SystemCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "expects code page 1252";
    EXPECT_EQ(ToAnsiBytes(L"Gr\u00FC\u00DFe \u20AC"), "Gr\xFC\xDF" "e \x80");
    EXPECT_EQ(ToAnsiBytes(L""), "");
    EXPECT_EQ(ToAnsiBytes(std::wstring(L"a\0b", 3)), std::string("a\0b", 3));
}

TEST(BrowseForFolder, TitleOf131BytesFailsAtOnce) {
    std::string path = "previous";
    DialogWatcher watcher("Cancel");
    EXPECT_TRUE(BrowseForFolder(nullptr, std::string(131, 't'), path));
    EXPECT_EQ(path, "");
    EXPECT_TRUE(watcher.Finish().empty());
}

TEST(BrowseForFolder, TitleOf130BytesOpensTheBrowserAndCancelGivesNothing) {
    const std::string title = "Choose the folder " + std::string(112, 'x');
    ASSERT_EQ(title.size(), 130u);
    std::string path = "previous";
    DialogWatcher watcher("Cancel");
    EXPECT_TRUE(BrowseForFolder(nullptr, title, path));
    EXPECT_EQ(path, "");
    auto seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].pressed);
    EXPECT_NE(seen[0].text.find(title), std::string::npos);
}

TEST(BrowseForFolder, OkReturnsTheSelectedFolder) {
    // The browser opens with the desktop selected, which is a file-system folder.
    char desktop[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
    std::string path;
    DialogWatcher watcher("OK");
    EXPECT_FALSE(BrowseForFolder(nullptr, "Where is the program?", path));
    EXPECT_EQ(path, desktop);
    auto seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].pressed);
}

}  // namespace
}  // namespace quen::win
