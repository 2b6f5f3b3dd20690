// What every dialog of the editor and the options does alike with its controls: texts,
// check marks, the owner's icon, one font on every control.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win/Handles.h"

namespace quen::win {

std::string WindowText(HWND h);
std::string ItemText(HWND dlg, int id);
void SetItemText(HWND dlg, int id, const std::string& text);
void EnableItem(HWND dlg, int id, bool enable);
void ShowItem(HWND dlg, int id, bool show);
bool IsChecked(HWND dlg, int id);
void SetChecked(HWND dlg, int id, bool checked);

// The icon of the window that owns `dlg` (the main window's), else the program's.
void UseOwnerIcon(HWND dlg);

// A font of `name` ("MS Shell Dlg" when empty) at `points`; 0 or less keeps the system's
// default height.
UniqueHFont MakeFont(const std::string& name, int points);
// Gives `font` to every control below `window`, pages included.
void SetFontDeep(HWND window, HFONT font);

}  // namespace quen::win
