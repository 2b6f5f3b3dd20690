// The folder browser under Wine at its title limit, driven as a person would. (Starting a
// program and waiting for it: e2e/patchhead.sh runs a batch file in the folder it is given.)
#include "startup/win/Win32_API.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>

#include "win/DialogWatcher.h"

namespace quen::win {
namespace {

TEST(BrowseForFolder, TitleLimitCancelAndOk) {
    // The browser opens with the desktop selected, which is a file-system folder.
    char desktop[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
    // shown: browser windows seen
    const struct { std::string title; const char* press; bool cancelled; std::string path; size_t shown; } cases[] = {
        {std::string(131, 't'), "Cancel", true, "", 0},  // too long: fails at once
        {"Choose the folder " + std::string(112, 'x'), "Cancel", true, "", 1},
        {"Where is the program?", "OK", false, desktop, 1},
    };
    for (const auto& c : cases) {
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
