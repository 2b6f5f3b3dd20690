// The main window's project commands: add, delete, make, new, open, save.
#include "editor/AddActionFile.h"
#include "editor/AddDialogLogic.h"
#include "editor/MainLogic.h"
#include "editor/MainCaption.h"
#include "editor/win/frmAdd.h"
#include "editor/win/frmMain.h"
#include "editor/win/frmMake.h"
#include "editor/win/frmMainIds.h"
#include "options/ErrorModule.h"
#include "options/Lang.h"
#include "options/LangProject.h"
#include "options/win/CdAudio.h"
#include "platform/Ui.h"
#include "project/ActionCheck.h"
#include "project/ProjectFile.h"
#include "editor/ProjectOpen.h"
#include "startup/ProgramInfo.h"
#include "win/FileDialog.h"
#include "platform/win/Handles.h"

namespace quen {

namespace {

constexpr const char* kProjectFilter = "Project file(*.prj)|*.prj";

class WaitCursor {
public:
    WaitCursor() : old_(SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)))) {}
    ~WaitCursor() { SetCursor(old_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR old_;
};

}  // namespace

void frmMain::SetCaption() {
    captionModified_ = program_.project.Modified;
    std::string caption = MainWindowCaption(kProgramName, program_.project.ProjectFile, program_.lang.Str_Untitle_Project(),
                                            captionModified_);
    const auto& cd = options::win::ProgramCdAudio();
    if (cd.started() && media_.TrackInTitle()) caption = TrackTitle(caption, cd.TrackName());
    SetWindowTextA(hwnd_, caption.c_str());
}

void frmMain::SyncCaption() {
    if (hwnd_ && captionModified_ != program_.project.Modified) SetCaption();
}

void frmMain::DoAdd() {
    WaitCursor wait;
    Project& p = program_.project;
    const int s = Selected();
    ActClass* patch = s && p.Action(s).ActType == kActPatch ? &p.Action(s) : nullptr;
    switch (editor::win::ShowAddDialog(hwnd_, program_, patch)) {
        case editor::win::AddChoice::Cancelled: return;
        case editor::win::AddChoice::OldVersion:
            ShowSelected();  // the row's settings list the new old version
            return;
        case editor::win::AddChoice::Actions: break;
    }
    const int before = p.ActionCount();
    try {
        AddActionFiles(p, texts_);
    } catch (...) {
        ReportError(program_.lang, "AddActionFile", std::current_exception());
    }
    ShowAddedRows(before);
}

void frmMain::OnDropFiles(HDROP drop) {
    std::vector<std::string> paths;
    {
        const win::UniqueHDrop owned(drop);
        const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::string path(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
            path.resize(DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size())));
            paths.push_back(path);
        }
    }
    WaitCursor wait;
    const int before = program_.project.ActionCount();
    for (const std::string& path : paths) {
        try {
            if (AddDroppedPath(path, program_.project, texts_) != AddRefusal::None)
                platform::ShowMessage(program_.lang.msg_FileNotFind(), program_.lang.msg_Error(), platform::MsgIcon::Exclamation);
        } catch (...) {
            ReportError(program_.lang, "AddActionFile", std::current_exception());
        }
    }
    ShowAddedRows(before);
}

void frmMain::ShowAddedRows(int before) {
    Project& p = program_.project;
    for (int i = before + 1; i <= p.ActionCount(); ++i) AddRow(i);
    if (before == 0 && p.ActionCount() > 0) SetRowDir(1);  // the first action became "< Me >"
    CheckAll(before + 1);
    if (p.AddTemplate.AddMethod == 0 && p.ActionCount() > before) SelectRow(p.ActionCount());
    RefreshStatus();
}

void frmMain::DoDelete() {
    const int s = Selected();
    if (s == 0) return;
    DeleteAction(program_.project, s);
    ListView_DeleteItem(list_, s - 1);
    rowKeys_.erase(rowKeys_.begin() + (s - 1));
    if (program_.project.ActionCount() > 0) SelectRow(std::min(s, program_.project.ActionCount()));
    RefreshStatus();
}

bool frmMain::DoMove(bool up) {
    const int s = Selected();
    const int to = up ? s - 1 : s + 1;
    switch (MoveAction(program_.project, s, up, texts_)) {
        case MoveOutcome::AtEdge: return false;
        case MoveOutcome::FirstCantSub:
            platform::ShowMessage(program_.lang.msg_FirstFileDirCantSub(), program_.lang.msg_Error(), platform::MsgIcon::Exclamation);
            return false;
        case MoveOutcome::Moved: break;
    }
    // The two rows swap their contents; each keeps its place in the list.
    std::swap(rowKeys_[static_cast<size_t>(s - 1)], rowKeys_[static_cast<size_t>(to - 1)]);
    for (int i : {s, to}) ShowRow(i);
    CheckRow(s);
    SelectRow(to);
    CheckRow(to);
    return true;
}

void frmMain::EnableMoveButtons() {
    const int s = Selected();
    SendMessageA(toolbar_, TB_ENABLEBUTTON, ID_MAIN_UP, MAKELPARAM(s > 1, 0));
    SendMessageA(toolbar_, TB_ENABLEBUTTON, ID_MAIN_DOWN, MAKELPARAM(s > 0 && s < program_.project.ActionCount(), 0));
}

void frmMain::DoMake() {
    const Lang& lang = program_.lang;
    if (std::optional<std::string> refusal = CheckBeforeMake(program_.project, lang)) {
        platform::ShowMessage(*refusal, lang.msg_Error(), platform::MsgIcon::Exclamation);
        return;
    }
    ShowMakeDialog(hwnd_, program_);
}

bool frmMain::ConfirmDiscard() {
    if (!program_.project.Modified) return true;
    switch (platform::ShowMessage(program_.lang.msg_WarningSaveProject(), program_.lang.msg_Warning(),
                                  platform::MsgIcon::Question, platform::MsgButtons::YesNoCancel)) {
        case platform::MsgResult::Cancel: return false;
        // A save that failed or was cancelled keeps the project: nothing is discarded.
        case platform::MsgResult::Yes: return DoSave();
        default: return true;
    }
}

void frmMain::DoNew() {
    if (!ConfirmDiscard()) return;
    NewProject(program_.project);
    ListView_DeleteAllItems(list_);
    rowKeys_.clear();
    SetCaption();
    RefreshStatus();
}

void frmMain::DoOpen() {
    if (!ConfirmDiscard()) return;
    try {
        const std::string path = quen::win::OpenFileDialog(hwnd_, {kProjectFilter});
        if (!path.empty()) OpenProject(path);
    } catch (...) {
        ReportError(program_.lang, "Main-cmdOpen", std::current_exception());
    }
}

void frmMain::OpenProject(const std::string& path) {
    WaitCursor wait;
    const bool loaded = OpenProjectFile(path, program_.project, program_.lang);
    // A refused header changed nothing; a broken file left an empty project to show.
    if (loaded || program_.project.ActionCount() == 0) RebuildRows();
    program_.project.Modified = false;
    SetCaption();
    RefreshStatus();
}

bool frmMain::DoSave() {
    if (program_.project.ProjectFile.empty()) return DoSaveAs();
    try {
        SaveProject(program_.project.ProjectFile, program_.project);
    } catch (...) {
        ReportError(program_.lang, "Main-cmdSave", std::current_exception());
        return false;
    }
    SetCaption();
    return true;
}

bool frmMain::DoSaveAs() {
    std::string path;
    try {
        path = quen::win::SaveFileDialog(hwnd_, {kProjectFilter, "", "prj"});
        if (path.empty()) return false;
        SaveProject(path, program_.project);
    } catch (...) {
        ReportError(program_.lang, "Main-cmdSave", std::current_exception());
        return false;
    }
    SetCaption();
    return true;
}

}  // namespace quen
