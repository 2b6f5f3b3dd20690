// The language table: built-in English, a program folder's language file, the shipped
// files (every key, the chooser's keys, filters, bytes, code page), and the error report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ios>
#include <new>
#include <set>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "base/Errors.h"
#include "options/ErrorModule.h"
#include "options/Lang.h"
#include "platform/Files.h"
#include "startup/AppINI.h"
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

const char* const kShipped[] = {"English", "German"};

// English is written by the build from the built-in texts; the others are committed in
// the assets folder, laid out as a program folder (Language\*.lng).
std::string ShippedPath(const std::string& name) {
    return name == "English" ? std::string(QUEN_ENGLISH_LNG) : std::string(QUEN_ASSETS) + "/Language/" + name + ".lng";
}

// A key's value, or "<absent>" when the file lacks it.
std::string Read(const std::string& lng, const std::string& section, const std::string& key) {
    quen::AppINI ini;
    ini.FileName = ShippedPath(lng);
    ini.Section = section;
    std::string value;
    return ini.ReadKey(key, value) ? value : "<absent>";
}

std::vector<std::string> Fields(const std::string& filter) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const auto bar = filter.find('|', start);
        out.push_back(filter.substr(start, bar - start));
        if (bar == std::string::npos) return out;
        start = bar + 1;
    }
}

// Bytes that code page 1252 leaves undefined.
bool UndefinedIn1252(unsigned char c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; }

// Code page 1252 bytes, lines ending CR LF except the last (German read as 1252: the e2e run).
TEST(LangFiles, BytesAreCodePage1252LinesWithCrLf) {
    for (const char* name : kShipped) {
        const std::string bytes = quen::test::ReadFileBytes(ShippedPath(name));
        ASSERT_FALSE(bytes.empty()) << name;
        EXPECT_TRUE(bytes.back() != '\n' && bytes.back() != '\r') << name;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            EXPECT_FALSE(c < 0x20 && c != '\r' && c != '\n') << name << " control byte at " << i;
            EXPECT_FALSE(UndefinedIn1252(c)) << name << " byte " << int(c) << " at " << i;
            const bool badEnd = (c == '\n' && (i == 0 || bytes[i - 1] != '\r')) ||
                                (c == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'));
            EXPECT_FALSE(badEnd) << name << " line end at " << i;
        }
    }
}

// Every key in every file, not empty (English is written from the built-in texts).
TEST(LangFiles, EveryKeyIsPresent) {
    for (const char* name : kShipped) {
        for (const auto& info : quen::AllLangKeys()) {
            const std::string value = Read(name, info.section, info.name);
            EXPECT_TRUE(value != "<absent>" && !value.empty()) << name << " " << info.section << "." << info.name;
        }
        EXPECT_NE(Read(name, "Message", "msg_Cant_Find_Templet_File").find("%1"), std::string::npos) << name;
    }
}

// German offered and chosen in English: e2e/options_windows.sh; here what the chooser shows
// in German and the English file's own keys.
TEST(LangFiles, SetupNamesTheFileForTheLanguageChooser) {
    for (const char* name : kShipped) EXPECT_EQ(Read(name, "Setup", "Lang_Name"), name);
    EXPECT_EQ(Read("English", "Setup", "ID"), "LanguageFile");
    EXPECT_EQ(Read("English", "Setup", "LangFileName"), "English");
    EXPECT_EQ(Read("English", "Setup", "GermanName"), "Englisch");
    EXPECT_EQ(Read("German", "Setup", "GermanName"), "Deutsch");
}

TEST(LangFiles, FiltersKeepTheirPatternsInEveryLanguage) {
    for (const char* key : {"TempletFileSet", "PictureFileSet", "ExecuteFileSet", "ScriptFileSet"}) {
        const auto english = Fields(Read("English", "System", key));
        ASSERT_EQ(english.size() % 2, 0u) << key;
        for (const char* name : kShipped) {
            const auto fields = Fields(Read(name, "System", key));
            ASSERT_EQ(fields.size(), english.size()) << name << " " << key;
            for (std::size_t i = 0; i < fields.size(); ++i) {
                EXPECT_FALSE(fields[i].empty()) << name << " " << key << " field " << i;
                if (i % 2 == 1) {
                    EXPECT_EQ(fields[i], english[i]) << name << " " << key;
                }
            }
        }
    }
    // The make dialog selects filter 2 for scripts and filter 1 for executables (every
    // language has English's patterns: above).
    const auto script = Fields(Read("English", "System", "ScriptFileSet"));
    ASSERT_GE(script.size(), 4u);
    EXPECT_EQ(script[3], "*.qnl");
    EXPECT_EQ(Fields(Read("English", "System", "ExecuteFileSet"))[1], "*.exe");
    EXPECT_EQ(Fields(Read("English", "System", "TempletFileSet"))[1], "*.tpl");
}

TEST(LangFiles, DirectoryKindsAreDistinctFromEachOtherAndFromPaths) {
    // An action's directory kind is recognised by comparing with these texts.
    for (const char* name : kShipped) {
        std::set<std::string> seen;
        for (const char* key : {"Dir_Type_Me", "Dir_Type_Reg", "Dir_Type_Ask", "Dir_Type_Win", "Dir_Type_Sys",
                                "Dir_Type_Pre"}) {
            const std::string text = Read(name, "System", key);
            EXPECT_TRUE(seen.insert(text).second) << name << " " << key;
            EXPECT_NE(text.rfind(".\\", 0), 0u) << name << " " << key;
            EXPECT_FALSE(text.size() >= 3 && text.substr(1, 2) == ":\\") << name << " " << key;
        }
    }
}

// The captions one window shows together mark each letter once in every language, so
// that Alt with a letter does what the caption says (Patch Setting shows in Define Byte's
// place and has no mark).
TEST(LangFiles, MnemonicsOncePerWindow) {
    const std::vector<std::vector<std::string>> windows = {
        {"Button_Add", "Button_Delete", "Button_Option", "Button_Make", "Button_About", "Button_Quenlark_Option",
         "Button_Exit", "Button_Define_Byte", "Apply_All", "Apply_All_Pre", "Button_Save_As", "Button_Move_Up",
         "Button_Move_Down"},
        {"DB_Search", "DB_Address", "DB_Search_All", "DB_10_Scale", "DB_16_Scale", "Button_Add", "Button_Delete",
         "Button_Change", "Button_OK"},
        {"NS_File", "NS_Directory", "Add_Include_Sub", "Add_Old_Version", "Button_Browse", "Button_OK", "Button_Cancel"}};
    for (const char* name : kShipped) {
        for (const auto& keys : windows) {
            std::set<char> letters;
            for (const auto& info : quen::AllLangKeys()) {
                if (!std::count(keys.begin(), keys.end(), info.name)) continue;
                const std::string text = Read(name, info.section, info.name);
                const auto mark = text.find('&');
                if (mark != std::string::npos) {
                    EXPECT_TRUE(letters.insert(static_cast<char>(std::toupper(text[mark + 1]))).second) << name << text;
                }
            }
        }
    }
}

// The error report: its text by error number and which number each kind of failure gets
// (its message box: ProjectOpen_test and ProgramInit_test).
using quen::ErrorReportText;

TEST(ErrorReport, FirstTextFollowsTheNumber) {
    const quen::Lang lang;
    const std::string unknown = "Unknow Error!\r\n\r\nError Number : ";
    const struct { const char* proc; int number; std::string text; } rows[] = {
        {"Main-cmdSave", 13, unknown + " 13\r\nErrModal : Main-cmdSave"},
        {"P", 75, lang.msg_Path_File_Access_Error() + "\r\n\r\nError Number :  75\r\nErrModal : P"},
        {"P", 55, lang.msg_Err_File_Is_Open() + "\r\n\r\nError Number :  55\r\nErrModal : P"},
        {"P", 54, unknown + " 54\r\nErrModal : P"}, {"P", 56, unknown + " 56\r\nErrModal : P"},
        {"P", 74, unknown + " 74\r\nErrModal : P"}, {"P", 76, unknown + " 76\r\nErrModal : P"},
        {"", 53, unknown + " 53\r\nErrModal : Unknow"}, {" ", 53, unknown + " 53\r\nErrModal :  "},
        {"X", -5, unknown + "-5\r\nErrModal : X"},
        {"X", -2147483647 - 1, unknown + "-2147483648\r\nErrModal : X"},
    };
    for (const auto& r : rows) EXPECT_EQ(ErrorReportText(lang, r.proc, r.number), r.text) << r.number;
}

std::exception_ptr SystemError(std::errc code) {
    return std::make_exception_ptr(std::filesystem::filesystem_error("op", "p", std::make_error_code(code)));
}

TEST(ErrorNumbers, ExceptionsMapToClassicNumbers) {
    const std::pair<std::exception_ptr, int> rows[] = {
        {std::make_exception_ptr(quen::Error(62, "eof")), 62},
        {SystemError(std::errc::no_such_file_or_directory), 53}, {SystemError(std::errc::permission_denied), 70},
        {SystemError(std::errc::read_only_file_system), 70}, {SystemError(std::errc::no_space_on_device), 61},
        {SystemError(std::errc::device_or_resource_busy), 55}, {SystemError(std::errc::is_a_directory), 75},
        {std::make_exception_ptr(std::ios_base::failure("stream")), 75},
        {std::make_exception_ptr(std::invalid_argument("stoi")), 13},
        {std::make_exception_ptr(std::out_of_range("stoi")), 6}, {std::make_exception_ptr(std::bad_alloc()), 6},
        {std::make_exception_ptr(42), 6}, {nullptr, 6},
    };
    int row = 0;
    for (const auto& [error, number] : rows) EXPECT_EQ(quen::ErrorNumberOf(error), number) << "row " << row++;
}

}  // namespace
