// frmShow: the runtime window in its four modes (welcome, information, progress log, end).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "runtime/ShowModel.h"
#include "platform/win/Handles.h"

namespace quen::runtime::win {

// One window at a time: opened for a mode, closed by its buttons. Closing by the title
// bar counts as OK; only the Cancel button cancels. While busy (the progress log during
// the actions) the window cannot be closed and shows the hourglass.
class FrmShow {
public:
    FrmShow() = default;
    FrmShow(const FrmShow&) = delete;
    FrmShow& operator=(const FrmShow&) = delete;
    ~FrmShow();

    // Opens the window without waiting; a preview passes its owner and the patch's icon.
    bool Open(const ShowModel& model, HWND owner = nullptr, HICON icon = nullptr);
    // Shows what the model says (buttons, prompt, pointer) on the open window.
    void Apply(const ShowModel& model);
    void AppendText(const std::string& text);
    // Runs the event loop until the window is closed; true when Cancel was pressed.
    bool Wait();

    HWND hwnd() const { return hwnd_; }
    // What the About button shows, owned by this window; without it a message box names the
    // program and its version (a patch has no about box of its own).
    void SetAbout(std::function<void(HWND)> about) { about_ = std::move(about); }

private:
    static INT_PTR CALLBACK DialogProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    void OnCommand(int id);
    void SetFont(const ShowModel& model);
    void ShowPicture(const std::string& path);
    void Close();

    HWND hwnd_ = nullptr;
    quen::win::UniqueHFont font_;
    quen::win::UniqueHBitmap picture_;
    bool busy_ = false;
    bool closed_ = false;
    bool cancelled_ = false;
    std::function<void(HWND)> about_;
};

}  // namespace quen::runtime::win
