// The controls of a window as a person sees them, and finding one by ID, caption, label or order.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace quen::driver {

struct Control {
    HWND hwnd;
    std::wstring className;
    int id;
    std::wstring text;
    bool visible;
    bool enabled;
};

// Every control in child order (tab order for dialogs); the edit and list inside a
// combo box are left out, the combo box is what a person sees.
std::vector<Control> ListControls(HWND window);

// What a step wants to act on; a label finds the next control of this kind after it.
enum class ControlKind { Button, Editable, Choice, Readable };

// Selector forms:
//   #ID       the control with this control ID (decimal)
//   Class:N   the N-th control of that window class, counting from 1 ("Edit:2")
//   text      a button by caption ("&OK" or "OK"); an edit, combo or list box by the
//             label before it ("Name:", "&Name" or "Name")
// Returns nullptr when nothing matches.
HWND FindControl(const std::vector<Control>& controls, const std::wstring& selector, ControlKind kind);

bool IsKind(const std::wstring& className, ControlKind kind);

// A line listing the controls, for messages when a selector finds nothing.
std::string Summary(const std::vector<Control>& controls);

}  // namespace quen::driver
