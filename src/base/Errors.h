// The error type of the core: a classic run-time error number with a message.
#pragma once

#include <stdexcept>
#include <string>

namespace quen {

// Every caught failure maps to one of these numbers; the editor's error report
// chooses its text by them.
enum ErrorNumber : int {
    kErrOverflow = 6,
    kErrTypeMismatch = 13,        // a text that is not a number
    kErrFileNotFound = 53,
    kErrFileAlreadyOpen = 55,
    kErrDiskFull = 61,
    kErrInputPastEnd = 62,
    kErrPermissionDenied = 70,
    kErrPathFileAccess = 75,
};

class Error : public std::runtime_error {
public:
    Error(int number, const std::string& message) : std::runtime_error(message), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

}  // namespace quen
