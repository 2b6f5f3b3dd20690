// Win32_API under Wine: starting and waiting for a child program, and the folder browser
// at its title limit, driven as a person would.
#include "startup/win/Win32_API.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>

#include "support/TempDir.h"
#include "win/ModulePath.h"
#include "win/DialogWatcher.h"

namespace quen::win {
namespace {

std::string TestsFolder() { return CurrentModulePath().folder; }

// quen_test_child.exe, built beside the test program, shows a window at once (idle for
// input), writes its working folder and arguments after `ms` and exits with the code given.
// (patchhead.sh runs a batch file in the folder it is given.)
TEST(RunAndWait, WaitsForTheEndOfAWindowedProgramInItsFolder) {
    test::TempDir dir;
    const std::string out = dir.Path("child out.txt");
    const std::string child = TestsFolder() + "\\quen_test_child.exe";
    std::string folder;
    DWORD code = 0;
    ASSERT_TRUE(RunAndWait(child, "\"" + out + "\" 800 7 \"two words\" last", folder, &code));
    EXPECT_EQ(test::ReadFileBytes(out), TestsFolder() + "\ntwo words\nlast\n");
    EXPECT_EQ(code, 7u);
    EXPECT_EQ(folder, TestsFolder());
    EXPECT_FALSE(RunAndWait(dir.Path("no such program.exe"), "", folder));
}

TEST(BrowseForFolder, TitleLimitCancelAndOk) {
    // The browser opens with the desktop selected, which is a file-system folder.
    char desktop[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
    struct Case {
        std::string title;
        const char* press;
        bool cancelled;
        std::string path;
        size_t shown;  // browser windows seen
    };
    const Case cases[] = {
        {std::string(131, 't'), "Cancel", true, "", 0},  // too long: fails at once
        {"Choose the folder " + std::string(112, 'x'), "Cancel", true, "", 1},
        {"Where is the program?", "OK", false, desktop, 1},
    };
    for (const Case& c : cases) {
        std::string path = "previous";
        const auto seen = test::WatchDialogs(
            [&] { EXPECT_EQ(BrowseForFolder(nullptr, c.title, path), c.cancelled) << c.title.size(); }, c.press);
        EXPECT_EQ(path, c.path);
        ASSERT_EQ(seen.size(), c.shown) << c.title.size();
        if (c.shown) {
            EXPECT_TRUE(seen[0].pressed);
            EXPECT_NE(seen[0].text.find(c.title), std::string::npos) << "the title is shown";
        }
    }
}

}  // namespace
}  // namespace quen::win
