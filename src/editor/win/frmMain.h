// The editor's main window.
#pragma once

#include <windows.h>

#include <string>

#include "editor/Program.h"

namespace quen {

class frmMain {
public:
    explicit frmMain(Program& program);
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;
    ~frmMain();

    // Creates and shows the window without waiting; false when it could not be created.
    bool Show(int showCommand);
    void PlayOpenWave();
    HWND hwnd() const { return hwnd_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    std::string Caption() const;

    Program& program_;
    HWND hwnd_ = nullptr;
};

}  // namespace quen
