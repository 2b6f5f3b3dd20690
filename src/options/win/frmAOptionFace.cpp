// frmAOption's interface page: picture test, icon browse and check, font choice and samples.
#include <windows.h>
#include <commdlg.h>

#include <cstdlib>
#include <utility>

#include "maker/IconProcModule.h"
#include "options/OptionFiles.h"
#include "options/win/LangFont.h"
#include "options/win/frmAOption.h"
#include "options/win/frmAOptionIds.h"
#include "platform/Ui.h"
#include "startup/FSUPLIBmain.h"
#include "win/FileDialog.h"
#include "win/PictureFile.h"

namespace quen::options::win {

namespace {

bool IsFile(const std::string& path) { return !path.empty() && FileExists(path, kFindNormal); }

}  // namespace

void FrmAOption::PictureTest() {
    HWND face = pages_[5];
    HWND box = GetDlgItem(face, IDC_AO_PIC_BOX);
    const std::string path = ResolveOptionPath(ItemText(face, IDC_AO_PIC), program_.folder);
    const bool shown = IsFile(path) && IsPictureFileName(path);
    options_.ShowPicture = shown;
    if (shown) {
        RECT r{};
        GetClientRect(box, &r);
        // A picture that cannot be decoded leaves the preview as it was.
        if (auto bitmap = quen::win::LoadPictureFitted(path, r.right, r.bottom)) picture_ = std::move(bitmap);
    } else {
        picture_.reset();
    }
    SendMessageA(box, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.get()));
}

void FrmAOption::BrowsePicture() {
    const std::string path = quen::win::OpenFileDialog(hwnd_, {program_.lang.PictureFileSet()});
    if (!path.empty()) SetItemText(pages_[5], IDC_AO_PIC, path);  // its change runs the picture test
}

// The icon preview shows a file with a 32 x 32 image; false when none could be shown.
bool FrmAOption::ShowIcon(const std::string& path) {
    const bool qualifies = HasIcon32File(path);
    icon_.reset(qualifies ? static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE))
                          : nullptr);
    SendDlgItemMessageA(pages_[5], IDC_AO_ICON_BOX, STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
    if (!qualifies) {
        const Lang& l = program_.lang;
        platform::ShowMessage(l.msg_Cant_Find_32_ICON(), l.msg_Error(), platform::MsgIcon::Critical);
    }
    return static_cast<bool>(icon_);
}

void FrmAOption::BrowseIcon() {
    const std::string path = quen::win::OpenFileDialog(hwnd_, {"ICON FIle|*.ico"});
    if (path.empty()) return;
    if (!IsFile(path) || !IsIconFileName(path)) {
        icon_.reset();
        SendDlgItemMessageA(pages_[5], IDC_AO_ICON_BOX, STM_SETICON, 0, 0);
        return;
    }
    if (ShowIcon(path)) options_.PatchIconFile = path;
}

void FrmAOption::IconCheckOnLoad() {
    const std::string path = ResolveOptionPath(options_.PatchIconFile, program_.folder);
    if (!IsFile(path)) return;
    if (!ShowIcon(path)) options_.PatchIconFile.clear();
}

void FrmAOption::PickFont() {
    HWND face = pages_[5];
    LOGFONTA lf{};
    HDC dc = GetDC(hwnd_);
    lf.lfHeight = -MulDiv(std::atoi(ItemText(face, IDC_AO_FONTSIZE).c_str()), GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(hwnd_, dc);
    lstrcpynA(lf.lfFaceName, ItemText(face, IDC_AO_FONTNAME).c_str(), LF_FACESIZE);
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = hwnd_;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_SCRIPTSONLY | CF_FORCEFONTEXIST | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&cf)) return;
    SetItemText(face, IDC_AO_FONTNAME, lf.lfFaceName);
    SetItemText(face, IDC_AO_FONTSIZE, std::to_string((cf.iPointSize + 5) / 10));
    FontLabelsChanged();
}

// The samples take the labels' font; the options keep the name and size the system used.
void FrmAOption::FontLabelsChanged() {
    HWND face = pages_[5];
    sampleFont_ = MakeFont(ItemText(face, IDC_AO_FONTNAME), std::atoi(ItemText(face, IDC_AO_FONTSIZE).c_str()));
    if (!sampleFont_) return;
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, sampleFont_.get());
    char used[LF_FACESIZE] = "";
    GetTextFaceA(dc, LF_FACESIZE, used);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    const int points = MulDiv(tm.tmHeight - tm.tmInternalLeading, 72, GetDeviceCaps(dc, LOGPIXELSY));
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    options_.InterFaceFont = used;
    options_.InterFaceFont_Size = static_cast<int16_t>(points);
    SetItemText(face, IDC_AO_FONTNAME, used);
    SetItemText(face, IDC_AO_FONTSIZE, std::to_string(points));
    const WPARAM f = reinterpret_cast<WPARAM>(sampleFont_.get());
    SendDlgItemMessageA(face, IDC_AO_SAMTXT, WM_SETFONT, f, TRUE);
    HWND msg = pages_[4];
    for (int id : {IDC_AO_SAMPLE_BTN0, IDC_AO_SAMPLE_BTN0 + 1, IDC_AO_SAMPLE_BTN0 + 2, IDC_AO_SAMPLE_PROMPT})
        SendDlgItemMessageA(msg, id, WM_SETFONT, f, TRUE);
    // The text boxes show what is typed in the interface font's face, at the language's size.
    quen::win::UniqueHFont boxes = MakeFont(used, std::atoi(program_.lang.Font_Size().c_str()));
    for (HWND page : pages_) {
        for (HWND c = GetWindow(page, GW_CHILD); c && boxes; c = GetWindow(c, GW_HWNDNEXT)) {
            char cls[16] = "";
            GetClassNameA(c, cls, sizeof cls);
            if (lstrcmpiA(cls, "Edit") == 0) SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(boxes.get()), TRUE);
        }
    }
    if (boxes) boxFont_ = std::move(boxes);  // the old font goes only once no box uses it
    UpdateSamples();
}

void FrmAOption::UpdateSamples() {
    HWND msg = pages_[4];
    for (int i = 0; i < 3; ++i) SetItemText(msg, IDC_AO_SAMPLE_BTN0 + i, ItemText(msg, IDC_AO_BTN0 + i));
    SetItemText(msg, IDC_AO_SAMPLE_PROMPT, ItemText(msg, IDC_AO_BTN0 + 3));
    const std::string sample = ItemText(pages_[5], IDC_AO_SAMTXT_EDIT);
    if (!sample.empty()) SetItemText(pages_[5], IDC_AO_SAMTXT, sample);
}

}  // namespace quen::options::win
