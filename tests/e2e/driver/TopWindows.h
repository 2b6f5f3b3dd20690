// Finding the top-level windows of other processes by their title, as a person finds them on screen.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace quen::driver {

enum class TitleMatch { Exact, Prefix, Contains };

struct WindowQuery {
    std::wstring title;
    TitleMatch match = TitleMatch::Exact;
    std::wstring className;  // empty: any class
};

// "window "Title"" with the match mode and class, for messages.
std::string Describe(const WindowQuery& query);

// Visible top-level windows of other processes that match, in z-order, enabled ones
// first: when a modal box shares its owner's title, the box is what a person can use.
std::vector<HWND> FindWindows(const WindowQuery& query);

// The first of FindWindows, waiting up to `seconds`; fails with a timeout.
HWND WaitWindow(const WindowQuery& query, double seconds);

// Waits until no window matches; fails with a timeout.
void WaitGone(const WindowQuery& query, double seconds);

// A window's text through WM_GETTEXT (works across processes); fails when the
// window's thread does not answer.
std::wstring TextOf(HWND hwnd);
std::wstring ClassOf(HWND hwnd);

// Sends a message and fails clearly when the window's thread hangs.
LRESULT SendOrFail(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

}  // namespace quen::driver
