// Language files on the real Windows file system: attributes decide whether a file counts,
// and a file that cannot be read counts as missing.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "options/Lang.h"
#include "support/TempDir.h"

namespace quen {
namespace {

class LangFileAttributes : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateDirectoryA(dir.Path("Language").c_str(), nullptr));
        test::WriteFileBytes(file, "[Message]\r\nmsg_Error=Fehler");
    }
    void TearDown() override { SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL); }

    std::string ReadGerman() {
        Lang lang;
        lang.SetLanguage("German");
        lang.ReadLang(dir.path());
        return lang.Language() + "/" + lang.msg_Error();
    }

    test::TempDir dir;
    std::string file = dir.Path("Language\\German.lng");
};

TEST_F(LangFileAttributes, NormalReadOnlyAndArchiveFilesAreRead) {
    EXPECT_EQ(ReadGerman(), "German/Fehler");
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ReadGerman(), "German/Fehler");
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(ReadGerman(), "German/Fehler");
}

TEST_F(LangFileAttributes, HiddenOrSystemFileCountsAsMissing) {
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(ReadGerman(), "English/Error");
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_SYSTEM));
    EXPECT_EQ(ReadGerman(), "English/Error");
}

// A file another program holds open without sharing exists but cannot be read.
TEST_F(LangFileAttributes, LockedFileFallsBackToEnglishLikeAMissingOne) {
    HANDLE lock = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const std::string read = ReadGerman();
    CloseHandle(lock);
    EXPECT_EQ(read, "English/Error");
}

}  // namespace
}  // namespace quen
