// The error type of the core: a classic run-time error number with a message.
#pragma once

#include <exception>
#include <string>
#include <utility>

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

// Not a std::runtime_error: that one drags the library's copy-on-write strings into
// every program, the head included, for no gain over a plain message.
class Error : public std::exception {
public:
    Error(int number, std::string message) : message_(std::move(message)), number_(number) {}
    const char* what() const noexcept override { return message_.c_str(); }
    int number() const { return number_; }

private:
    std::string message_;
    int number_;
};

}  // namespace quen
