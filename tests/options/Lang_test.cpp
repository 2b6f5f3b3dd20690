// The language table: the key list, the built-in texts and how a file's keys fill it.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <utility>

#include "options/Lang.h"
#include "platform/Files.h"
#include "support/TempDir.h"

namespace {

using quen::Lang;
using quen::LangKey;

// A language file as a map of (section, key) to value.
using FakeFile = std::map<std::pair<std::string, std::string>, std::string>;

quen::LangKeyReader ReaderOf(const FakeFile& file) {
    return [&file](const std::string& section, const std::string& key, std::string& value) {
        const auto it = file.find({section, key});
        if (it == file.end()) {
            value.clear();
            return false;
        }
        value = it->second;
        return true;
    };
}

TEST(LangKeys, SectionsHoldTheirKeysInFileOrder) {
    const auto keys = quen::AllLangKeys();
    ASSERT_EQ(keys.size(), 263u);
    const std::pair<const char*, int> sections[] = {
        {"Setup", 6},    {"Button", 17}, {"Form", 49},           {"PatchOption", 39},
        {"DefineByte", 13}, {"INIPatch", 3}, {"MakeFile", 10}, {"QuenlarkOption", 24},
        {"ToolTip", 10}, {"System", 52}, {"Message", 40},
    };
    std::size_t i = 0;
    for (const auto& [section, count] : sections) {
        for (int n = 0; n < count; ++n, ++i) {
            EXPECT_STREQ(keys[i].section, section) << keys[i].name;
        }
    }
    EXPECT_EQ(i, keys.size());
    // Each section's first and last key, as the table reads them.
    EXPECT_STREQ(keys[0].name, "LangFileName");
    EXPECT_STREQ(keys[6].name, "Apply_All");
    EXPECT_STREQ(keys[22].name, "Button_Load_Templet");
    EXPECT_STREQ(keys[71].name, "StatusBar_FileTotal_ToolTip");
    EXPECT_STREQ(keys[223].name, "msg_Duplicate_Byte");
    EXPECT_STREQ(keys[262].name, "msg_Cant_Find_Templet_File");
}

TEST(LangKeys, IdsNameTheirOwnEntry) {
    for (const auto& info : quen::AllLangKeys()) {
        EXPECT_EQ(&quen::KeyInfo(info.id), &info) << info.name;
    }
    EXPECT_STREQ(quen::KeyInfo(LangKey::msg_Error).section, "Message");
    EXPECT_STREQ(quen::KeyInfo(LangKey::Cmb_Delete).section, "Form");
}

TEST(LangBuiltIn, EnglishTextsAreThereBeforeAnyFileIsRead) {
    const Lang lang;
    EXPECT_EQ(lang.Language(), "English");
    EXPECT_EQ(lang.msg_Error(), "Error");
    EXPECT_EQ(lang.msg_Unknow_Error(), "Unknow Error!");
    EXPECT_EQ(lang.msg_Error_Number(), "Error Number : ");
    EXPECT_EQ(lang.File_Byte(), " Bytes ");
    EXPECT_EQ(lang.sFloopDisk(), "Floop Disk");
    EXPECT_EQ(lang.Dir_Type_Ask(), "< Ask User >");
    EXPECT_EQ(lang.msg_ReplaceByte_Without_Define(), "Peplace bytes value without define.");
    EXPECT_EQ(lang.msg_FirstFileDirCantPre(), "First file directory setting can't with < Previous >.");
    EXPECT_EQ(lang.PictureFileSet(),
              "All support picture|*.bmp;*.jpg;*.jpeg;*.gif;*.rle;*.emf;*.wmf|Bitmap(*.bmp)|*.bmp|"
              "JPEG Image(*.jpg;*.jpeg)|*.jpg;*.jpeg|Run Length Encodeing(*.rle)|*.rle|"
              "Metafile(*.wmf;*.emf)|*.wmf;*.emf");
    for (const auto& info : quen::AllLangKeys()) {
        EXPECT_FALSE(lang.Text(info.id).empty()) << info.name;
    }
}

TEST(LangBuiltIn, ScriptFilterComesSecondForTheMakeDialog) {
    const Lang lang;
    // The make dialog opens the script save dialog on filter index 2.
    const std::string& set = lang.ScriptFileSet();
    const auto first = set.find('|');
    const auto second = set.find('|', first + 1);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(set.substr(second + 1), "Patch Script(*.qnl)|*.qnl");
    EXPECT_EQ(lang.ExecuteFileSet().substr(0, lang.ExecuteFileSet().find('|')), "Executable Patch(*.exe)");
}

TEST(LangBuiltIn, LineBreakKeysAreDecodedInMemory) {
    const Lang lang;
    const std::string& warn = lang.msg_Warning_UnSupportScriptType();
    EXPECT_NE(warn.find("\r\n"), std::string::npos);
    EXPECT_EQ(warn.find("\\n"), std::string::npos);
    EXPECT_NE(lang.msg_Error_No_SupportScriptType().find("\r\n"), std::string::npos);
    // The table keeps the file form.
    EXPECT_NE(std::string(quen::KeyInfo(LangKey::msg_Warning_UnSupportScriptType).english).find("\\n"),
              std::string::npos);
}

TEST(LangRead, FileTextsReplaceBuiltInsAndAbsentKeysKeepEnglish) {
    FakeFile file{{{"Message", "msg_Error"}, "Fehler"}, {{"Button", "Button_OK"}, "&Gut"}};
    Lang lang;
    lang.ReadTexts(ReaderOf(file));
    EXPECT_EQ(lang.msg_Error(), "Fehler");
    EXPECT_EQ(lang.Button_OK(), "&Gut");
    EXPECT_EQ(lang.Button_Cancel(), "&Cancel");
    EXPECT_EQ(lang.msg_Unknow_Error(), "Unknow Error!");
}

TEST(LangRead, KeyIsLookedUpInItsOwnSectionOnly) {
    // msg_Error belongs to [Message]; the same key under [Button] is not it.
    FakeFile file{{{"Button", "msg_Error"}, "wrong section"}};
    Lang lang;
    lang.ReadTexts(ReaderOf(file));
    EXPECT_EQ(lang.msg_Error(), "Error");
}

TEST(LangRead, PresentEmptyValueStaysEmptyAndBlanksAreKept) {
    FakeFile file{{{"Message", "msg_Error"}, ""},
                  {{"Button", "Button_OK"}, " OK "},
                  {{"Form", "Action"}, "  Aktion"}};
    Lang lang;
    lang.ReadTexts(ReaderOf(file));
    EXPECT_EQ(lang.msg_Error(), "");
    EXPECT_EQ(lang.Button_OK(), " OK ");
    EXPECT_EQ(lang.Action(), "  Aktion");
}

TEST(LangRead, OnlyTheTwoLineBreakKeysAreDecoded) {
    const std::string twoWords = "first\\nsecond";
    FakeFile file{{{"Message", "msg_Error_No_SupportScriptType"}, twoWords},
                  {{"Message", "msg_Warning_UnSupportScriptType"}, "a\\nb\\nc\\"},
                  {{"Message", "msg_Error"}, twoWords},
                  {{"Form", "Action"}, twoWords}};
    Lang lang;
    lang.ReadTexts(ReaderOf(file));
    EXPECT_EQ(lang.msg_Error_No_SupportScriptType(), "first\r\nsecond");
    EXPECT_EQ(lang.msg_Warning_UnSupportScriptType(), "a\r\nb\r\nc\\");
    EXPECT_EQ(lang.msg_Error(), twoWords);
    EXPECT_EQ(lang.Action(), twoWords);
}

TEST(LangRead, ReadsEveryKeyOnceInTableOrder) {
    std::vector<std::string> asked;
    Lang lang;
    lang.ReadTexts([&asked](const std::string& section, const std::string& key, std::string& value) {
        asked.push_back(section + "." + key);
        value = "x";
        return true;
    });
    ASSERT_EQ(asked.size(), 263u);
    EXPECT_EQ(asked.front(), "Setup.LangFileName");
    EXPECT_EQ(asked.back(), "Message.msg_Cant_Find_Templet_File");
    for (const auto& info : quen::AllLangKeys()) {
        EXPECT_EQ(lang.Text(info.id), "x") << info.name;
    }
}

TEST(LangRead, FailingReaderLeavesTheTableAsItWas) {
    FakeFile german{{{"Message", "msg_Error"}, "Fehler"}};
    Lang lang;
    lang.ReadTexts(ReaderOf(german));
    int calls = 0;
    EXPECT_THROW(lang.ReadTexts([&calls](const std::string&, const std::string&, std::string& value) -> bool {
        if (++calls == 200) throw std::runtime_error("read failed");
        value = "new";
        return true;
    }),
                 std::runtime_error);
    EXPECT_EQ(lang.msg_Error(), "Fehler");
    EXPECT_EQ(lang.LangFileName(), "English");
}

TEST(LangText, FilePathJoinsFolderLanguageAndExtension) {
    EXPECT_EQ(quen::LangFilePath("C:\\Quen", "German"), "C:\\Quen\\Language\\German.lng");
}

}  // namespace

// Reading real language files from a program folder.
namespace {

class LangFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(quen::platform::MakeDirectory(dir.Path("Language")), 0); }
    void WriteLng(const std::string& name, const std::string& bytes) {
        quen::test::WriteFileBytes(dir.Path("Language\\" + name + ".lng"), bytes);
    }
    quen::test::TempDir dir;
};

const std::string kGerman =
    "[Setup]\r\nID=LanguageFile\r\nLang_Name=German\r\n\r\n"
    "[Button]\r\nButton_OK=&Gut\r\n"
    "button_cancel=lower case\r\n"     // not Button_Cancel
    "Button_Add = &Dazu\r\n"            // name trimmed, value keeps its blank
    "Button_Delete=\r\n"                // present and empty
    "\r\n[Message]\r\nmsg_Error=zwei\\nZeilen\r\n"
    "msg_Error_No_SupportScriptType=zwei\\nZeilen\r\n"
    "msg_Warning_UnSupportScriptType=a\\nb";

TEST_F(LangFolder, ReadsTheFileOfTheCurrentLanguage) {
    WriteLng("German", kGerman);
    Lang lang;
    lang.SetLanguage("German");
    lang.ReadLang(dir.path());
    EXPECT_EQ(lang.Language(), "German");
    EXPECT_EQ(lang.Lang_Name(), "German");
    EXPECT_EQ(lang.Button_OK(), "&Gut");
    EXPECT_EQ(lang.Button_Add(), " &Dazu");
    EXPECT_EQ(lang.Button_Delete(), "");
    EXPECT_EQ(lang.Button_Cancel(), "&Cancel");  // the lower-case line does not supply it
    EXPECT_EQ(lang.msg_Error(), "zwei\\nZeilen");
    EXPECT_EQ(lang.msg_Error_No_SupportScriptType(), "zwei\r\nZeilen");
    EXPECT_EQ(lang.msg_Warning_UnSupportScriptType(), "a\r\nb");
    EXPECT_EQ(lang.LangFileName(), "English");  // absent from this file: built-in
}

TEST_F(LangFolder, MissingFileFallsBackToEnglishWithBuiltInTexts) {
    WriteLng("English", "[Message]\r\nmsg_Error=from the English file");
    Lang lang;
    lang.SetLanguage("German");
    lang.ReadLang(dir.path());
    EXPECT_EQ(lang.Language(), "English");
    // Only the language name falls back; the English file is not read.
    EXPECT_EQ(lang.msg_Error(), "Error");
    EXPECT_EQ(lang.Button_OK(), "&OK");
}

TEST_F(LangFolder, MissingFileKeepsTheTextsReadBefore) {
    WriteLng("German", kGerman);
    Lang lang;
    lang.SetLanguage("German");
    lang.ReadLang(dir.path());
    lang.SetLanguage("French");
    lang.ReadLang(dir.path());
    EXPECT_EQ(lang.Language(), "English");
    EXPECT_EQ(lang.Button_OK(), "&Gut");
}

TEST_F(LangFolder, OnlyAnOrdinaryFileCounts) {
    ASSERT_EQ(quen::platform::MakeDirectory(dir.Path("Language\\Folder.lng")), 0);
    WriteLng("German", kGerman);
    Lang lang;
    lang.SetLanguage("Folder");
    lang.ReadLang(dir.path());
    EXPECT_EQ(lang.Language(), "English");
    for (const char* name : {"G*", "Germa?", "*", ""}) {
        lang.SetLanguage(name);  // a wildcard must not pick German.lng
        lang.ReadLang(dir.path());
        EXPECT_EQ(lang.Language(), "English") << name;
        EXPECT_EQ(lang.Button_OK(), "&OK") << name;
    }
}

TEST_F(LangFolder, MissingLanguageFolderFallsBackToEnglish) {
    quen::test::TempDir empty;
    Lang lang;
    lang.SetLanguage("German");
    lang.ReadLang(empty.path());
    EXPECT_EQ(lang.Language(), "English");
    EXPECT_EQ(lang.msg_Error(), "Error");
}

TEST_F(LangFolder, EmptyFileGivesBuiltInTexts) {
    WriteLng("Empty", "");
    Lang lang;
    lang.SetLanguage("Empty");
    lang.ReadLang(dir.path());
    EXPECT_EQ(lang.Language(), "Empty");
    for (const auto& info : quen::AllLangKeys()) {
        EXPECT_EQ(lang.Text(info.id), Lang().Text(info.id)) << info.name;
    }
}

}  // namespace

namespace {

TEST_F(LangFolder, ReadOnlyFileIsRead) {
    WriteLng("German", kGerman);
    ASSERT_TRUE(quen::platform::SetAttributes(dir.Path("Language\\German.lng"), quen::platform::kAttrReadOnly));
    Lang lang;
    lang.SetLanguage("German");
    lang.ReadLang(dir.path());
    EXPECT_EQ(lang.Language(), "German");
    EXPECT_EQ(lang.Button_OK(), "&Gut");
}

}  // namespace
