// The main window's settings panel: the selected action's kind, directory and fields.
#include "editor/MainLogic.h"
#include "editor/win/frmMain.h"
#include "editor/win/frmDefine.h"
#include "editor/win/frmINI.h"
#include "editor/win/frmMainIds.h"
#include "options/Lang.h"

namespace quen {

namespace {

// The text boxes and the action field each one edits.
struct FieldBox {
    int id;
    std::string ActClass::*field;
};
constexpr FieldBox kFieldBoxes[] = {
    {IDC_MAIN_SUB, &ActClass::RegSub},          {IDC_MAIN_KEY, &ActClass::RegKeyName},
    {IDC_MAIN_ASKTITLE, &ActClass::AskTitle},   {IDC_MAIN_ASKPROMPT, &ActClass::AskPrompt},
    {IDC_MAIN_BROWTEXT, &ActClass::AskBrowse},  {IDC_MAIN_OKTEXT, &ActClass::AskOK},
    {IDC_MAIN_DIRNOTFIND, &ActClass::AskDNF},   {IDC_MAIN_NEWNAME, &ActClass::NewName},
};

constexpr int kRegControls[] = {IDC_MAIN_LABREGMAIN, IDC_MAIN_REGMAIN, IDC_MAIN_LABSUB,
                                IDC_MAIN_SUB,        IDC_MAIN_LABKEY,  IDC_MAIN_KEY};
constexpr int kAskControls[] = {IDC_MAIN_LABASKTITLE, IDC_MAIN_ASKTITLE, IDC_MAIN_LABASKPROMPT, IDC_MAIN_ASKPROMPT,
                                IDC_MAIN_LABBROWTEXT, IDC_MAIN_BROWTEXT, IDC_MAIN_LABOKTEXT,    IDC_MAIN_OKTEXT,
                                IDC_MAIN_LABDNF,      IDC_MAIN_DIRNOTFIND};

void ShowItem(HWND dlg, int id, bool visible) { ShowWindow(GetDlgItem(dlg, id), visible ? SW_SHOW : SW_HIDE); }

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

void frmMain::ShowSelected() {
    const int s = Selected();
    if (s == 0) {
        // The empty "Setting" frame stands in front while there is nothing to set.
        SetDlgItemTextA(hwnd_, IDC_MAIN_FAMSET, program_.lang.Setting().c_str());
        for (int id : {IDC_MAIN_LABNEWNAME, IDC_MAIN_NEWNAME, IDC_MAIN_DEFINE, IDC_MAIN_INISET, IDC_MAIN_LABOLD, IDC_MAIN_OLDVERS})
            ShowItem(hwnd_, id, false);
        ShowDirFrame(kFrameOther);
        updating_ = true;
        SendDlgItemMessageA(hwnd_, IDC_MAIN_TYPE, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SetDlgItemTextA(hwnd_, IDC_MAIN_DIR, "");
        updating_ = false;
        SetPanel(4, "");
        ClearCheckPanels();
        return;
    }
    const ActClass& a = program_.project.Action(s);
    const std::string size = SizePanelText(program_.lang, FileSize(a.FileName));
    SetPanel(4, size);
    SendMessageA(status_, SB_SETTIPTEXTA, 4, reinterpret_cast<LPARAM>(size.c_str()));
    updating_ = true;
    SendDlgItemMessageA(hwnd_, IDC_MAIN_TYPE, CB_SETCURSEL, static_cast<WPARAM>(a.ActType), 0);
    SetDlgItemTextA(hwnd_, IDC_MAIN_DIR, a.DirType.c_str());
    updating_ = false;
    ShowKind(a.ActType);
    const int frame = DirFrameOf(a.DirType, texts_);
    FillDirFields(frame);
    ShowDirFrame(frame);
    CheckRow(s);  // the panels describe the row the user looks at
}

void frmMain::ShowKind(int kind) {
    const KindFrame k = KindFrameOf(kind);
    SetDlgItemTextA(hwnd_, IDC_MAIN_FAMSET, program_.lang.Text(k.caption).c_str());
    ShowItem(hwnd_, IDC_MAIN_LABNEWNAME, k.newName);
    ShowItem(hwnd_, IDC_MAIN_NEWNAME, k.newName);
    ShowItem(hwnd_, IDC_MAIN_DEFINE, k.defineByte);
    ShowItem(hwnd_, IDC_MAIN_INISET, k.iniSetting);
    const int s = Selected();
    if (k.newName && s) SetItemText(IDC_MAIN_NEWNAME, program_.project.Action(s).NewName);
    // A Patch File action lists the further old versions it also patches.
    const bool old = kind == kActPatch && s && !program_.project.Action(s).OldVersions.empty();
    ShowItem(hwnd_, IDC_MAIN_LABOLD, old);
    ShowItem(hwnd_, IDC_MAIN_OLDVERS, old);
    std::string list;
    for (const std::string& path : old ? program_.project.Action(s).OldVersions : std::vector<std::string>{})
        list += (list.empty() ? "" : "\r\n") + path;
    SetItemText(IDC_MAIN_OLDVERS, list);
}

void frmMain::ShowDirFrame(int frame) {
    SetDlgItemTextA(hwnd_, IDC_MAIN_FAMME, program_.lang.Text(DirFrameCaption(frame)).c_str());
    for (int id : kRegControls) ShowItem(hwnd_, id, frame == kFrameReg);
    for (int id : kAskControls) ShowItem(hwnd_, id, frame == kFrameAsk);
    ShowItem(hwnd_, IDC_MAIN_NOOPTION, frame != kFrameReg && frame != kFrameAsk);
}

void frmMain::FillDirFields(int frame) {
    const int s = Selected();
    if (s == 0 || (frame != kFrameReg && frame != kFrameAsk)) return;
    const ActClass& a = program_.project.Action(s);
    updating_ = true;
    if (frame == kFrameReg) SendDlgItemMessageA(hwnd_, IDC_MAIN_REGMAIN, CB_SETCURSEL, static_cast<WPARAM>(a.RegMain), 0);
    for (const FieldBox& f : kFieldBoxes) {
        if (f.id != IDC_MAIN_NEWNAME) SetDlgItemTextA(hwnd_, f.id, (a.*f.field).c_str());
    }
    updating_ = false;
}

void frmMain::OnKindChosen() {
    const int kind = static_cast<int>(SendDlgItemMessageA(hwnd_, IDC_MAIN_TYPE, CB_GETCURSEL, 0, 0));
    if (kind < kActRun || kind > kActReName) return;
    ShowKind(kind);
    const int s = Selected();
    if (s == 0) return;
    ActClass& a = program_.project.Action(s);
    a.ActType = kind;
    if (kind != kActPatch) a.OldVersions.clear();  // only a patch has old versions to patch from
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = s - 1;
    item.iImage = kind;
    ListView_SetItem(list_, &item);
    program_.project.Modified = true;
    CheckRow(s);
}

void frmMain::OnDirText(const std::string& text, int frame) {
    if (frame != kFrameSub && frame != kFrameOther) {
        // A typed kind text selects its item, as if it had been chosen.
        updating_ = true;
        SendDlgItemMessageA(hwnd_, IDC_MAIN_DIR, CB_SETCURSEL, static_cast<WPARAM>(frame), 0);
        updating_ = false;
    }
    FillDirFields(frame);
    ShowDirFrame(frame);
    const int s = Selected();
    if (s == 0) return;
    program_.project.Action(s).DirType = text;
    program_.project.Modified = true;
    SetRowDir(s);
    CheckRow(s);
}

void frmMain::OnFieldEdited(int id) {
    const int s = Selected();
    if (s == 0) return;
    ActClass& a = program_.project.Action(s);
    if (id == IDC_MAIN_REGMAIN) {
        a.RegMain = static_cast<int16_t>(SendDlgItemMessageA(hwnd_, id, CB_GETCURSEL, 0, 0));
        program_.project.Modified = true;
        return;
    }
    for (const FieldBox& f : kFieldBoxes) {
        if (f.id != id) continue;
        const std::string typed = ItemText(id);
        const std::string line = FirstLine(typed);
        if (line != typed) SetItemText(id, line);
        a.*f.field = line;
        program_.project.Modified = true;
        CheckRow(s);
    }
}

void frmMain::OnApply(bool all) {
    const int s = Selected();
    if (s == 0) return;
    const std::vector<int> changed =
        ApplyDirToOthers(program_.project, s, all ? ApplyDirMode::All : ApplyDirMode::AllPrevious, texts_);
    for (int i : changed) {
        SetRowDir(i);
        CheckRow(i);
    }
    if (!changed.empty()) program_.project.Modified = true;
    // The panels speak of the selected action again.
    CheckRow(s);
}

}  // namespace quen

namespace quen {

void frmMain::OnActionDialog(bool bytes) {
    const int s = Selected();
    if (s == 0) return;
    ActClass& a = program_.project.Action(s);
    if (bytes) ShowDefineDialog(hwnd_, program_, a);
    else ShowIniDialog(hwnd_, program_, a);
    program_.project.Modified = true;
    CheckRow(s);
}

}  // namespace quen

namespace quen {

void frmMain::OpenSettings() {
    const int s = Selected();
    if (s == 0) return;
    const KindFrame k = KindFrameOf(program_.project.Action(s).ActType);
    if (k.defineByte || k.iniSetting) OnActionDialog(k.defineByte);
    else SetFocus(GetDlgItem(hwnd_, k.newName ? IDC_MAIN_NEWNAME : IDC_MAIN_DIR));
}

}  // namespace quen
