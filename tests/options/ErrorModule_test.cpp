// The editor's error report: its text by error number and which number each kind of
// failure gets (its message box: ProjectOpen_test and ProgramInit_test).
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

namespace {

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
