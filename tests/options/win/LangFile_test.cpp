// Language files on the real Windows file system: a hidden, system or locked file counts
// as missing, so the texts fall back to English.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "options/Lang.h"
#include "support/TempDir.h"

namespace quen {
namespace {

TEST(LangFile, HiddenSystemOrLockedFileFallsBackToEnglish) {
    test::TempDir dir;
    const std::string file = dir.Path("Language\\German.lng");
    ASSERT_TRUE(CreateDirectoryA(dir.Path("Language").c_str(), nullptr));
    test::WriteFileBytes(file, "[Message]\r\nmsg_Error=Fehler");
    auto readGerman = [&] {
        Lang lang;
        lang.SetLanguage("German");
        lang.ReadLang(dir.path());
        return lang.Language() + "/" + lang.msg_Error();
    };
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(readGerman(), "German/Fehler");
    for (DWORD attributes : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        ASSERT_TRUE(SetFileAttributesA(file.c_str(), attributes));
        EXPECT_EQ(readGerman(), "English/Error") << attributes;
    }
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL));
    // A file another program holds open without sharing exists but cannot be read.
    HANDLE lock = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const std::string read = readGerman();
    CloseHandle(lock);
    EXPECT_EQ(read, "English/Error");
}

}  // namespace
}  // namespace quen
