// Loads a picture file into a bitmap of a given size through OLE's picture object.
#include "win/PictureFile.h"

#include <ole2.h>
#include <olectl.h>

#include <vector>

namespace quen::win {

namespace {

constexpr int kHimetricPerInch = 2540;

struct PictureRelease {
    IPicture* p = nullptr;
    ~PictureRelease() {
        if (p) p->Release();
    }
};

}  // namespace

UniqueHBitmap LoadPictureFitted(const std::string& path, int width, int height) {
    const int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (n <= 0 || width <= 0 || height <= 0) return {};
    std::vector<wchar_t> wide(n);
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), n);
    PictureRelease pic;
    if (FAILED(OleLoadPicturePath(wide.data(), nullptr, 0, 0, IID_IPicture, reinterpret_cast<void**>(&pic.p))) ||
        !pic.p)
        return {};
    OLE_XSIZE_HIMETRIC hw = 0;
    OLE_YSIZE_HIMETRIC hh = 0;
    pic.p->get_Width(&hw);
    pic.p->get_Height(&hh);
    if (hw <= 0 || hh <= 0) return {};
    HDC screen = GetDC(nullptr);
    const int pw = MulDiv(hw, GetDeviceCaps(screen, LOGPIXELSX), kHimetricPerInch);
    const int ph = MulDiv(hh, GetDeviceCaps(screen, LOGPIXELSY), kHimetricPerInch);
    // Never enlarged; shrunk to fit with its proportions.
    int w = pw, h = ph;
    if (w > width) h = MulDiv(h, width, w), w = width;
    if (h > height) w = MulDiv(w, height, h), h = height;
    UniqueHBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (!bitmap || !dc) {
        if (dc) DeleteDC(dc);
        return {};
    }
    HGDIOBJ old = SelectObject(dc, bitmap.get());
    RECT all{0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    const HRESULT drawn = pic.p->Render(dc, (width - w) / 2, (height - h) / 2, w, h, 0, hh, hw, -hh, nullptr);
    SelectObject(dc, old);
    DeleteDC(dc);
    if (FAILED(drawn)) return {};
    return bitmap;
}

}  // namespace quen::win
