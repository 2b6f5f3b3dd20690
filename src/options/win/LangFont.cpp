// The language's font for a window and all its controls.
#include "options/win/LangFont.h"

#include <string>

#include "options/Lang.h"
#include "startup/ProgramSettings.h"

namespace quen::options::win {

quen::win::UniqueHFont MakeFont(const std::string& name, int points) {
    LOGFONTA lf{};
    if (points > 0) {
        HDC dc = GetDC(nullptr);
        lf.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
        ReleaseDC(nullptr, dc);
    }
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, name.c_str(), LF_FACESIZE);
    return quen::win::UniqueHFont(CreateFontIndirectA(&lf));
}

namespace {

BOOL CALLBACK GiveFont(HWND child, LPARAM font) {
    SendMessageA(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

}  // namespace

void SetFontDeep(HWND window, HFONT font) {
    if (font) EnumChildWindows(window, GiveFont, reinterpret_cast<LPARAM>(font));
}

quen::win::UniqueHFont LangFont(const Lang& lang) {
    const auto size = ParseSettingsNumber(lang.Font_Size(), 1, 200);
    if (!size || lang.Font_Name().empty()) return quen::win::UniqueHFont();
    return MakeFont(lang.Font_Name(), static_cast<int>(*size));
}

}  // namespace quen::options::win
