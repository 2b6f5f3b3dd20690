// Steps on common controls (toolbar buttons, list view rows, status bar panels), and
// what they share with the other steps.
#pragma once
#include <windows.h>

#include <string>

#include "driver/Step.h"
#include "win/drive/Drive.h"

namespace quen::driver {

// Runs "tool", "rows", "select", "open", "panels" and "drop".
void RunCommonControlStep(const Step& step);
// The "keys" step (Keys.cpp): key presses posted to a control as the keyboard sends them.
void KeysStep(const Step& step);

// Defined with the other steps (Steps.cpp): one output line; the step's control args[0],
// waited for (a dialog may fill in its controls after it shows), and with `usable`
// shown and enabled as a person needs it.
void Print(const std::wstring& text);
HWND Resolve(const Step& step, drive::ControlKind kind, bool usable);
// A control's text, cell or panel on one output line (Tab and line ends as \t and \n).
std::wstring Flat(const std::wstring& text);

}  // namespace quen::driver
