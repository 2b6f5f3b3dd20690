// The language's font for a window and all its controls.
#pragma once

#include <windows.h>

#include <string>

#include "win/Handles.h"

namespace quen {
class Lang;
}

namespace quen::options::win {

// A font of `name` at `points`; null when it cannot be made. A size of 0 or less keeps the
// system's default height.
quen::win::UniqueHFont MakeFont(const std::string& name, int points);

// Gives `font` to every control below `window`, pages included.
void SetFontDeep(HWND window, HFONT font);

// The language file's Font_Name and Font_Size; null (the designed font stays) when the
// size is not a whole number.
quen::win::UniqueHFont LangFont(const Lang& lang);

}  // namespace quen::options::win
