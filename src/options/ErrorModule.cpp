// The editor's error report: the text layout and the mapping of exceptions to numbers.
#include "options/ErrorModule.h"

#include <stdexcept>
#include <system_error>

#include "base/Errors.h"
#include "options/Lang.h"
#include "platform/Ui.h"

namespace quen {
namespace {

const std::string& FirstText(const Lang& lang, int errorNumber) {
    switch (errorNumber) {
        case kErrFileAlreadyOpen: return lang.msg_Err_File_Is_Open();
        case kErrPathFileAccess: return lang.msg_Path_File_Access_Error();
        default: return lang.msg_Unknow_Error();
    }
}

int NumberOfSystemError(const std::error_code& code) {
    if (code == std::errc::no_such_file_or_directory) return kErrFileNotFound;
    if (code == std::errc::permission_denied || code == std::errc::operation_not_permitted ||
        code == std::errc::read_only_file_system) {
        return kErrPermissionDenied;
    }
    if (code == std::errc::no_space_on_device) return kErrDiskFull;
    if (code == std::errc::device_or_resource_busy || code == std::errc::text_file_busy) return kErrFileAlreadyOpen;
    return kErrPathFileAccess;
}

}  // namespace

std::string NumberWithSign(int number) {
    std::string text = number >= 0 ? " " : "";
    text += std::to_string(number);
    return text;
}

std::string ErrorReportText(const Lang& lang, const std::string& procName, int errorNumber) {
    const std::string name = procName.empty() ? "Unknow" : procName;
    return FirstText(lang, errorNumber) + "\r\n\r\n" + lang.msg_Error_Number() + NumberWithSign(errorNumber) +
           "\r\nErrModal : " + name;
}

void ReportError(const Lang& lang, const std::string& procName, int errorNumber) {
    platform::ShowMessage(ErrorReportText(lang, procName, errorNumber), lang.msg_Error(),
                          platform::MsgIcon::Exclamation);
}

void ReportError(const Lang& lang, const std::string& procName, std::exception_ptr error) {
    ReportError(lang, procName, ErrorNumberOf(error));
}

// Every failure maps to one classic number. quen::Error carries its own; system and
// file-system errors map by their condition (a missing file 53, a refused access 70, a
// full disk 61, a busy file 55, any other I/O failure 75); a text that is not a number
// (std::invalid_argument, as thrown by std::stoi) is 13; sizes and numbers out of range,
// memory exhaustion included, are 6. Anything else is also 6: no classic number means
// "unknown", and 6 keeps the report's "unknown error" text where 75 would wrongly blame a
// path.
int ErrorNumberOf(std::exception_ptr error) {
    if (!error) return kErrOverflow;
    try {
        std::rethrow_exception(error);
    } catch (const Error& e) {
        return e.number();
    } catch (const std::system_error& e) {  // includes filesystem_error and ios failures
        return NumberOfSystemError(e.code());
    } catch (const std::invalid_argument&) {
        return kErrTypeMismatch;
    } catch (...) {
        return kErrOverflow;
    }
}

}  // namespace quen
