// The language's font for a window and all its controls.
#include "options/win/LangFont.h"

#include "options/Lang.h"
#include "startup/ProgramSettings.h"
#include "win/DialogItems.h"

namespace quen::options::win {

quen::win::UniqueHFont LangFont(const Lang& lang) {
    const auto size = ParseSettingsNumber(lang.Font_Size(), 1, 200);
    return quen::win::MakeFont(lang.Font_Name(), size ? static_cast<int>(*size) : 8);
}

void ApplyLangFont(HWND window, const Lang& lang, quen::win::UniqueHFont& holder) {
    if (quen::win::UniqueHFont font = LangFont(lang)) {
        quen::win::SetFontDeep(window, font.get());
        holder = std::move(font);
    }
}

}  // namespace quen::options::win
