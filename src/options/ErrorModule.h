// The editor's one message for unexpected errors, built from language-table texts.
#pragma once

#include <exception>
#include <string>

namespace quen {

class Lang;

// The message text: the error's text (55 file already open, 75 path or file access
// error, anything else "unknown"), an empty line, the language's "Error Number : " with
// the number (" 13", "-5"), and "ErrModal : " with the procedure name, "Unknow" when the
// name is empty. Lines end CR LF.
std::string ErrorReportText(const Lang& lang, const std::string& procName, int errorNumber);

// Shows that text in a message box with the exclamation icon and the title msg_Error.
void ReportError(const Lang& lang, const std::string& procName, int errorNumber);

// The same for a caught exception: callers write
//   catch (...) { ReportError(lang, "Main-cmdSave", std::current_exception()); }
void ReportError(const Lang& lang, const std::string& procName, std::exception_ptr error);

// The classic error number of a caught exception (see ErrorModule.cpp for the mapping).
int ErrorNumberOf(std::exception_ptr error);

// A number as the report writes it: a leading blank for 0 and above, a minus sign below.
std::string NumberWithSign(int number);

}  // namespace quen
