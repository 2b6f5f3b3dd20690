// frmMake: the make dialog; its decisions are in editor/MakeDialogLogic, the makes in
// maker/ScriptWriter (stand-alone script) and maker/PackageMake (patch executable).
#include "editor/win/frmMake.h"

#include <commctrl.h>

#include <exception>

#include "base/Errors.h"
#include "base/Text.h"
#include "maker/CompTuning.h"
#include "maker/PackageMake.h"
#include "maker/ScriptWriter.h"
#include "editor/MakeDialogLogic.h"
#include "editor/win/EditorDialog.h"
#include "options/win/AboutDialog.h"
#include "options/win/CdAudio.h"
#include "options/win/LangFont.h"
#include "win/FileDialog.h"
#include "platform/win/MessagePump.h"
#include "win/ModalDialog.h"
#include "editor/win/frmMakeIds.h"
#include "options/ErrorModule.h"
#include "options/LangProject.h"
#include "platform/Ui.h"
#include "startup/AppINI.h"
#include "startup/ProgramInfo.h"

namespace quen {

namespace {

using namespace editor::win;

constexpr int kOptionControls[] = {IDC_MAKE_FRAME_OPTIONS, IDC_MAKE_LABMAKE, IDC_MAKE_SCRIPT, IDC_MAKE_EXE,
                                   IDC_MAKE_LABNAME,       IDC_MAKE_FILENAME, IDC_MAKE_BROWSE, IDC_MAKE_OK,
                                   IDC_MAKE_CANCEL};
constexpr int kProgressControls[] = {IDC_MAKE_FRAME_PROGRESS, IDC_MAKE_LABPATCHNAME, IDC_MAKE_PATCHFILENAME,
                                     IDC_MAKE_LABCOUNT,       IDC_MAKE_FILECOUNT,    IDC_MAKE_LABCOMPLE,
                                     IDC_MAKE_COMPLECOUNT,    IDC_MAKE_LABFILE,      IDC_MAKE_FILE,
                                     IDC_MAKE_VALUE,          IDC_MAKE_BAR};
// Pumping on every report of the encoder would slow it down; this often is enough to see.
constexpr DWORD kRepaintMilliseconds = 50;

bool IsFolder(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// "Name(*.x)|*.x|..." as the save dialog takes it: NUL-separated, ending in two NULs.
std::string Lines(const std::string& text) { return ReplaceAll(text, "\\n", "\r\n"); }

class MakeDialog : public quen::win::ModalDialog {
public:
    explicit MakeDialog(Program& program)
        : program_(program),
          progress_(program.lang.msg_NowWritePatchData(), [this] { ShowProgress(); },
                    [this](const std::string& text) {
                        platform::ShowMessage(text, lang().msg_Warning(), platform::MsgIcon::Exclamation);
                    }) {}


private:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    // The wait cursor while a make runs.
    bool OnOther(UINT msg, WPARAM, LPARAM) override {
        if (msg != WM_SETCURSOR || !making_) return false;
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
        SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, TRUE);
        return true;
    }
    // A closed window answers like Cancel; errors are reported and the dialog stays.
    void OnClose() override { OnCommand(IDCANCEL, 0, nullptr); }
    void OnError() override {
        ReportError(lang(), Initialising() ? "frmMake-Form_Load" : "frmMake-Command", std::current_exception());
    }
    void Browse();
    void Ok();
    bool ScriptAllowed();
    void ShowProgressFrame();
    void ShowProgress();
    void StartMakeScript(const std::string& output);
    void StartMakeFileData(const std::string& output);
    void ReportFailure(const char* procedure, std::exception_ptr error);
    MakeFileDataSettings MakeSettings() const;
    const Lang& lang() const { return program_.lang; }

    Program& program_;
    MakeProgressModel progress_;
    quen::win::UniqueHFont font_;
    bool making_ = false;
    DWORD lastPaint_ = 0;
};

void MakeDialog::OnInit() {
    const Lang& l = lang();
    UseOwnerIcon(hwnd_);
    SetWindowTextA(hwnd_, l.MF_Title().c_str());
    const std::pair<int, const std::string&> captions[] = {
        {IDC_MAKE_FRAME_OPTIONS, l.MF_SaveAs()},     {IDC_MAKE_LABMAKE, l.MF_Make()},
        {IDC_MAKE_SCRIPT, l.MF_ScriptFile()},        {IDC_MAKE_EXE, l.MF_EXEFile()},
        {IDC_MAKE_LABNAME, l.File_Name()},           {IDC_MAKE_BROWSE, l.Button_Browse()},
        {IDC_MAKE_OK, l.Button_OK()},                {IDC_MAKE_CANCEL, l.Button_Cancel()},
        {IDC_MAKE_FRAME_PROGRESS, l.MF_Progress()},  {IDC_MAKE_LABPATCHNAME, l.MF_PatchFileName()},
        {IDC_MAKE_LABCOUNT, l.MF_FileTotal()},       {IDC_MAKE_LABCOMPLE, l.MF_Completion()},
        {IDC_MAKE_LABFILE, l.File_Name()},
    };
    for (const auto& [id, text] : captions) SetItemText(hwnd_, id, text);
    options::win::ApplyLangFont(hwnd_, l, font_);
    MakeOneLineBox(GetDlgItem(hwnd_, IDC_MAKE_FILENAME));
    SendDlgItemMessageA(hwnd_, IDC_MAKE_BAR, PBM_SETRANGE32, 0, 100);
    SetChecked(hwnd_, IDC_MAKE_EXE, true);
}

void MakeDialog::Browse() {
    const bool script = IsChecked(hwnd_, IDC_MAKE_SCRIPT);
    // Scripts run only with the extension the runtime and the file type know.
    const std::string path = quen::win::SaveFileDialog(
        hwnd_, {script ? lang().ScriptFileSet() : lang().ExecuteFileSet(), ItemText(hwnd_, IDC_MAKE_FILENAME),
                script ? kScriptExtension : "exe", script ? 2 : 1});
    if (!path.empty()) SetItemText(hwnd_, IDC_MAKE_FILENAME, path);
}

bool MakeDialog::ScriptAllowed() {
    const Lang& l = lang();
    return ScriptCheck(
        program_.project.Actions,
        [&] {
            return platform::ShowMessage(Lines(l.msg_Warning_UnSupportScriptType()), l.msg_Warning(),
                                         platform::MsgIcon::Exclamation,
                                         platform::MsgButtons::YesNo) == platform::MsgResult::Yes;
        },
        [&] {
            platform::ShowMessage(Lines(l.msg_Error_No_SupportScriptType()), l.msg_Error(),
                                  platform::MsgIcon::Critical);
        });
}

void MakeDialog::ShowProgressFrame() {
    for (int id : kOptionControls) ShowWindow(GetDlgItem(hwnd_, id), SW_HIDE);
    for (int id : kProgressControls) ShowWindow(GetDlgItem(hwnd_, id), SW_SHOW);
    // The close box stays off while the make runs: it cannot be stopped halfway.
    EnableMenuItem(GetSystemMenu(hwnd_, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    UpdateWindow(hwnd_);
}

void MakeDialog::ShowProgress() {
    const MakeProgressView& v = progress_.View();
    SetItemText(hwnd_, IDC_MAKE_PATCHFILENAME, v.patchFileName);
    SetItemText(hwnd_, IDC_MAKE_FILECOUNT, v.fileCount);
    SetItemText(hwnd_, IDC_MAKE_COMPLECOUNT, v.completeCount);
    SetItemText(hwnd_, IDC_MAKE_FILE, v.fileName);
    ShowWindow(GetDlgItem(hwnd_, IDC_MAKE_LABFILE), v.fileLabel ? SW_SHOW : SW_HIDE);
    SetItemText(hwnd_, IDC_MAKE_VALUE, v.percent);
    SendDlgItemMessageA(hwnd_, IDC_MAKE_BAR, PBM_SETPOS, static_cast<WPARAM>(v.bar), 0);
    const DWORD now = GetTickCount();
    if (now - lastPaint_ < kRepaintMilliseconds && v.bar < 100) return;
    lastPaint_ = now;
    quen::win::PumpPending(hwnd_);
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
}

// The error's report with what the make said about it (which file, which step).
void MakeDialog::ReportFailure(const char* procedure, std::exception_ptr error) {
    std::string text = ErrorReportText(lang(), procedure, ErrorNumberOf(error));
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text += "\r\n\r\n" + std::string(e.what());
    } catch (...) {
    }
    platform::ShowMessage(text, lang().msg_Error(), platform::MsgIcon::Exclamation);
}

void MakeDialog::StartMakeScript(const std::string& output) {
    try {
        progress_.ScriptStarted(program_.project.ActionCount(), output);
        MakeScriptINI(output, program_.project, DirTypeTextsOf(lang()), &progress_);
    } catch (...) {
        ReportFailure("StartMakeScript", std::current_exception());
        return;
    }
    platform::ShowMessage(Lines(lang().MF_MakeOK()), kProgramName, platform::MsgIcon::Information);
}

MakeFileDataSettings MakeDialog::MakeSettings() const {
    const ProgramSettings& p = program_.settings;
    MakeFileDataSettings s;
    s.programFolder = program_.folder;
    s.CABLIB = p.CABLIB;
    s.CABLIB_PARAMETER = p.CABLIB_PARAMETER;
    s.CABLIB_SCRFILE = p.CABLIB_SCRFILE;
    s.PATCH_EXE_HEAD = p.PATCH_EXE_HEAD;
    s.tuning = TuningFromSettings(p);
    // Where the head's icon lies; read here because only the make needs it.
    AppINI ini;
    ini.FileName = SettingsFilePath(program_.folder, program_.exeName);
    ini.Section = "Setup";
    auto number = [&ini](const char* key) {
        std::string value;
        ini.ReadKey(key, value);
        return ParseSettingsNumber(value, 0, INT32_MAX).value_or(0);
    };
    s.ICON_INIT_POSTION = number("ICON_INIT_POSTION");
    s.ICON_INIT_LENG = number("ICON_INIT_LENG");
    return s;
}

void MakeDialog::StartMakeFileData(const std::string& output) {
    try {
        quen::StartMakeFileData(program_.project, DirTypeTextsOf(lang()), MakeSettings(), output, &progress_);
    } catch (...) {
        ReportFailure(kMakeFileDataProc, std::current_exception());
        return;
    }
    platform::ShowMessage(Lines(lang().MF_MakeOK()), kProgramName, platform::MsgIcon::Information);
}

void MakeDialog::Ok() {
    if (making_) return;  // a make is never started twice
    const std::string output = ItemText(hwnd_, IDC_MAKE_FILENAME);
    if (!MakeOutputPathOk(output, program_.project, IsFolder)) {
        platform::ShowMessage(lang().msg_FilePathName_Error(), lang().msg_Error(), platform::MsgIcon::Exclamation);
        return;
    }
    const bool script = IsChecked(hwnd_, IDC_MAKE_SCRIPT);
    if (script && !ScriptAllowed()) return;
    making_ = true;
    ShowProgressFrame();
    HCURSOR normal = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    const auto make = [&] { script ? StartMakeScript(output) : StartMakeFileData(output); };
    const auto& cd = options::win::ProgramCdAudio().cd();
    if (MakeBehindAboutBox(program_.settings.CDExtraPatch, cd ? cd->mpegCount : 0)) {
        ShowAboutDialogWithMake(hwnd_, program_, make);  // it refuses to close until the make is done
    } else {
        make();
    }
    UpdateWindow(hwnd_);
    SetCursor(normal);
    EndDialog(hwnd_, IDOK);
}

void MakeDialog::OnCommand(int id, int, HWND) {
    switch (id) {
        case IDC_MAKE_BROWSE: if (!making_) Browse(); break;
        case IDOK:
        case IDC_MAKE_OK: Ok(); break;
        case IDCANCEL:
        case IDC_MAKE_CANCEL: if (!making_) EndDialog(hwnd_, IDCANCEL); break;
        default: break;
    }
}

}  // namespace

void ShowMakeDialog(HWND owner, Program& program) {
    MakeDialog dialog(program);
    dialog.Run(owner, IDD_FRMMAKE);
}

}  // namespace quen
