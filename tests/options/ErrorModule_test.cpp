// The editor's error report: its exact text, its message box and the error numbers.
#include <gtest/gtest.h>

#include <filesystem>
#include <ios>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

#include "base/Errors.h"
#include "options/ErrorModule.h"
#include "options/Lang.h"
#include "support/RecordedUi.h"

namespace {

using quen::ErrorReportText;
using quen::Lang;
namespace ui = quen::platform;

class ErrorReport : public ::testing::Test {
protected:
    void SetUp() override { ui::ClearMessages(); }
    void TearDown() override { ui::ClearMessages(); }
    Lang lang;
};

TEST_F(ErrorReport, TypeMismatchUnderAProcedureName) {
    EXPECT_EQ(ErrorReportText(lang, "Main-cmdSave", 13),
              "Unknow Error!\r\n\r\nError Number :  13\r\nErrModal : Main-cmdSave");
}

TEST_F(ErrorReport, FirstTextFollowsTheNumber) {
    EXPECT_EQ(ErrorReportText(lang, "P", 75),
              lang.msg_Path_File_Access_Error() + "\r\n\r\nError Number :  75\r\nErrModal : P");
    EXPECT_EQ(ErrorReportText(lang, "P", 55),
              lang.msg_Err_File_Is_Open() + "\r\n\r\nError Number :  55\r\nErrModal : P");
    EXPECT_EQ(ErrorReportText(lang, "P", 53), "Unknow Error!\r\n\r\nError Number :  53\r\nErrModal : P");
    // Neighbours of the two special numbers get the unknown text.
    for (int n : {54, 56, 74, 76, 0, 6, 70}) {
        EXPECT_EQ(ErrorReportText(lang, "P", n).rfind("Unknow Error!\r\n", 0), 0u) << n;
    }
    EXPECT_NE(lang.msg_Path_File_Access_Error(), lang.msg_Unknow_Error());
    EXPECT_NE(lang.msg_Err_File_Is_Open(), lang.msg_Unknow_Error());
}

TEST_F(ErrorReport, EmptyProcedureNameBecomesUnknow) {
    const std::string text = ErrorReportText(lang, "", 53);
    const std::string tail = "\r\nErrModal : Unknow";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    // A blank is a name, not an empty one.
    EXPECT_EQ(ErrorReportText(lang, " ", 53), "Unknow Error!\r\n\r\nError Number :  53\r\nErrModal :  ");
}

TEST_F(ErrorReport, NumberSignLikeBasicStr) {
    EXPECT_EQ(quen::NumberWithSign(0), " 0");
    EXPECT_EQ(quen::NumberWithSign(13), " 13");
    EXPECT_EQ(quen::NumberWithSign(-1), "-1");
    EXPECT_EQ(quen::NumberWithSign(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(quen::NumberWithSign(2147483647), " 2147483647");
    EXPECT_EQ(ErrorReportText(lang, "X", -5), "Unknow Error!\r\n\r\nError Number : -5\r\nErrModal : X");
}

TEST_F(ErrorReport, UsesTheCurrentLanguageTexts) {
    lang.ReadTexts([](const std::string& section, const std::string& key, std::string& value) {
        if (section != "Message") return false;
        if (key == "msg_Path_File_Access_Error") value = "Zugriffsfehler!";
        else if (key == "msg_Error_Number") value = "Fehlernummer : ";
        else if (key == "msg_Error") value = "Fehler";
        else return false;
        return true;
    });
    quen::ReportError(lang, "GetPathInPathName", 75);
    ASSERT_EQ(ui::LastMessages().size(), 1u);
    EXPECT_EQ(ui::LastMessages()[0].text, "Zugriffsfehler!\r\n\r\nFehlernummer :  75\r\nErrModal : GetPathInPathName");
    EXPECT_EQ(ui::LastMessages()[0].title, "Fehler");
}

TEST_F(ErrorReport, ShowsOneExclamationBoxTitledError) {
    quen::ReportError(lang, "Main-cmdOpen", 53);
    ASSERT_EQ(ui::LastMessages().size(), 1u);
    const auto& m = ui::LastMessages()[0];
    EXPECT_EQ(m.text, "Unknow Error!\r\n\r\nError Number :  53\r\nErrModal : Main-cmdOpen");
    EXPECT_EQ(m.title, "Error");
    EXPECT_EQ(m.icon, ui::MsgIcon::Exclamation);
}

TEST_F(ErrorReport, CaughtQuenErrorReportsItsNumber) {
    try {
        throw quen::Error(quen::kErrFileAlreadyOpen, "locked");
    } catch (...) {
        quen::ReportError(lang, "Main-cmdSave", std::current_exception());
    }
    ASSERT_EQ(ui::LastMessages().size(), 1u);
    EXPECT_EQ(ui::LastMessages()[0].text,
              lang.msg_Err_File_Is_Open() + "\r\n\r\nError Number :  55\r\nErrModal : Main-cmdSave");
}

std::exception_ptr SystemError(std::errc code) {
    return std::make_exception_ptr(
        std::filesystem::filesystem_error("op", "p", std::make_error_code(code)));
}

TEST(ErrorNumbers, ExceptionsMapToClassicNumbers) {
    using quen::ErrorNumberOf;
    EXPECT_EQ(ErrorNumberOf(std::make_exception_ptr(quen::Error(62, "eof"))), 62);
    EXPECT_EQ(ErrorNumberOf(std::make_exception_ptr(quen::Error(-7, "odd"))), -7);
    EXPECT_EQ(ErrorNumberOf(SystemError(std::errc::no_such_file_or_directory)), 53);
    EXPECT_EQ(ErrorNumberOf(SystemError(std::errc::permission_denied)), 70);
    EXPECT_EQ(ErrorNumberOf(SystemError(std::errc::read_only_file_system)), 70);
    EXPECT_EQ(ErrorNumberOf(SystemError(std::errc::no_space_on_device)), 61);
    EXPECT_EQ(ErrorNumberOf(SystemError(std::errc::device_or_resource_busy)), 55);
    EXPECT_EQ(ErrorNumberOf(SystemError(std::errc::is_a_directory)), 75);
    EXPECT_EQ(ErrorNumberOf(std::make_exception_ptr(std::system_error(std::make_error_code(std::errc::io_error)))),
              75);
    EXPECT_EQ(ErrorNumberOf(std::make_exception_ptr(std::ios_base::failure("stream"))), 75);
    EXPECT_EQ(ErrorNumberOf(std::make_exception_ptr(std::invalid_argument("stoi"))), 13);
    EXPECT_EQ(ErrorNumberOf(std::make_exception_ptr(std::out_of_range("stoi"))), 6);
    EXPECT_EQ(ErrorNumberOf(std::make_exception_ptr(std::bad_alloc())), 6);
    EXPECT_EQ(ErrorNumberOf(std::make_exception_ptr(42)), 6);
    EXPECT_EQ(ErrorNumberOf(nullptr), 6);
}

}  // namespace
