// Test helper: runs a call that may show dialog boxes and handles each as a person in front
// of the screen would: reads it, then presses a button.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quen::test {

struct SeenDialog {
    std::string title;
    std::string text;                  // its static texts, one a line (a message box: its message)
    std::vector<std::string> buttons;  // captions without '&'
    bool pressed = false;              // the wanted button was found and pressed
};

// Runs `call` while a second thread watches this process's dialogs: each is read and its
// button captioned `press` clicked; one without that button is closed so the test cannot
// hang. Returns the dialogs seen, in order; texts are in the ANSI code page.
std::vector<SeenDialog> WatchDialogs(const std::function<void()>& call, const std::string& press = "OK");

}  // namespace quen::test
