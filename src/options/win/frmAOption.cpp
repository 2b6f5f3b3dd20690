// frmAOption: the patch options dialog: pages, captions, load and save steps, templates, previews.
#include "options/win/frmAOption.h"

#include <commctrl.h>
#include "win/FileDialog.h"

#include "options/ErrorModule.h"
#include "options/OptionFiles.h"
#include "options/Templet.h"
#include "options/TempletLoad.h"
#include "options/win/AboutDialog.h"
#include "options/win/LangFont.h"
#include "options/win/PatchOptionsDialog.h"
#include "options/win/frmAOptionIds.h"
#include "runtime/win/frmShow.h"

namespace quen::options::win {

namespace {

constexpr int kPageTemplates[8] = {IDD_AO_WELCOME, IDD_AO_END, IDD_AO_INFO, IDD_AO_REG,
                                   IDD_AO_MSG, IDD_AO_FACE, IDD_AO_REBOOT, IDD_AO_OTHER};
constexpr int kWindowBases[3] = {IDD_AO_WELCOME, IDD_AO_END, IDD_AO_INFO};

}  // namespace

FrmAOption::FrmAOption(Program& program)
    : program_(program), options_(program.project.Options), lists_(program.project.Options, program.lang.Tab_Reg_RetainValue()) {}

void FrmAOption::MakePages() {
    const Lang& l = program_.lang;
    const std::string titles[8] = {l.Tab_Welcome_Title(), l.Tab_End_Title(), l.Tab_Info_Title(), l.Tab_Reg_Title(),
                                   l.Tab_Msg_Title(), l.Tab_InterFace_Title(), l.Tab_ReBoot_Title(), l.Tab_Other_Title()};
    CreateTabPages(IDC_AO_TAB, titles, kPageTemplates, pages_);
}

void FrmAOption::ShowPage(int index) {
    for (size_t i = 0; i < 8; ++i) ShowWindow(pages_[i], static_cast<int>(i) == index ? SW_SHOW : SW_HIDE);
}

void FrmAOption::SetCaptions() {
    const Lang& l = program_.lang;
    SetWindowTextA(hwnd_, l.POption_Title().c_str());
    SetItemText(hwnd_, IDC_AO_OK, l.Button_OK());
    SetItemText(hwnd_, IDC_AO_SAVE_TPL, l.Button_Save_Templet());
    SetItemText(hwnd_, IDC_AO_LOAD_TPL, l.Button_Load_Templet());
    const std::string shows[3] = {l.Tab_Welcome_Title(), l.Tab_End_Title(), l.Tab_Info_Title()};
    for (int w = 0; w < 3; ++w) {
        HWND p = pages_[static_cast<size_t>(w)];
        const int b = kWindowBases[w];
        SetItemText(p, b + AO_SHOW, l.Str_Show() + shows[w]);
        SetItemText(p, b + AO_TITLE_LABEL, l.Str_Title());
        SetItemText(p, b + AO_TEXT_LABEL, l.Str_Text());
        SetItemText(p, b + AO_BYTES_LABEL, l.Option_NowByte());
    }
    HWND reg = pages_[3];
    for (auto [id, text] : {std::pair{IDC_AO_MAIN_LABEL, l.RegKey_Main()}, {IDC_AO_SUB_LABEL, l.RegKey_Sub()},
                            {IDC_AO_KEY_LABEL, l.RegKey_Key()}, {IDC_AO_TYPE_LABEL, l.Str_Type()},
                            {IDC_AO_VAL_LABEL, l.RegKey_Value()}, {IDC_AO_TYPE_STR, l.Str_String()},
                            {IDC_AO_TYPE_BIN, l.Str_Binary()}, {IDC_AO_TYPE_DWORD, l.Str_DWORD()},
                            {IDC_AO_NOTE, l.Tab_Reg_Note()}, {IDC_AO_ADD, l.Button_Add()}, {IDC_AO_DEL, l.Button_Delete()}})
        SetItemText(reg, id, text);
    HWND msg = pages_[4];
    const std::string msgLabels[6] = {l.Tab_Msg_CheckError(), l.Tab_Msg_DNF(), l.Tab_Msg_ErrTitle(),
                                      l.Tab_Msg_OnPatch(), l.Tab_Msg_Patch_Failure(), l.Tab_Msg_Broken_Warn()};
    const std::string btnLabels[4] = {l.Tab_Msg_OK_Button(), l.Tab_Msg_Cancel_Button(), l.Tab_Msg_About_Button(),
                                      l.Tab_Msg_Continue_Prompt()};
    const std::string actLabels[8] = {l.Action_Run(), l.Action_Add(), l.Action_Patch(), l.Action_Byte(),
                                      l.Action_Del(), l.Action_Ini(), l.Action_ReName(), l.msg_SUCCESS()};
    for (int i = 0; i < 6; ++i) SetItemText(msg, IDC_AO_MSG_LABEL0 + i, msgLabels[i]);
    for (int i = 0; i < 4; ++i) SetItemText(msg, IDC_AO_BTN_LABEL0 + i, btnLabels[i]);
    for (int i = 0; i < 8; ++i) SetItemText(msg, IDC_AO_ACT_LABEL0 + i, actLabels[i]);
    SetItemText(msg, IDC_AO_SAMPLE_LABEL, l.Str_Sample());
    HWND face = pages_[5];
    for (auto [id, text] : {std::pair{IDC_AO_PIC_LABEL, l.Tab_Face_Picture()}, {IDC_AO_PIC_BROWSE, l.Tab_Face_Browse_Picture()},
                            {IDC_AO_ICON_BROWSE, l.Tab_Face_Browse_Icon()}, {IDC_AO_TEST0, l.Tab_Face_Test_Welcome()},
                            {IDC_AO_TEST0 + 1, l.Tab_Face_Test_End()}, {IDC_AO_TEST0 + 2, l.Tab_Face_Test_Info()},
                            {IDC_AO_FONT_GROUP, l.Tab_Face_Font_Option()}, {IDC_AO_FONT, l.Button_Select_Font()},
                            {IDC_AO_FONTNAME_LABEL, l.Str_Font_Name()}, {IDC_AO_FONTSIZE_LABEL, l.Str_Font_Size()},
                            {IDC_AO_SAMTXT_LABEL, l.Str_Sample_Text()}, {IDC_AO_PREVIEW_LABEL, l.Str_Preview()}})
        SetItemText(face, id, text);
    HWND rb = pages_[6];
    SetItemText(rb, IDC_AO_RB_GROUP, l.Tab_ReBoot_Option());
    SetItemText(rb, IDC_AO_RB1_GROUP, l.Tab_ReBoot_First_ReBoot());
    SetItemText(rb, IDC_AO_RB2_GROUP, l.Tab_ReBoot_End_ReBoot());
    const std::string exits[4] = {l.Str_UnUser(), l.Tab_ReBoot_ReLogin(), l.Tab_ReBoot_ReBoot(), l.Tab_ReBoot_ShutDown()};
    for (int i = 0; i < 4; ++i) {
        SetItemText(rb, IDC_AO_RB1_0 + i, exits[i]);
        SetItemText(rb, IDC_AO_RB2_0 + i, exits[i]);
    }
    HWND other = pages_[7];
    SetItemText(other, IDC_AO_OTHER_GROUP, l.Tab_Other_Title());
    SetItemText(other, IDC_AO_BACKUP, l.Tab_Other_Make_Backup());
    SetItemText(other, IDC_AO_CONTINUE, l.Tab_Other_Err_Continue());
    SetItemText(other, IDC_AO_SHOWRUN, l.Tab_Other_Runtime_Info());
    SetItemText(other, IDC_AO_TITLE_LABEL, l.Tab_Other_ProgTitle());
}

void FrmAOption::OnInit() {
    quen::win::UseOwnerIcon(hwnd_);
    MakePages();
    langFont_ = LangFont(program_.lang);
    if (langFont_) {
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(langFont_.get()), TRUE);
        SetFontDeep(hwnd_, langFont_.get());
    }
    SetCaptions();
    // The picture box tells how the picture is shown.
    HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd_,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    TOOLINFOA tip{};
    tip.cbSize = sizeof(tip);
    tip.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tip.hwnd = pages_[5];
    tip.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(pages_[5], IDC_AO_PIC));
    tip.lpszText = const_cast<char*>(program_.lang.Tab_Face_Picture_Size().c_str());
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tip));
    HWND msg = pages_[4];
    for (const std::string& s : {program_.lang.Option_Message(), program_.lang.Option_Button(), program_.lang.Option_Patch_Message()})
        SendDlgItemMessageA(msg, IDC_AO_MSGKIND, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    SendDlgItemMessageA(msg, IDC_AO_MSGKIND, CB_SETCURSEL, 0, 0);
    OnCommand(IDC_AO_MSGKIND, CBN_SELCHANGE, nullptr);
    InitRegistry();
    ShowPage(0);
    LoadStep();
}

// Record into controls; also after a template load.
void FrmAOption::LoadStep() {
    const PatchOptions& o = options_;
    for (int i = 0; i < 4; ++i) {
        SetChecked(pages_[6], IDC_AO_RB1_0 + i, i == o.FirstReBoot);
        SetChecked(pages_[6], IDC_AO_RB2_0 + i, i == o.EndReboot);
    }
    const int16_t shows[3] = {o.ShowWelcomeWindow, o.ShowEndWindow, o.ShowInfoWindow};
    const std::string* texts[3][2] = {{&o.WelcomTitle, &o.WelcomText}, {&o.EndTitle, &o.EndText}, {&o.InfoTitle, &o.InfoText}};
    for (int w = 0; w < 3; ++w) {
        HWND p = pages_[static_cast<size_t>(w)];
        SetChecked(p, kWindowBases[w] + AO_SHOW, shows[w] != 0);
        SetItemText(p, kWindowBases[w] + AO_TITLE, *texts[w][0]);
        SetItemText(p, kWindowBases[w] + AO_TEXT, *texts[w][1]);
    }
    HWND msg = pages_[4];
    const std::string* msgs[6] = {&o.SFD, &o.FNF, &o.ERR, &o.OnPatch, &o.PatchFailure, &o.BrokenWarn};
    const std::string* btns[4] = {&o.OKButton, &o.CANCELButton, &o.AboutButton, &o.PromptText};
    const std::string* acts[8] = {&o.strExecute, &o.strAddFile, &o.strPatchFile, &o.strPatchByte,
                                  &o.strDelFile, &o.strPatchINI, &o.strRenFile, &o.strSuccess};
    for (int i = 0; i < 6; ++i) SetItemText(msg, IDC_AO_MSG0 + i, *msgs[i]);
    for (int i = 0; i < 4; ++i) SetItemText(msg, IDC_AO_BTN0 + i, *btns[i]);
    for (int i = 0; i < 8; ++i) SetItemText(msg, IDC_AO_ACT0 + i, *acts[i]);
    SetChecked(pages_[7], IDC_AO_BACKUP, o.MakeBackupFile != 0);
    SetChecked(pages_[7], IDC_AO_CONTINUE, o.ContinueWhenError != 0);
    SetChecked(pages_[7], IDC_AO_SHOWRUN, o.ShowRunTime != 0);
    SetItemText(pages_[7], IDC_AO_PROGTITLE, o.PatchFileTitle);
    // Setting the box runs the picture test through its change notification.
    const std::string picture = o.PictureFile;
    SetItemText(pages_[5], IDC_AO_PIC, picture);
    SetItemText(pages_[5], IDC_AO_FONTNAME, o.InterFaceFont);
    SetItemText(pages_[5], IDC_AO_FONTSIZE, std::to_string(o.InterFaceFont_Size));
    FontLabelsChanged();
    IconCheckOnLoad();
}

// Controls into record: OK, template save and preview.
void FrmAOption::SaveStep() {
    PatchOptions& o = options_;
    for (int16_t i = 0; i < 4; ++i) {
        if (IsChecked(pages_[6], IDC_AO_RB1_0 + i)) o.FirstReBoot = i;
        if (IsChecked(pages_[6], IDC_AO_RB2_0 + i)) o.EndReboot = i;
    }
    int16_t* shows[3] = {&o.ShowWelcomeWindow, &o.ShowEndWindow, &o.ShowInfoWindow};
    std::string* texts[3][2] = {{&o.WelcomTitle, &o.WelcomText}, {&o.EndTitle, &o.EndText}, {&o.InfoTitle, &o.InfoText}};
    for (int w = 0; w < 3; ++w) {
        HWND p = pages_[static_cast<size_t>(w)];
        *shows[w] = IsChecked(p, kWindowBases[w] + AO_SHOW) ? 1 : 0;
        *texts[w][0] = OneLine(ItemText(p, kWindowBases[w] + AO_TITLE));
        *texts[w][1] = ItemText(p, kWindowBases[w] + AO_TEXT);
    }
    HWND msg = pages_[4];
    std::string* msgs[6] = {&o.SFD, &o.FNF, &o.ERR, &o.OnPatch, &o.PatchFailure, &o.BrokenWarn};
    std::string* btns[4] = {&o.OKButton, &o.CANCELButton, &o.AboutButton, &o.PromptText};
    std::string* acts[8] = {&o.strExecute, &o.strAddFile, &o.strPatchFile, &o.strPatchByte,
                            &o.strDelFile, &o.strPatchINI, &o.strRenFile, &o.strSuccess};
    for (int i = 0; i < 6; ++i) *msgs[i] = OneLine(ItemText(msg, IDC_AO_MSG0 + i));
    for (int i = 0; i < 4; ++i) *btns[i] = OneLine(ItemText(msg, IDC_AO_BTN0 + i));
    for (int i = 0; i < 8; ++i) *acts[i] = OneLine(ItemText(msg, IDC_AO_ACT0 + i));
    o.MakeBackupFile = IsChecked(pages_[7], IDC_AO_BACKUP) ? 1 : 0;
    o.ContinueWhenError = IsChecked(pages_[7], IDC_AO_CONTINUE) ? 1 : 0;
    o.ShowRunTime = IsChecked(pages_[7], IDC_AO_SHOWRUN) ? 1 : 0;
    o.PatchFileTitle = OneLine(ItemText(pages_[7], IDC_AO_PROGTITLE));
    o.PictureFile = OneLine(ItemText(pages_[5], IDC_AO_PIC));
    o.InterFaceFont = ItemText(pages_[5], IDC_AO_FONTNAME);
    o.InterFaceFont_Size = static_cast<int16_t>(std::atoi(ItemText(pages_[5], IDC_AO_FONTSIZE).c_str()));
}

namespace {

std::string TempletDialog(HWND owner, const Program& p, bool save) {
    const quen::win::FileDialogSetup setup{p.lang.TempletFileSet(), p.folder + "\\Templet\\" + p.settings.Default_TPL, "tpl"};
    return save ? quen::win::SaveFileDialog(owner, setup) : quen::win::OpenFileDialog(owner, setup);
}

}  // namespace

void FrmAOption::SaveTemplate() {
    SaveStep();
    const std::string path = TempletDialog(hwnd_, program_, true);
    if (!path.empty()) SaveTemplet(path, options_);
}

void FrmAOption::LoadTemplate() {
    const std::string path = TempletDialog(hwnd_, program_, false);
    if (path.empty() || !LoadTemplet(path, options_, program_.lang)) return;
    LoadStep();
    // The load replaced the lists: the rows must show them, or a delete would hit the
    // wrong entry.
    ShowRegistryList(true);
}

void FrmAOption::Preview(PreviewKind kind) {
    PictureTest();
    SaveStep();
    runtime::win::FrmShow window;
    window.SetAbout([this](HWND owner) { ShowAboutDialog(owner, program_); });
    HICON icon = icon_ ? icon_.get() : reinterpret_cast<HICON>(SendMessageA(hwnd_, WM_GETICON, ICON_SMALL, 0));
    EnableWindow(hwnd_, FALSE);
    if (window.Open(PreviewModel(options_, kind, program_.folder), hwnd_, icon)) window.Wait();
    EnableWindow(hwnd_, TRUE);
    SetForegroundWindow(hwnd_);
}

// Title and text boxes of the three windows: no double quotes; the text's byte counter.
void FrmAOption::OnWindowText(HWND page, int base, int id, HWND edit) {
    const std::string text = WindowText(edit);
    const std::string clean = WithoutQuotes(text);
    if (clean != text) {
        DWORD start = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
        SetWindowTextA(edit, clean.c_str());
        const DWORD at = start > 0 ? start - 1 : 0;
        SendMessageA(edit, EM_SETSEL, at, at);
        return;  // the change notification of the cleaned text updates the counter
    }
    if (id == base + AO_TEXT) SetItemText(page, base + AO_BYTES, std::to_string(2 * GetWindowTextLengthW(edit)));
}

void FrmAOption::OnCommand(int id, int code, HWND control) {
    if (id >= IDD_AO_WELCOME && id < IDD_AO_REG) {
        const int w = (id - IDD_AO_WELCOME) / 10;
        const int base = kWindowBases[w];
        if (code == EN_CHANGE && (id == base + AO_TITLE || id == base + AO_TEXT))
            OnWindowText(pages_[static_cast<size_t>(w)], base, id, control);
        return;
    }
    switch (id) {
        case IDC_AO_OK:
        case IDOK:
            PictureTest();
            SaveStep();
            program_.project.Modified = true;
            saved_ = true;
            EndDialog(hwnd_, IDOK);
            return;
        case IDC_AO_SAVE_TPL: SaveTemplate(); return;
        case IDC_AO_LOAD_TPL: LoadTemplate(); return;
        case IDC_AO_KEYTYPE:
            if (code == CBN_SELCHANGE) ShowRegistryList(false);
            return;
        case IDC_AO_TYPE_STR: valueType_ = RegValueType::Str; return;
        case IDC_AO_TYPE_BIN: valueType_ = RegValueType::Bin; return;
        case IDC_AO_TYPE_DWORD: valueType_ = RegValueType::Dword; return;
        case IDC_AO_VAL:
            if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE || code == CBN_SETFOCUS)
                GuardRetainValue(code == CBN_SELCHANGE);
            return;
        case IDC_AO_ADD: AddEntry(); return;
        case IDC_AO_DEL: DeleteEntry(); return;
        case IDC_AO_MSGKIND:
            if (code == CBN_SELCHANGE) {
                const auto kind = SendDlgItemMessageA(pages_[4], IDC_AO_MSGKIND, CB_GETCURSEL, 0, 0);
                for (int i = 0; i < 6; ++i) ShowItem(pages_[4], IDC_AO_MSG_LABEL0 + i, kind == 0), ShowItem(pages_[4], IDC_AO_MSG0 + i, kind == 0);
                for (int i = 0; i < 4; ++i) ShowItem(pages_[4], IDC_AO_BTN_LABEL0 + i, kind == 1), ShowItem(pages_[4], IDC_AO_BTN0 + i, kind == 1);
                for (int i = 0; i < 8; ++i) ShowItem(pages_[4], IDC_AO_ACT_LABEL0 + i, kind == 2), ShowItem(pages_[4], IDC_AO_ACT0 + i, kind == 2);
                for (int sid : {IDC_AO_SAMPLE_LABEL, IDC_AO_SAMPLE_PROMPT, IDC_AO_SAMPLE_BTN0, IDC_AO_SAMPLE_BTN0 + 1, IDC_AO_SAMPLE_BTN0 + 2})
                    ShowItem(pages_[4], sid, kind == 1);
            }
            return;
        case IDC_AO_PIC:
            if (code == EN_CHANGE) PictureTest();
            return;
        case IDC_AO_PIC_BROWSE: BrowsePicture(); return;
        case IDC_AO_ICON_BROWSE: BrowseIcon(); return;
        case IDC_AO_FONT: PickFont(); return;
        case IDC_AO_TEST0: Preview(kPreviewWelcome); return;
        case IDC_AO_TEST0 + 1: Preview(kPreviewEnd); return;
        case IDC_AO_TEST0 + 2: Preview(kPreviewInfo); return;
        default:
            if (code == EN_CHANGE && ((id >= IDC_AO_BTN0 && id <= IDC_AO_BTN0 + 3) || id == IDC_AO_SAMTXT_EDIT)) UpdateSamples();
            return;
    }
}

INT_PTR FrmAOption::OnNotify(NMHDR* n) {
    if (n->idFrom == IDC_AO_TAB && n->code == TCN_SELCHANGE)
        ShowPage(static_cast<int>(SendDlgItemMessageA(hwnd_, IDC_AO_TAB, TCM_GETCURSEL, 0, 0)));
    return 0;
}

void FrmAOption::OnError() { ReportError(program_.lang, "", std::current_exception()); }

}  // namespace quen::options::win

namespace quen {

bool ShowPatchOptionsDialog(HWND owner, Program& program) {
    options::win::FrmAOption dialog(program);
    dialog.Run(owner, IDD_AOPTION);
    return dialog.saved();
}

}  // namespace quen
