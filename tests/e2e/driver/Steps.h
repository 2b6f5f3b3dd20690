// The driver's command line: steps separated by ";" arguments, each a verb with its arguments.
#pragma once
#include <string>
#include <vector>

#include "driver/TopWindows.h"

namespace quen::driver {

struct Step {
    std::wstring verb;
    WindowQuery window;              // for verbs acting on a window
    std::vector<std::wstring> args;  // the arguments after the window title
    std::wstring source;             // the step as written, for messages
};

// Splits and checks every step before any runs, so a typo fails before a window is touched.
std::vector<Step> ParseSteps(const std::vector<std::wstring>& argv);

extern const char kUsage[];

}  // namespace quen::driver
