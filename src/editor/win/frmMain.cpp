// The editor's main window: creation, language, messages, layout.
#include "editor/win/frmMain.h"

#include <windowsx.h>
#include <mmsystem.h>

#include "editor/MainLogic.h"
#include "editor/win/frmMainIds.h"
#include "options/LangProject.h"
#include "options/ErrorModule.h"
#include "options/win/AboutDialog.h"
#include "options/win/CdAudio.h"
#include "options/win/LangFont.h"
#include "options/win/PatchOptionsDialog.h"
#include "options/win/ProgramOptionsDialog.h"
#include "options/win/TestDialog.h"
#include "options/win/WavePlayer.h"
#include "startup/FSUPLIBmain.h"

namespace quen {
namespace {

constexpr int kStatusPanels = 5;  // Total, Status, Err1, Err2, Size

struct ToolButton {
    int id;
    LangKey caption;
    LangKey tip;
};
constexpr ToolButton kToolButtons[] = {
    {ID_MAIN_ADD, LangKey::Button_Add, LangKey::Add_Action_File},
    {ID_MAIN_DELETE, LangKey::Button_Delete, LangKey::Del_Action_File},
    {ID_MAIN_UP, LangKey::Button_Move_Up, LangKey::Move_Action_Up},
    {ID_MAIN_DOWN, LangKey::Button_Move_Down, LangKey::Move_Action_Down},
    {ID_MAIN_OPTION, LangKey::Button_Option, LangKey::Option_Patch_File},
    {ID_MAIN_MAKE, LangKey::Button_Make, LangKey::Make_Patch_File},
};

// New, Open and Save have no caption of their own: their tool tip texts serve.
struct Caption {
    int id;
    LangKey key;
};
constexpr Caption kCaptions[] = {
    {IDC_MAIN_NEW, LangKey::New_Project},        {IDC_MAIN_OPEN, LangKey::Open_Project},
    {IDC_MAIN_SAVE, LangKey::Save_Project},      {IDC_MAIN_SAVEAS, LangKey::Button_Save_As},
    {IDC_MAIN_ABOUT, LangKey::Button_About},
    {IDC_MAIN_MAKI, LangKey::Button_Quenlark_Option}, {IDC_MAIN_EXIT, LangKey::Button_Exit},
    {IDC_MAIN_LABACTION, LangKey::Action},       {IDC_MAIN_LABDIR, LangKey::Directory},
    {IDC_MAIN_LABNEWNAME, LangKey::New_Ver_File}, {IDC_MAIN_LABOLD, LangKey::Old_Versions}, {IDC_MAIN_DEFINE, LangKey::Button_Define_Byte},
    {IDC_MAIN_INISET, LangKey::Button_Patch_Setting}, {IDC_MAIN_NOOPTION, LangKey::No_Add_Option},
    {IDC_MAIN_LABREGMAIN, LangKey::RegKey_Main}, {IDC_MAIN_LABSUB, LangKey::RegKey_Sub},
    {IDC_MAIN_LABKEY, LangKey::RegKey_Key},      {IDC_MAIN_LABASKTITLE, LangKey::Ask_Title},
    {IDC_MAIN_LABASKPROMPT, LangKey::Ask_Prompt}, {IDC_MAIN_LABBROWTEXT, LangKey::Ask_Browse_Button},
    {IDC_MAIN_LABOKTEXT, LangKey::Ask_OK_Button}, {IDC_MAIN_LABDNF, LangKey::Ask_DNF_Txt},
    {IDC_MAIN_APPLYPREV, LangKey::Apply_All_Pre}, {IDC_MAIN_APPLYALL, LangKey::Apply_All},
};
constexpr Caption kButtonTips[] = {
    {IDC_MAIN_NEW, LangKey::New_Project},    {IDC_MAIN_OPEN, LangKey::Open_Project},
    {IDC_MAIN_SAVE, LangKey::Save_Project},  {IDC_MAIN_SAVEAS, LangKey::Save_Project_As},
    {IDC_MAIN_ABOUT, LangKey::About_Quenlark},
    {IDC_MAIN_MAKI, LangKey::Option_Quenlark}, {IDC_MAIN_EXIT, LangKey::Exit_Prog},
};

bool KeyDown(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

}  // namespace

frmMain::frmMain(Program& program) : program_(program) {}

frmMain::~frmMain() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (images_) ImageList_Destroy(images_);
}

bool frmMain::Show(int showCommand) {
    hwnd_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FRMMAIN), nullptr,
                               &frmMain::DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd_) return false;
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    return true;
}

void frmMain::PlayOpenWave() { PlayWaveAndWait(program_.settings.WAVE_Open); }

void frmMain::StartCdAudio() {
    if (!options::win::ProgramCdAudio().Start(program_, hwnd_)) return;
    ShowMediaControl();
    SetCaption();
}

bool frmMain::PreTranslate(MSG& msg) {
    if (!hwnd_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        const bool ctrl = KeyDown(VK_CONTROL), alt = KeyDown(VK_MENU), shift = KeyDown(VK_SHIFT);
        if (ctrl && alt && shift && msg.wParam == 'T') {
            ShowTestDialog(hwnd_, program_);
            return true;
        }
        if (ctrl && !alt && !shift) {
            const int id = msg.wParam == 'N' ? IDC_MAIN_NEW : msg.wParam == 'O' ? IDC_MAIN_OPEN
                         : msg.wParam == 'S' ? IDC_MAIN_SAVE : 0;
            if (id && IsWindowEnabled(GetDlgItem(hwnd_, id))) {
                OnCommand(id, BN_CLICKED);
                return true;
            }
        }
    }
    // The dialog manager looks for mnemonics among child windows only: the toolbar's
    // captions are matched here.
    if (msg.message == WM_SYSCHAR) {
        UINT id = 0;
        if (SendMessageA(toolbar_, TB_MAPACCELERATORA, msg.wParam, reinterpret_cast<LPARAM>(&id)) &&
            SendMessageA(toolbar_, TB_ISBUTTONENABLED, id, 0)) {
            OnCommand(static_cast<int>(id), BN_CLICKED);
            return true;
        }
    }
    return IsDialogMessageA(hwnd_, &msg) != 0;
}

INT_PTR CALLBACK frmMain::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {  // comes before WM_INITDIALOG: room for a 16-pixel image
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 18;
        return TRUE;
    }
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<frmMain*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<frmMain*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (...) {
        ReportError(self->program_.lang, "frmMain", std::current_exception());
        return TRUE;  // nothing may cross the window procedure
    }
}

INT_PTR frmMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInit();
            return TRUE;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            SyncCaption();
            return TRUE;
        case WM_NOTIFY:
            SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, OnNotify(*reinterpret_cast<NMHDR*>(lParam)));
            SyncCaption();
            return TRUE;
        case WM_DRAWITEM:
            OnDrawKindItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) OnSize();
            return TRUE;
        case WM_GETMINMAXINFO:
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = minSize_;
            return TRUE;
        case WM_CLOSE:
            OnClose();
            return TRUE;
        case WM_QUERYENDSESSION:  // logging off or shutting down: unsaved changes are asked about first
            SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, ConfirmDiscard() ? TRUE : FALSE);
            return TRUE;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            SyncCaption();
            return TRUE;
        case MM_MCINOTIFY:  // a CD track played to its end: the next one follows
            if (wParam == MCI_NOTIFY_SUCCESSFUL && options::win::ProgramCdAudio().started()) {
                options::win::ProgramCdAudio().NextTrack();
                SetCaption();
            }
            return TRUE;
        case WM_DESTROY:
            hwnd_ = nullptr;
            PostQuitMessage(0);
            return TRUE;
        default:
            return FALSE;
    }
}

void frmMain::OnInit() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    list_ = GetDlgItem(hwnd_, IDC_MAIN_LIST);
    status_ = GetDlgItem(hwnd_, IDC_MAIN_STATUS);
    toolbar_ = GetDlgItem(hwnd_, IDC_MAIN_TOOLBAR);
    images_ = ImageList_LoadImageA(instance, MAKEINTRESOURCEA(IDB_ACTION_KINDS), 16, 0, RGB(255, 0, 255),
                                   IMAGE_BITMAP, LR_CREATEDIBSECTION);
    ListView_SetImageList(list_, images_, LVSIL_SMALL);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_LABELTIP);
    SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA col{};
        col.mask = LVCF_WIDTH | LVCF_SUBITEM;
        col.cx = i == 0 ? 160 : 200;
        col.iSubItem = i;
        ListView_InsertColumn(list_, i, &col);
    }
    tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd_,
                            nullptr, instance, nullptr);
    for (const Caption& c : kButtonTips) {
        TOOLINFOA ti{};
        ti.cbSize = sizeof(ti);
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = hwnd_;
        ti.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(hwnd_, c.id));
        ti.lpszText = const_cast<char*>("");
        SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    for (int i = 0; i < kRegRootCount; ++i) SendDlgItemMessageA(hwnd_, IDC_MAIN_REGMAIN, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kRegRoots[i]));
    SendDlgItemMessageA(hwnd_, IDC_MAIN_REGMAIN, CB_SETCURSEL, 0, 0);
    SetLang();
    ShowDirFrame(kFrameMe);
    SetCaption();
    RefreshStatus();

    RECT window;
    GetWindowRect(hwnd_, &window);
    minSize_ = {window.right - window.left, window.bottom - window.top};
    GetClientRect(hwnd_, &initialClient_);
    // Controls follow the size: the list grows, what lies right of it or below it moves.
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        if (id == IDC_MAIN_TOOLBAR || id == IDC_MAIN_STATUS || GetParent(child) != hwnd_) continue;
        Anchor a{child, {}, false, false, false, false};
        GetWindowRect(child, &a.rect);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&a.rect), 2);
        if (id == IDC_MAIN_LIST) a.growX = a.growY = true;
        else if ((id >= IDC_MAIN_NEW && id <= IDC_MAIN_EXIT) || IsMediaButton(id)) a.moveX = true;
        else a.moveY = true;
        anchors_.push_back(a);
    }
    LayoutStatus();
    DragAcceptFiles(hwnd_, TRUE);
}

void frmMain::SetLang() {
    const Lang& lang = program_.lang;
    texts_ = DirTypeTextsOf(lang);
    options::win::ApplyLangFont(hwnd_, lang, font_);
    for (const Caption& c : kCaptions) SetDlgItemTextA(hwnd_, c.id, lang.Text(c.key).c_str());
    for (const Caption& c : kButtonTips) {
        TOOLINFOA ti{};
        ti.cbSize = sizeof(ti);
        ti.uFlags = TTF_IDISHWND;
        ti.hwnd = hwnd_;
        ti.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(hwnd_, c.id));
        ti.lpszText = const_cast<char*>(lang.Text(c.key).c_str());
        SendMessageA(tips_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    while (SendMessageA(toolbar_, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageA(toolbar_, TB_DELETEBUTTON, 0, 0);
    for (const ToolButton& b : kToolButtons) {
        TBBUTTON tb{};
        tb.iBitmap = I_IMAGENONE;
        tb.idCommand = b.id;
        tb.fsState = TBSTATE_ENABLED;
        tb.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
        tb.iString = reinterpret_cast<INT_PTR>(lang.Text(b.caption).c_str());
        SendMessageA(toolbar_, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&tb));
    }
    SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
    const LangKey headers[] = {LangKey::File_Name, LangKey::PatchDir, LangKey::File_Directory};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT;
        col.pszText = const_cast<char*>(lang.Text(headers[i]).c_str());
        ListView_SetColumn(list_, i, &col);
    }
    totalPrefix_ = lang.StatusBar_FileTotal();
    SetPanel(0, TotalPanelText(totalPrefix_, program_.project.ActionCount()));
    SendMessageA(status_, SB_SETTIPTEXTA, 0, reinterpret_cast<LPARAM>(lang.StatusBar_FileTotal_ToolTip().c_str()));
    updating_ = true;
    HWND type = GetDlgItem(hwnd_, IDC_MAIN_TYPE);
    HWND dir = GetDlgItem(hwnd_, IDC_MAIN_DIR);
    SendMessageA(type, CB_RESETCONTENT, 0, 0);
    for (int k = kActRun; k <= kActReName; ++k) {
        const LangKey kinds[] = {LangKey::Action_Run, LangKey::Action_Add,  LangKey::Action_Patch, LangKey::Action_Byte,
                                 LangKey::Action_Del, LangKey::Action_Ini, LangKey::Action_ReName};
        SendMessageA(type, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lang.Text(kinds[k]).c_str()));
    }
    const std::string dirText = ItemText(IDC_MAIN_DIR);
    SendMessageA(dir, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : DirComboItems(texts_)) SendMessageA(dir, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SetWindowTextA(dir, dirText.c_str());
    updating_ = false;
    ShowSelected();
}

void frmMain::ReShowlvFile(const DirTypeTexts& previous) {
    for (int i = 1; i <= program_.project.ActionCount(); ++i) {
        ActClass& a = program_.project.Action(i);
        a.DirType = TranslateDirType(a.DirType, previous, texts_);
        SetRowDir(i);
    }
    ShowSelected();
}

void frmMain::OnCommand(int id, int code) {
    switch (id) {
        case ID_MAIN_ADD: DoAdd(); break;
        case ID_MAIN_DELETE: DoDelete(); break;
        case ID_MAIN_UP:
        case ID_MAIN_DOWN:
            if (!DoMove(id == ID_MAIN_UP)) return;
            break;
        case ID_MAIN_OPTION:
            ShowPatchOptionsDialog(hwnd_, program_);
            break;
        case ID_MAIN_MAKE: DoMake(); break;
        case IDC_MAIN_NEW: DoNew(); return;
        case IDC_MAIN_OPEN: DoOpen(); return;
        case IDC_MAIN_SAVE: DoSave(); return;
        case IDC_MAIN_SAVEAS: DoSaveAs(); return;
        case IDC_MAIN_ABOUT:
            ShowAboutDialog(hwnd_, program_);
            return;
        case IDC_MAIN_MAKI:
            ShowProgramOptionsDialog(hwnd_, program_, [this](const DirTypeTexts& previous) {
                SetLang();
                ReShowlvFile(previous);
                // The caption and the check panels hold language texts too.
                SetCaption();
                if (const int s = Selected()) CheckRow(s);
            });
            return;
        case IDC_MAIN_EXIT: OnClose(); return;
        case IDCANCEL: return;  // Escape in the main window: an editor does not quit on a stray key
        case IDC_MAIN_TYPE:
            if (code == CBN_SELCHANGE && !updating_) OnKindChosen();
            return;
        case IDC_MAIN_DIR:
            if (updating_) return;
            if (code == CBN_SELCHANGE) {
                const int i = static_cast<int>(SendDlgItemMessageA(hwnd_, IDC_MAIN_DIR, CB_GETCURSEL, 0, 0));
                const std::vector<std::string> items = DirComboItems(texts_);
                if (i >= 0 && i < static_cast<int>(items.size())) OnDirText(items[static_cast<size_t>(i)], i);
            } else if (code == CBN_EDITCHANGE) {
                const std::string text = ItemText(IDC_MAIN_DIR);
                OnDirText(text, DirFrameOf(text, texts_));
            }
            return;
        case IDC_MAIN_DEFINE:
        case IDC_MAIN_INISET: OnActionDialog(id == IDC_MAIN_DEFINE); return;
        case IDC_MAIN_APPLYPREV:
        case IDC_MAIN_APPLYALL: OnApply(id == IDC_MAIN_APPLYALL); return;
        case IDC_MAIN_REGMAIN:
            if (code == CBN_SELCHANGE && !updating_) OnFieldEdited(id);
            return;
        default:
            if (IsMediaButton(id) && code == BN_CLICKED) OnMediaButton(id);
            else if (code == EN_CHANGE && !updating_) OnFieldEdited(id);
            return;
    }
    // Every toolbar command ends with the project marked as changed.
    program_.project.Modified = true;
}

LRESULT frmMain::OnNotify(NMHDR& hdr) {
    if (hdr.code == TTN_GETDISPINFOA && hdr.hwndFrom == reinterpret_cast<HWND>(SendMessageA(toolbar_, TB_GETTOOLTIPS, 0, 0))) {
        auto& info = reinterpret_cast<NMTTDISPINFOA&>(hdr);
        for (const ToolButton& b : kToolButtons) {
            if (static_cast<int>(hdr.idFrom) == b.id) info.lpszText = const_cast<char*>(program_.lang.Text(b.tip).c_str());
        }
        return 0;
    }
    // Del deletes the selected action as the toolbar's Delete does.
    if (hdr.idFrom == IDC_MAIN_LIST && hdr.code == LVN_KEYDOWN &&
        reinterpret_cast<NMLVKEYDOWN&>(hdr).wVKey == VK_DELETE &&
        SendMessageA(toolbar_, TB_ISBUTTONENABLED, ID_MAIN_DELETE, 0)) {
        OnCommand(ID_MAIN_DELETE, BN_CLICKED);
    }
    if (hdr.idFrom == IDC_MAIN_LIST && hdr.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<NMLISTVIEW&>(hdr);
        if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED)) {
            ShowSelected();
            EnableMoveButtons();
        }
    }
    // A row's tool tip: its file name, its patch directory and a patch's further old versions.
    if (hdr.idFrom == IDC_MAIN_LIST && hdr.code == LVN_GETINFOTIPA) {
        auto& tip = reinterpret_cast<NMLVGETINFOTIPA&>(hdr);
        if (tip.iItem >= 0 && tip.iItem < program_.project.ActionCount() && tip.cchTextMax > 0) {
            const ActClass& a = program_.project.Action(tip.iItem + 1);
            std::string text = GetFileName(a.FileName) + "\r\n" + a.DirType;
            if (!a.OldVersions.empty()) text += "\r\n" + program_.lang.Old_Versions();
            for (const std::string& v : a.OldVersions) text += "\r\n" + v;
            lstrcpynA(tip.pszText, text.c_str(), tip.cchTextMax);
        }
    }
    if (hdr.idFrom == IDC_MAIN_LIST && hdr.code == NM_DBLCLK && reinterpret_cast<NMITEMACTIVATE&>(hdr).iItem >= 0)
        OpenSettings();
    return 0;
}

void frmMain::OnSize() {
    SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
    SendMessageA(status_, WM_SIZE, 0, 0);
    RECT client;
    GetClientRect(hwnd_, &client);
    const int dx = std::max(0L, client.right - initialClient_.right);
    const int dy = std::max(0L, client.bottom - initialClient_.bottom);
    HDWP pos = BeginDeferWindowPos(static_cast<int>(anchors_.size()));
    for (const Anchor& a : anchors_) {
        const RECT& r = a.rect;
        pos = DeferWindowPos(pos, a.hwnd, nullptr, r.left + (a.moveX ? dx : 0), r.top + (a.moveY ? dy : 0),
                             r.right - r.left + (a.growX ? dx : 0), r.bottom - r.top + (a.growY ? dy : 0),
                             SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EndDeferWindowPos(pos);
    LayoutStatus();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void frmMain::OnDrawKindItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_MAIN_TYPE) return;
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (static_cast<int>(item.itemID) < 0) return;
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - 16) / 2;
    ImageList_Draw(images_, static_cast<int>(item.itemID), item.hDC, item.rcItem.left + 2, top, ILD_TRANSPARENT);
    char text[256] = {};
    SendMessageA(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT r = item.rcItem;
    r.left += 22;
    DrawTextA(item.hDC, text, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void frmMain::OnClose() {
    if (!ConfirmDiscard()) return;
    options::win::ProgramCdAudio().Close();
    PlayWaveAndWait(program_.settings.WAVE_End);
    DestroyWindow(hwnd_);
}

std::string frmMain::ItemText(int id) const {
    HWND h = GetDlgItem(hwnd_, id);
    const int n = GetWindowTextLengthA(h);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    GetWindowTextA(h, s.data(), n + 1);
    s.resize(static_cast<size_t>(std::max(0, n)));
    return s.c_str();
}

void frmMain::SetItemText(int id, const std::string& text) {
    const bool was = updating_;
    updating_ = true;
    SetDlgItemTextA(hwnd_, id, text.c_str());
    updating_ = was;
}

}  // namespace quen
