// frmAdd: the add-action dialog's view; its decisions are in editor/AddDialogLogic.
#include "editor/win/frmAdd.h"

#include <commctrl.h>

#include "editor/AddDialogLogic.h"
#include "editor/win/frmAddIds.h"
#include "runtime/win/frmDir.h"
#include "options/ErrorModule.h"
#include "options/Lang.h"
#include "options/win/LangFont.h"
#include "platform/Ui.h"
#include "startup/FSUPLIBmain.h"
#include "win/FileDialog.h"
#include "platform/win/Handles.h"
#include "win/ModalDialog.h"

namespace quen::editor::win {

namespace {

constexpr LangKey kKindTexts[] = {LangKey::Action_Run, LangKey::Action_Add,  LangKey::Action_Patch, LangKey::Action_Byte,
                                  LangKey::Action_Del, LangKey::Action_Ini, LangKey::Action_ReName};

struct AddDialog : quen::win::ModalDialog {
    AddDialog(Program& p, ActClass* patchRow) : program(p), patch(patchRow) {}

    Program& program;
    ActClass* patch;
    bool oldVersionAdded = false;
    HWND tips = nullptr;
    quen::win::UniqueHFont font;

    const Lang& lang() const { return program.lang; }

    std::string Text(int id) const { return quen::win::ItemText(hwnd_, id); }
    bool Checked(int id) const { return quen::win::IsChecked(hwnd_, id); }
    int Kind() const {
        for (int k = 0; k <= kActReName; ++k) {
            if (Checked(IDC_ADD_KIND0 + k)) return k;
        }
        return kActRun;
    }

    void OnInit() override {
        SetWindowTextA(hwnd_, lang().Form_Add().c_str());
        const struct {
            int id;
            LangKey key;
        } captions[] = {
            {IDC_ADD_FAMACTION, LangKey::Action},  {IDC_ADD_FAMFILE, LangKey::Add_Add_Method},
            {IDC_ADD_OPTFILE, LangKey::NS_File},   {IDC_ADD_OPTDIR, LangKey::NS_Directory},
            {IDC_ADD_CHKSUB, LangKey::Add_Include_Sub}, {IDC_ADD_BROWSE0, LangKey::Button_Browse},
            {IDC_ADD_CHKOLD, LangKey::Add_Old_Version},
            {IDC_ADD_FAMNEW, LangKey::New_Ver_File}, {IDC_ADD_BROWSE1, LangKey::Button_Browse},
            {IDOK, LangKey::Button_OK},            {IDCANCEL, LangKey::Button_Cancel},
        };
        for (const auto& c : captions) SetDlgItemTextA(hwnd_, c.id, lang().Text(c.key).c_str());
        // Both Browse buttons can show at once: only the first keeps its letter, so that
        // Alt with it presses a button instead of moving between the two.
        std::string second = lang().Text(LangKey::Button_Browse);
        if (const auto mark = second.find('&'); mark != std::string::npos) second.erase(mark, 1);
        SetDlgItemTextA(hwnd_, IDC_ADD_BROWSE1, second.c_str());
        tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, hwnd_,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
        for (int k = 0; k <= kActReName; ++k) {
            const std::string& text = lang().Text(kKindTexts[k]);
            SetDlgItemTextA(hwnd_, IDC_ADD_KIND0 + k, text.c_str());
            TOOLINFOA ti{};
            ti.cbSize = sizeof(ti);
            ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            ti.hwnd = hwnd_;
            ti.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(hwnd_, IDC_ADD_KIND0 + k));
            ti.lpszText = const_cast<char*>(text.c_str());
            SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
        }
        ApplyFont();
        const ActClass& t = program.project.AddTemplate;
        CheckDlgButton(hwnd_, IDC_ADD_KIND0 + (t.ActType >= 0 && t.ActType <= kActReName ? t.ActType : 0), BST_CHECKED);
        CheckDlgButton(hwnd_, IDC_ADD_OPTFILE, BST_CHECKED);
        EnableWindow(GetDlgItem(hwnd_, IDC_ADD_CHKSUB), FALSE);
        Arrange();
    }

    void ApplyFont() {
        options::win::ApplyLangFont(hwnd_, lang(), font);
    }

    bool OldVersionChosen() const { return Kind() == kActPatch && patch && Checked(IDC_ADD_CHKOLD); }

    // The new-version frame shows for Patch File and ReName, but not for another old version
    // (the row has its new version); OK and Cancel sit below the last visible frame and the
    // dialog ends below them.
    void Arrange() {
        ShowWindow(GetDlgItem(hwnd_, IDC_ADD_CHKOLD), Kind() == kActPatch && patch ? SW_SHOW : SW_HIDE);
        const bool oldVersion = OldVersionChosen();
        if (oldVersion && Checked(IDC_ADD_OPTDIR)) {  // an old version is one file
            CheckRadioButton(hwnd_, IDC_ADD_OPTFILE, IDC_ADD_OPTDIR, IDC_ADD_OPTFILE);
            OnSourceMode(false);
        }
        EnableWindow(GetDlgItem(hwnd_, IDC_ADD_OPTDIR), !oldVersion);
        const bool showNew = ShowsNewVersion(Kind()) && !oldVersion;
        for (int id : {IDC_ADD_FAMNEW, IDC_ADD_NEW, IDC_ADD_BROWSE1}) ShowWindow(GetDlgItem(hwnd_, id), showNew ? SW_SHOW : SW_HIDE);
        RECT frame;
        GetWindowRect(GetDlgItem(hwnd_, showNew ? IDC_ADD_FAMNEW : IDC_ADD_FAMFILE), &frame);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&frame), 2);
        RECT gap{0, 0, 4, 6};
        MapDialogRect(hwnd_, &gap);
        int buttonBottom = 0;
        for (int id : {IDOK, IDCANCEL}) {
            HWND b = GetDlgItem(hwnd_, id);
            RECT r;
            GetWindowRect(b, &r);
            MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
            SetWindowPos(b, nullptr, r.left, frame.bottom + gap.right, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            buttonBottom = frame.bottom + gap.right + (r.bottom - r.top);
        }
        RECT window, client;
        GetWindowRect(hwnd_, &window);
        GetClientRect(hwnd_, &client);
        const int chrome = (window.bottom - window.top) - client.bottom;
        SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left, buttonBottom + gap.bottom + chrome,
                     SWP_NOMOVE | SWP_NOZORDER);
    }

    void OnSourceMode(bool folder) {
        EnableWindow(GetDlgItem(hwnd_, IDC_ADD_CHKSUB), folder);
        if (folder) SetDlgItemTextA(hwnd_, IDC_ADD_FILE, GetDir(Text(IDC_ADD_FILE)).c_str());
    }

    void OnBrowse(int which) {
        const int box = which == 0 ? IDC_ADD_FILE : IDC_ADD_NEW;
        std::string chosen;
        try {
            if (Checked(IDC_ADD_OPTDIR)) {
                chosen = runtime::win::BrowseFolder(hwnd_, which == 0 ? lang().Str_Select_Old_Folder() : lang().Str_Select_New_Folder());
            } else {
                chosen = quen::win::OpenFileDialog(hwnd_, {"*.*|*.*"});
            }
        } catch (...) {
            ReportError(lang(), "frmAdd-cmdBrow", std::current_exception());
        }
        if (!chosen.empty()) SetDlgItemTextA(hwnd_, box, chosen.c_str());
    }

    void OnOk() {
        if (OldVersionChosen()) {
            const AddRefusal r = AddOldVersion(Text(IDC_ADD_FILE), *patch);
            if (r == AddRefusal::None) {
                oldVersionAdded = true;
                EndDialog(hwnd_, IDOK);
            } else {
                Refuse(r);
            }
            return;
        }
        AddDialogInput in;
        in.kind = Kind();
        in.folderMode = Checked(IDC_ADD_OPTDIR);
        in.includeSub = Checked(IDC_ADD_CHKSUB);
        in.file = Text(IDC_ADD_FILE);
        in.newText = Text(IDC_ADD_NEW);
        const AddRefusal r = AcceptAddDialog(in, program.project);
        if (r == AddRefusal::None) EndDialog(hwnd_, IDOK);
        else Refuse(r);
    }

    void Refuse(AddRefusal r) const {
        const std::string& text = r == AddRefusal::DirCantSame       ? lang().msg_PatchFile_Dir_Cant_Same()
                                  : r == AddRefusal::KnownOldVersion ? lang().msg_Old_Version_Known()
                                                                     : lang().msg_FileNotFind();
        platform::ShowMessage(text, lang().msg_Error(), platform::MsgIcon::Exclamation);
    }

    void OnCommand(int id, int code, HWND) override {
        if (((id >= IDC_ADD_KIND0 && id <= IDC_ADD_KIND6) || id == IDC_ADD_CHKOLD) && code == BN_CLICKED) Arrange();
        else if ((id == IDC_ADD_OPTFILE || id == IDC_ADD_OPTDIR) && code == BN_CLICKED) OnSourceMode(id == IDC_ADD_OPTDIR);
        else if (id == IDC_ADD_BROWSE0 || id == IDC_ADD_BROWSE1) OnBrowse(id == IDC_ADD_BROWSE0 ? 0 : 1);
        else if (id == IDOK) OnOk();
        else if (id == IDCANCEL) EndDialog(hwnd_, IDCANCEL);
    }
    void OnError() override { ReportError(lang(), "frmAdd", std::current_exception()); }
};

}  // namespace

AddChoice ShowAddDialog(HWND owner, Program& program, ActClass* patch) {
    AddDialog d(program, patch);
    const INT_PTR result = d.Run(owner, IDD_FRMADD);
    program.project.AddCancelled = result != IDOK || d.oldVersionAdded;
    if (d.oldVersionAdded) return AddChoice::OldVersion;
    return result == IDOK ? AddChoice::Actions : AddChoice::Cancelled;
}

}  // namespace quen::editor::win
