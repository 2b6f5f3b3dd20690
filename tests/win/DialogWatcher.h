// Test helper: a background watcher that finds this process's dialog boxes, reads them and
// presses a button, as a person in front of the screen would.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

namespace quen::test {

struct SeenDialog {
    std::string title;
    std::string text;                  // its static texts, one a line (a message box: its message)
    std::vector<std::string> buttons;  // captions without '&'
    bool pressed = false;              // the wanted button was found and pressed
};

// Start one before a call that may show a dialog (the call blocks until it is closed) and
// Finish() after it returns. Each dialog is read, then its button captioned `press` is
// clicked; one without that button is closed so the test cannot hang. Texts are in the
// ANSI code page, as the program's narrow calls see them.
class DialogWatcher {
public:
    explicit DialogWatcher(std::string press = "OK");
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    // Stops watching and returns every dialog seen, in order.
    std::vector<SeenDialog> Finish();
    void Run();  // the watching thread's loop

private:

    std::string press_;
    std::atomic<bool> stop_{false};
    std::vector<SeenDialog> seen_;
    HANDLE thread_ = nullptr;
};

}  // namespace quen::test
