// Running the driver's steps.
#pragma once
#include <string>

#include "driver/Steps.h"

namespace quen::driver {

struct Session {
    double timeout = 10.0;  // seconds a step waits for its window or control
};

// Runs one step; throws Failure when it cannot be done.
void RunStep(const Step& step, Session& session);

// Writes one line of UTF-8 output (the step's result) to stdout.
void PrintLine(const std::wstring& text);

// Steps on windows (Actions.cpp), on controls (ControlActions.cpp), on processes
// (ProcessWait.cpp).
void RunWindowStep(const Step& step, Session& session);
void RunControlStep(const Step& step, Session& session);
void WaitProcessExit(const std::wstring& nameOrPid, double seconds);

}  // namespace quen::driver
