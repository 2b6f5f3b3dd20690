// The language table: built-in English, and how a program folder's language file fills it.
#include <gtest/gtest.h>

#include <string>

#include "options/Lang.h"
#include "platform/Files.h"
#include "support/TempDir.h"

namespace {

using quen::Lang;

TEST(LangBuiltIn, EnglishBeforeAnyFileAndLineBreaksDecoded) {
    const Lang lang;
    EXPECT_EQ(lang.Language(), "English");
    EXPECT_NE(lang.msg_Warning_UnSupportScriptType().find("\r\n"), std::string::npos);
    EXPECT_EQ(lang.msg_Warning_UnSupportScriptType().find("\\n"), std::string::npos);
}

class LangFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(quen::platform::MakeDirectory(dir.Path("Language")), 0); }
    void WriteLng(const std::string& name, const std::string& bytes) {
        quen::test::WriteFileBytes(dir.Path("Language\\" + name + ".lng"), bytes);
    }
    Lang Read(const std::string& language) {
        Lang lang;
        lang.SetLanguage(language);
        lang.ReadLang(dir.path());
        return lang;
    }
    quen::test::TempDir dir;
};

const std::string kGerman =
    "[Setup]\r\nID=LanguageFile\r\nLang_Name=German\r\n\r\n"
    "[Button]\r\nButton_OK=&Gut\r\n"
    "\r\n[Message]\r\nmsg_Unknow_Error=zwei\\nZeilen\r\n"
    "msg_Error_No_SupportScriptType=zwei\\nZeilen\r\n"
    "msg_Warning_UnSupportScriptType=a\\nb\\";

// Which lines supply a key (names trimmed, exact case, own section): the INI rules, which
// lang_fuzz holds every text to.
TEST_F(LangFolder, FileTextsReplaceBuiltInsKeyByKey) {
    WriteLng("German", kGerman);
    ASSERT_TRUE(quen::platform::SetAttributes(dir.Path("Language\\German.lng"), quen::platform::kAttrReadOnly));
    const Lang lang = Read("German");
    EXPECT_EQ(lang.Language(), "German");
    EXPECT_EQ(lang.Lang_Name(), "German");
    EXPECT_EQ(lang.Button_OK(), "&Gut");
    EXPECT_EQ(lang.msg_Unknow_Error(), "zwei\\nZeilen");  // only two keys are decoded
    EXPECT_EQ(lang.msg_Error_No_SupportScriptType(), "zwei\r\nZeilen");
    EXPECT_EQ(lang.msg_Warning_UnSupportScriptType(), "a\r\nb\\");
    EXPECT_EQ(lang.LangFileName(), "English");  // absent from this file: built-in
}

TEST_F(LangFolder, OnlyAnOrdinaryFileOfThatNameCounts) {
    WriteLng("German", kGerman);
    WriteLng("English", "[Message]\r\nmsg_Error=from the English file");
    WriteLng("Empty", "");
    ASSERT_EQ(quen::platform::MakeDirectory(dir.Path("Language\\Folder.lng")), 0);
    for (const char* name : {"French", "Folder", "G*", "Germa?", "*", ""}) {
        const Lang lang = Read(name);
        EXPECT_EQ(lang.Language(), "English") << name;
        EXPECT_EQ(lang.msg_Error(), "Error") << name;  // the English file is not read
        EXPECT_EQ(lang.Button_OK(), "&OK") << name;
    }
    Lang lang = Read("German");
    lang.SetLanguage("French");
    lang.ReadLang(dir.path());
    EXPECT_EQ(lang.Language(), "English");
    EXPECT_EQ(lang.Button_OK(), "&Gut");  // a missing file keeps the texts read before
    EXPECT_EQ(Read("Empty").Language(), "Empty");
    EXPECT_EQ(Read("Empty").Button_OK(), "&OK");
}

}  // namespace
