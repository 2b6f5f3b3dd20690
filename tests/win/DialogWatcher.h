// Test helper: runs a call that may show dialog boxes and handles each as a person in front
// of the screen would: reads it, then presses a button.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quen::test {

struct SeenDialog {
    std::string text;      // its static texts, one a line (a message box: its message)
    bool pressed = false;  // the wanted button (its caption without '&') was found and pressed
};

// Runs `call` while a thread reads each dialog of this process and clicks its button
// `press` (or closes it, so no test hangs); returns them in order, texts in the ANSI code page.
std::vector<SeenDialog> WatchDialogs(const std::function<void()>& call, const std::string& press = "OK");

}  // namespace quen::test
