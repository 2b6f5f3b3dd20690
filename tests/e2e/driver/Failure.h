// How a driver step fails: the exit code the driver ends with and the message it prints.
#pragma once
#include <string>

namespace quen::driver {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,   // a window or control is not as the step expects
    kExitUsage = 2,    // the command line is wrong
    kExitTimeout = 3,  // what a step waited for did not happen in time
};

struct Failure {
    int exitCode;
    std::string message;  // UTF-8
};

[[noreturn]] inline void Fail(const std::string& message) { throw Failure{kExitFailed, message}; }
[[noreturn]] inline void FailTimeout(const std::string& message) { throw Failure{kExitTimeout, message}; }
[[noreturn]] inline void FailUsage(const std::string& message) { throw Failure{kExitUsage, message}; }

}  // namespace quen::driver
