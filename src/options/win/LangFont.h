// The language's font for a window and all its controls.
#pragma once

#include <windows.h>

#include "win/DialogItems.h"
#include "platform/win/Handles.h"

namespace quen {
class Lang;
}

namespace quen::options::win {

using quen::win::MakeFont;
using quen::win::SetFontDeep;

// The language file's Font_Name at Font_Size (8 points when the size is not a number
// from 1 to 200).
quen::win::UniqueHFont LangFont(const Lang& lang);

// Makes the language's font into `holder` and gives it to every control below `window`.
void ApplyLangFont(HWND window, const Lang& lang, quen::win::UniqueHFont& holder);

}  // namespace quen::options::win
