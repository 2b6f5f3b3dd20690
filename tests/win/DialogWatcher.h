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
    std::string messageText;          // a message box's text (empty for other dialogs)
    std::vector<std::string> statics; // every non-empty static text, in child order
    std::vector<std::string> buttons; // button captions, '&' removed
    bool pressed = false;             // the wanted button was found and pressed
};

// Start one before a call that may show a dialog (the call blocks until the dialog is
// closed) and Finish() after it returns. Each dialog that appears is read, then the button
// captioned `press` is clicked. With the environment variable QUEN_DIALOG_PAUSE_MS set, the
// watcher waits that long before pressing, so a screenshot can be taken.
class DialogWatcher {
public:
    explicit DialogWatcher(std::string press = "OK");
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    // Stops watching and returns every dialog seen, in order.
    std::vector<SeenDialog> Finish();

private:
    static DWORD WINAPI ThreadMain(LPVOID self);
    void Run();
    HWND FindDialog() const;
    void Handle(HWND dialog);

    std::string press_;
    std::atomic<bool> stop_{false};
    std::vector<SeenDialog> seen_;
    HANDLE thread_ = nullptr;
};

// Reads the visible content of a dialog box.
SeenDialog ReadDialog(HWND dialog);

// Clicks the button of `dialog` whose caption (without '&') is `caption`; false when none.
bool PressButton(HWND dialog, const std::string& caption);

}  // namespace quen::test
