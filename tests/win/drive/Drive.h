// Window driving shared by the end-to-end driver and the in-process dialog watcher: finding
// windows and controls, reading them and pressing buttons as a person sees and uses them.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace quen::drive {

// A step that cannot be done throws Failure with the driver's exit code and a UTF-8 message.
enum ExitCode : int { kExitOk = 0, kExitFailed = 1, kExitUsage = 2, kExitTimeout = 3 };
struct Failure {
    int exitCode;
    std::string message;
};
[[noreturn]] void Fail(const std::string& message, int exitCode = kExitFailed);

// Windows hold wide text; the shell talks UTF-8 and the narrow Win32 calls the ANSI code page.
std::string Narrow(const std::wstring& wide, UINT codePage = CP_UTF8);
bool SameNoCase(const std::wstring& a, const std::wstring& b);
// A caption as a person reads it: "&OK" shows as "OK", "&&" as "&".
std::wstring StripMnemonic(const std::wstring& caption);
// CR LF as LF, as a shell script compares text.
std::wstring UnixLines(const std::wstring& text);

// Polls in short sleeps: Tick() sleeps one interval, false once `seconds` have passed.
struct Deadline {
    explicit Deadline(double seconds) : end(GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000.0)) {}
    bool Tick() const;
    ULONGLONG end;
};

// Sends a message across threads or processes; fails clearly when the window's thread hangs.
LRESULT SendOrFail(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
std::wstring ClassOf(HWND hwnd);
std::wstring TextOf(HWND hwnd);

// Visible top-level windows that `wanted` accepts, in z-order, enabled ones first: when a
// modal box shares its owner's title, the box is what a person can use.
std::vector<HWND> TopWindows(const std::function<bool(HWND)>& wanted);

struct Control {
    HWND hwnd;
    std::wstring className;
    int id;
    std::wstring text;
};
// Every control in child order (tab order for dialogs); the edit and list inside a combo
// box are left out: the combo box is what a person sees.
std::vector<Control> ListControls(HWND window);

// What a step acts on; a label names the next control of this kind after it.
enum class ControlKind { Button, Editable, Choice, Readable };
bool IsKind(const std::wstring& className, ControlKind kind);
// Selectors: "#ID"; "Class:N", the N-th control of that class from 1 ("Edit:2"); a button's
// caption ("&OK" or "OK"); for other kinds the label before the control ("Name:" or "Name"),
// and for Readable any control's own caption. nullptr when nothing matches.
HWND FindControl(const std::vector<Control>& controls, const std::wstring& selector, ControlKind kind);
// "Edit #3 "text", ..." for messages when a selector finds nothing.
std::string Summary(const std::vector<Control>& controls);

// A message box's text: its static texts joined by line ends (the icon is a static without text).
std::wstring MessageText(HWND box);

// A click as the mouse gives it; posted, so a button that opens a modal box does not block.
void Click(HWND control);

}  // namespace quen::drive
