// frmOption: the program options dialog over its pages; the decisions are ProgramOptions'.
#include <windows.h>
#include <commctrl.h>

#include <array>

#include "options/ErrorModule.h"
#include "options/ProgramOptions.h"
#include "options/win/DriveCodeText.h"
#include "options/win/LangFont.h"
#include "options/win/ModalDialog.h"
#include "options/win/ProgramOptionsDialog.h"
#include "options/win/frmOptionIds.h"
#include "project/win/ScriptType.h"
#include "startup/AppINI.h"

namespace quen::options::win {

namespace {

constexpr int kPages[6] = {IDD_OPT_LANG, IDD_OPT_CD, IDD_OPT_ADV, IDD_OPT_COMP, IDD_OPT_REG, IDD_OPT_QUEN};
constexpr size_t kCdPage = 1, kQuenPage = 5;

std::vector<std::string> LanguageFolderFiles(const std::string& programFolder) {
    std::vector<std::string> files;
    const std::string folder = programFolder + "\\Language\\";
    WIN32_FIND_DATAA data{};
    quen::win::UniqueFindHandle find(FindFirstFileA((folder + "*").c_str(), &data));
    if (!find) return files;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(folder + data.cFileName);
    } while (FindNextFileA(find.get(), &data));
    return files;
}

struct Slider {
    int page, slider, value, min, max, step;
};
constexpr Slider kSliders[3] = {
    {2, IDC_OPT_SAMPLE, IDC_OPT_SAMPLE_VALUE, kSampleMin, kSampleMax, kSampleStep},
    {2, IDC_OPT_MOVE, IDC_OPT_MOVE_VALUE, kMoveMin, kMoveMax, kMoveStep},
    {3, IDC_OPT_LEVEL, IDC_OPT_LEVEL_VALUE, kLevelMin, kLevelMax, 1},
};

class FrmOption : public ModalDialog {
public:
    FrmOption(Program& program, const LanguageSwitched& switched) : program_(program), switched_(switched) {}
    ~FrmOption() override {
        if (hook_) UnhookWindowsHookEx(hook_);
        active_ = nullptr;
    }

private:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    INT_PTR OnNotify(NMHDR* n) override;
    void OnError() override { ReportError(program_.lang, "", std::current_exception()); }
    void SetCaptions();
    void ShowPage(size_t index);
    void ShowLanguageInfo();
    int SliderValue(const Slider& s) const {
        return static_cast<int>(SendDlgItemMessageA(pages_[static_cast<size_t>(s.page)], s.slider, TBM_GETPOS, 0, 0));
    }
    void SetSlider(const Slider& s, int value);
    void Ok();
    void OnKey(WPARAM key);
    static LRESULT CALLBACK KeyHook(int code, WPARAM wp, LPARAM lp);

    Program& program_;
    const LanguageSwitched& switched_;
    ProgramOptionsForm form_;
    std::array<HWND, 6> pages_{};
    size_t shown_ = 0;
    HiddenPageWord word_;
    HHOOK hook_ = nullptr;
    quen::win::UniqueHFont langFont_, infoFont_;
    static FrmOption* active_;
};

FrmOption* FrmOption::active_ = nullptr;

// The difference mode's buttons, in the order of Comp_Mode's values 1 to 3.
constexpr int kModeButtons[3] = {IDC_OPT_MODE_QUICK, IDC_OPT_MODE_THOROUGH, IDC_OPT_MODE_COMPACT};

void FrmOption::OnInit() {
    quen::win::UseOwnerIcon(hwnd_);
    form_ = ReadProgramOptions(program_, LanguageFolderFiles(program_.folder));
    const Lang& l = program_.lang;
    // The tabs come first: the pages fill what the tab strip leaves below its tabs.
    const std::string titles[5] = {l.MO_LanguageTilte(), "CD Extra", l.ADV_Advanced(), l.COMPR_CompressTitle(), l.Tab_Reg_Title()};
    CreateTabPages(IDC_OPT_TAB, titles, kPages, pages_);
    HWND lang = pages_[0];
    for (const LanguageChoice& c : form_.languages)
        SendDlgItemMessageA(lang, IDC_OPT_LANG_NAME, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.shown.c_str()));
    langFont_ = LangFont(program_.lang);
    if (langFont_) SetFontDeep(hwnd_, langFont_.get());
    SetCaptions();
    const ProgramOptionValues& v = form_.atOpen;
    SendDlgItemMessageA(lang, IDC_OPT_LANG_NAME, CB_SETCURSEL, static_cast<WPARAM>(v.languageIndex), 0);
    SetChecked(pages_[1], IDC_OPT_CD_PATCH, v.cdPatch);
    SetChecked(pages_[1], IDC_OPT_CD_AUDIO, v.cdAudio);
    const int values[3] = {v.sampleSize, v.moveSize, v.compressionLevel};
    for (int i = 0; i < 3; ++i) {
        const Slider& s = kSliders[i];
        HWND page = pages_[static_cast<size_t>(s.page)];
        SendDlgItemMessageA(page, s.slider, TBM_SETRANGE, FALSE, MAKELPARAM(s.min, s.max));
        SendDlgItemMessageA(page, s.slider, TBM_SETTICFREQ, static_cast<WPARAM>(s.step), 0);
        SendDlgItemMessageA(page, s.slider, TBM_SETLINESIZE, 0, s.step);
        SendDlgItemMessageA(page, s.slider, TBM_SETPAGESIZE, 0, s.step);
        SetSlider(s, values[i]);
    }
    SetItemText(pages_[2], IDC_OPT_TPL, v.defaultTpl);
    SetChecked(pages_[2], kModeButtons[v.compMode - 1], true);
    if (v.compressionType >= 0) SetChecked(pages_[3], v.compressionType == 1 ? IDC_OPT_LZX : IDC_OPT_MSZIP, true);
    SetChecked(pages_[4], IDC_OPT_REGSCRIPT, v.registerScriptType);
    SendDlgItemMessageA(pages_[4], IDC_OPT_REG_ICON, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(2))), 0);
    ShowLanguageInfo();
    ShowPage(0);
    active_ = this;
    hook_ = SetWindowsHookExA(WH_GETMESSAGE, KeyHook, nullptr, GetCurrentThreadId());
}

void FrmOption::SetCaptions() {
    const Lang& l = program_.lang;
    SetWindowTextA(hwnd_, l.MO_Title().c_str());
    SetItemText(hwnd_, IDC_OPT_OK, l.Button_OK());
    SetItemText(hwnd_, IDC_OPT_CANCEL, l.Button_Cancel());
    const struct {
        size_t page;
        int id;
        const std::string& text;
    } captions[] = {
        {0, IDC_OPT_LANG_FRAME, l.MO_LanguageSetting()}, {0, IDC_OPT_LANG_LABEL, l.MO_LanguageName()},
        {0, IDC_OPT_INFO_FRAME, l.MO_Information()},     {0, IDC_OPT_FONT_LABEL, l.Str_Font_Name()},
        {0, IDC_OPT_SIZE_LABEL, l.Str_Font_Size()},      {0, IDC_OPT_WRITER_LABEL, l.MO_Writer()},
        {0, IDC_OPT_DATE_LABEL, l.MO_Date()},            {1, IDC_OPT_CD_FRAME, l.CDE_Setting()},
        {1, IDC_OPT_CD_PATCH, l.CDE_Patch()},            {1, IDC_OPT_CD_AUDIO, l.CDE_PlayCDA()},
        {1, IDC_OPT_CD_NOTE, l.CDE_Note()},              {2, IDC_OPT_ADV_FRAME, l.ADV_Setting()},
        {2, IDC_OPT_SAMPLE_LABEL, l.ADV_SampleSize()},   {2, IDC_OPT_MOVE_LABEL, l.ADV_MoveSize()},
        {2, IDC_OPT_TPL_LABEL, l.ADV_DefaultTPL()},      {2, IDC_OPT_MODE_LABEL, l.ADV_DiffMode()},
        {2, IDC_OPT_MODE_QUICK, l.ADV_ModeQuick()},      {2, IDC_OPT_MODE_THOROUGH, l.ADV_ModeThorough()},
        {2, IDC_OPT_MODE_COMPACT, l.ADV_ModeCompact()},  {3, IDC_OPT_COMP_FRAME, l.COMPR_Option()},
        {3, IDC_OPT_TYPE_LABEL, l.COMPR_Type()},         {3, IDC_OPT_MSZIP, l.COMPR_MSZIP()},
        {3, IDC_OPT_LZX, l.COMPR_LZX()},                 {3, IDC_OPT_LEVEL_LABEL, l.COMPR_Level()},
        {4, IDC_OPT_REG_FRAME, l.FILE_Reg_Setting()},    {4, IDC_OPT_REGSCRIPT, l.FILE_Reg_Script_Type()},
    };
    for (const auto& c : captions) SetItemText(pages_[c.page], c.id, c.text);
}

void FrmOption::ShowPage(size_t index) {
    shown_ = index;
    for (size_t i = 0; i < pages_.size(); ++i) ShowWindow(pages_[i], i == index ? SW_SHOW : SW_HIDE);
}

// The chosen language's font, size, writer and date: from its file, or the table in use.
void FrmOption::ShowLanguageInfo() {
    HWND lang = pages_[0];
    const auto i = SendDlgItemMessageA(lang, IDC_OPT_LANG_NAME, CB_GETCURSEL, 0, 0);
    if (i < 0 || static_cast<size_t>(i) >= form_.languages.size()) return;
    const LanguageChoice& c = form_.languages[static_cast<size_t>(i)];
    std::string font = program_.lang.Font_Name(), size = program_.lang.Font_Size();
    std::string writer = program_.lang.Writer(), date = program_.lang.MakeDate();
    if (c.shown != program_.lang.Language()) {
        AppINI ini;
        ini.FileName = c.path;
        ini.Section = "Setup";
        ini.ReadKey("Font_Name", font);
        ini.ReadKey("Font_Size", size);
        ini.ReadKey("Writer", writer);
        ini.ReadKey("MakeDate", date);
    }
    SetItemText(lang, IDC_OPT_FONT, font);
    SetItemText(lang, IDC_OPT_SIZE, std::to_string(std::atoi(size.c_str())));
    SetItemText(lang, IDC_OPT_WRITER, writer);
    SetItemText(lang, IDC_OPT_DATE, date);
    infoFont_ = MakeFont(font, 0);
    if (infoFont_) SendDlgItemMessageA(lang, IDC_OPT_FONT, WM_SETFONT, reinterpret_cast<WPARAM>(infoFont_.get()), TRUE);
}

void FrmOption::SetSlider(const Slider& s, int value) {
    HWND page = pages_[static_cast<size_t>(s.page)];
    SendDlgItemMessageA(page, s.slider, TBM_SETPOS, TRUE, value);
    SetItemText(page, s.value, std::to_string(SliderValue(s)));
}

void FrmOption::Ok() {
    ProgramOptionValues now = form_.atOpen;
    now.languageIndex = static_cast<int>(SendDlgItemMessageA(pages_[0], IDC_OPT_LANG_NAME, CB_GETCURSEL, 0, 0));
    now.cdPatch = IsChecked(pages_[1], IDC_OPT_CD_PATCH);
    now.cdAudio = IsChecked(pages_[1], IDC_OPT_CD_AUDIO);
    now.sampleSize = SliderValue(kSliders[0]);
    now.moveSize = SliderValue(kSliders[1]);
    now.compressionLevel = SliderValue(kSliders[2]);
    now.defaultTpl = ItemText(pages_[2], IDC_OPT_TPL);
    for (int m = 1; m <= 3; ++m)
        if (IsChecked(pages_[2], kModeButtons[m - 1])) now.compMode = m;
    now.compressionType = IsChecked(pages_[3], IDC_OPT_LZX) ? 1 : IsChecked(pages_[3], IDC_OPT_MSZIP) ? 0 : -1;
    now.registerScriptType = IsChecked(pages_[4], IDC_OPT_REGSCRIPT);
    ProgramOptionsServices services;
    services.languageSwitched = switched_;
    services.setScriptType = [this](bool registered) {
        if (registered) RegisterScriptType(program_.folder, program_.exeName);
        else UnregisterScriptType();
    };
    HCURSOR old = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    const bool applied = ApplyProgramOptions(program_, form_, now, services);
    SetCursor(old);
    if (applied) EndDialog(hwnd_, IDOK);
}

void FrmOption::OnCommand(int id, int code, HWND) {
    switch (id) {
        case IDC_OPT_OK:
        case IDOK: Ok(); return;
        case IDC_OPT_CANCEL:
        case IDCANCEL: EndDialog(hwnd_, IDCANCEL); return;
        case IDC_OPT_LANG_NAME:
            if (code == CBN_SELCHANGE) ShowLanguageInfo();
            return;
        case IDC_OPT_QUEN_CAL:
            SetItemText(pages_[kQuenPage], IDC_OPT_QUEN_VOL, DriveCodeText(ItemText(pages_[kQuenPage], IDC_OPT_QUEN_DRV)));
            return;
        default: break;
    }
    const struct {
        int id;
        const Slider& slider;
        int sign;
    } arrows[] = {{IDC_OPT_SAMPLE_DOWN, kSliders[0], -1}, {IDC_OPT_SAMPLE_UP, kSliders[0], 1},
                  {IDC_OPT_MOVE_DOWN, kSliders[1], -1},   {IDC_OPT_MOVE_UP, kSliders[1], 1},
                  {IDC_OPT_LEVEL_DOWN, kSliders[2], -1},  {IDC_OPT_LEVEL_UP, kSliders[2], 1}};
    for (const auto& a : arrows) {
        if (a.id != id) continue;
        const Slider& s = a.slider;
        SetSlider(s, StepSlider(SliderValue(s), a.sign * s.step, s.min, s.max));
    }
}

INT_PTR FrmOption::OnNotify(NMHDR* n) {
    if (n->idFrom == IDC_OPT_TAB && n->code == TCN_SELCHANGE)
        ShowPage(static_cast<size_t>(SendDlgItemMessageA(hwnd_, IDC_OPT_TAB, TCM_GETCURSEL, 0, 0)));
    if (n->code == static_cast<UINT>(NM_CUSTOMDRAW)) return CDRF_DODEFAULT;
    for (const Slider& s : kSliders)
        if (n->idFrom == static_cast<UINT_PTR>(s.slider)) SetItemText(pages_[static_cast<size_t>(s.page)], s.value, std::to_string(SliderValue(s)));
    return 0;
}

// Key presses go to the focused control, so the dialog watches its thread's messages.
void FrmOption::OnKey(WPARAM key) {
    if (!word_.Feed(static_cast<char>(key), shown_ == kCdPage)) return;
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>("Quen");
    SendDlgItemMessageA(hwnd_, IDC_OPT_TAB, TCM_INSERTITEMA, kQuenPage, reinterpret_cast<LPARAM>(&item));
}

LRESULT CALLBACK FrmOption::KeyHook(int code, WPARAM wp, LPARAM lp) {
    auto* msg = reinterpret_cast<MSG*>(lp);
    if (code == HC_ACTION && wp == PM_REMOVE && msg->message == WM_KEYDOWN && active_ &&
        (msg->hwnd == active_->hwnd_ || IsChild(active_->hwnd_, msg->hwnd)))
        active_->OnKey(msg->wParam);
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

}  // namespace quen::options::win

namespace quen {

void ShowProgramOptionsDialog(HWND owner, Program& program, const LanguageSwitched& languageSwitched) {
    options::win::FrmOption dialog(program, languageSwitched);
    dialog.Run(owner, IDD_OPTION);
}

}  // namespace quen
