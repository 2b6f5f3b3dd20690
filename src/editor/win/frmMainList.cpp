// The main window's action list, its checks and the status bar.
#include <algorithm>

#include "editor/MainLogic.h"
#include "editor/win/frmMain.h"
#include "editor/win/frmMainIds.h"
#include "options/Lang.h"
#include "project/ActionCheck.h"
#include "startup/FSUPLIBmain.h"

namespace quen {

namespace {

enum Panel { kTotal = 0, kStatus = 1, kErr1 = 2, kErr2 = 3, kSize = 4 };

void SetSubItem(HWND list, int row, int sub, const std::string& text) {
    ListView_SetItemText(list, row, sub, const_cast<char*>(text.c_str()));
}

}  // namespace

void frmMain::AddRow(int index) {
    const ActClass& a = program_.project.Action(index);
    const std::string key = UniqueRowKey(rowKeys_, a.FileName);
    const std::string name = GetFileName(a.FileName);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index - 1;
    item.pszText = const_cast<char*>(name.c_str());
    item.iImage = a.ActType;  // the image list counts from 0: image ActType + 1
    item.lParam = index;
    ListView_InsertItem(list_, &item);
    rowKeys_.insert(rowKeys_.begin() + (index - 1), key);
    SetSubItem(list_, index - 1, 1, a.DirType);
    SetSubItem(list_, index - 1, 2, a.FilePath);
}

void frmMain::ShowRow(int index) {
    const ActClass& a = program_.project.Action(index);
    const std::string name = GetFileName(a.FileName);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index - 1;
    item.pszText = const_cast<char*>(name.c_str());
    item.iImage = a.ActType;
    ListView_SetItem(list_, &item);
    SetSubItem(list_, index - 1, 1, a.DirType);
    SetSubItem(list_, index - 1, 2, a.FilePath);
}

void frmMain::SetRowDir(int index) {
    SetSubItem(list_, index - 1, 1, program_.project.Action(index).DirType);
}

void frmMain::RebuildRows() {
    ListView_DeleteAllItems(list_);
    rowKeys_.clear();
    for (int i = 1; i <= program_.project.ActionCount(); ++i) AddRow(i);
    CheckAll(1);
}

void frmMain::CheckRow(int index) { CheckAction(index, rowKeys_[static_cast<size_t>(index - 1)]); }

void frmMain::CheckAll(int from) {
    for (int i = from; i <= program_.project.ActionCount(); ++i) CheckRow(i);
}

int frmMain::Selected() const {
    const int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
    return row >= 0 && row < program_.project.ActionCount() ? row + 1 : 0;
}

void frmMain::SelectRow(int index) {
    ListView_SetItemState(list_, index - 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list_, index - 1, FALSE);
}

void frmMain::SetPanel(int panel, const std::string& text) {
    SendMessageA(status_, SB_SETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.c_str()));
}

void frmMain::LayoutStatus() {
    RECT client;
    GetClientRect(hwnd_, &client);
    const int total = 130, status = 80, size = 140;
    const int errors = std::max(0, static_cast<int>(client.right) - total - status - size);
    // A hidden "Err2" panel has no width; "Err1" takes its room.
    const int err1 = err2Visible_ ? errors / 2 : errors;
    int edges[5];
    edges[0] = total;
    edges[1] = edges[0] + status;
    edges[2] = edges[1] + err1;
    edges[3] = edges[2] + (errors - err1);
    edges[4] = -1;
    SendMessageA(status_, SB_SETPARTS, 5, reinterpret_cast<LPARAM>(edges));
}

void frmMain::CheckAction(int index, const std::string& key) {
    if (checking_ || index < 1 || index > program_.project.ActionCount()) return;
    checking_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{checking_};
    const auto row = std::find(rowKeys_.begin(), rowKeys_.end(), key);
    const int rowIndex = row == rowKeys_.end() ? -1 : static_cast<int>(row - rowKeys_.begin());
    if (rowIndex >= 0) ListView_SetItemState(list_, rowIndex, 0, LVIS_CUT);
    const std::vector<ActionProblem> problems = CheckActionProblems(program_.project.Action(index), index, true, texts_);
    const CheckPanels panels = QuietCheckPanels(problems, program_.lang);
    if (panels.ghosted && rowIndex >= 0) ListView_SetItemState(list_, rowIndex, LVIS_CUT, LVIS_CUT);
    SetPanel(kStatus, panels.status);
    SetPanel(kErr1, panels.err1);
    SetPanel(kErr2, panels.err2);
    SendMessageA(status_, SB_SETTIPTEXTA, kErr1, reinterpret_cast<LPARAM>(problems.empty() ? "" : panels.err1.c_str()));
    SendMessageA(status_, SB_SETTIPTEXTA, kErr2, reinterpret_cast<LPARAM>(panels.err2.c_str()));
    if (err2Visible_ != panels.err2Visible) {
        err2Visible_ = panels.err2Visible;
        LayoutStatus();
    }
}

void frmMain::ClearCheckPanels() {
    for (int panel : {kStatus, kErr1, kErr2}) {
        SetPanel(panel, "");
        SendMessageA(status_, SB_SETTIPTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(""));
    }
    if (err2Visible_) {
        err2Visible_ = false;
        LayoutStatus();
    }
}

void frmMain::RefreshStatus() {
    const bool any = program_.project.ActionCount() > 0;
    SendMessageA(toolbar_, TB_ENABLEBUTTON, ID_MAIN_DELETE, MAKELPARAM(any, 0));
    SendMessageA(toolbar_, TB_ENABLEBUTTON, ID_MAIN_MAKE, MAKELPARAM(any, 0));
    for (int id : {IDC_MAIN_TYPE, IDC_MAIN_DIR, IDC_MAIN_SAVE, IDC_MAIN_SAVEAS}) EnableWindow(GetDlgItem(hwnd_, id), any);
    if (any && Selected() == 0) SelectRow(1);
    EnableMoveButtons();
    ShowSelected();
    SetPanel(kTotal, TotalPanelText(totalPrefix_, program_.project.ActionCount()));
}

}  // namespace quen
