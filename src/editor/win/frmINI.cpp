// frmINI: the INI patch dialog; its decisions are IniRows of editor/IniDefinitions.
#include "editor/win/frmINI.h"

#include <commctrl.h>

#include <exception>

#include "editor/IniDefinitions.h"
#include "editor/win/EditorDialog.h"
#include "options/win/LangFont.h"
#include "win/ModalDialog.h"
#include "editor/win/frmINIIds.h"
#include "options/ErrorModule.h"
#include "platform/Ui.h"

namespace quen {

namespace {

using namespace editor::win;

class IniDialog : public quen::win::ModalDialog {
public:
    IniDialog(Program& program, ActClass& action) : program_(program), rows_(action, program.lang.Cmb_Delete()) {}


private:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    INT_PTR OnNotify(NMHDR* header) override {
        if (header->idFrom == IDC_INI_LIST && header->code == LVN_GETINFOTIPA)
            OnInfoTip(*reinterpret_cast<NMLVGETINFOTIPA*>(header));
        if (header->idFrom == IDC_INI_LIST && header->code == LVN_ITEMCHANGED) OnRowChosen();
        return 0;
    }
    // A closed window answers like Cancel; errors are reported and the dialog stays.
    void OnClose() override { OnCommand(IDCANCEL, 0, nullptr); }
    void OnError() override {
        ReportError(lang(), Initialising() ? "frmINI-Form_Load" : "frmINI-Command", std::current_exception());
    }
    void OnInfoTip(NMLVGETINFOTIPA& tip) const;
    void OnRowChosen();
    void Add(bool change = false);
    void Delete();
    const Lang& lang() const { return program_.lang; }

    Program& program_;
    IniRows rows_;
    quen::win::UniqueHFont font_;
    HWND list_ = nullptr;
};

void IniDialog::OnInit() {
    const Lang& l = lang();
    UseOwnerIcon(hwnd_);
    SetWindowTextA(hwnd_, l.IP_Title().c_str());
    const std::pair<int, const std::string&> captions[] = {
        {IDC_INI_LABSECTION, l.IP_Section()}, {IDC_INI_LABKEY, l.RegKey_Key()}, {IDC_INI_LABVALUE, l.RegKey_Value()},
        {IDC_INI_ADD, l.Button_Add()},        {IDC_INI_DEL, l.Button_Delete()}, {IDC_INI_CHANGE, l.Button_Change()},
        {IDOK, l.Button_OK()},
    };
    for (const auto& [id, text] : captions) SetItemText(hwnd_, id, text);
    SendDlgItemMessageA(hwnd_, IDC_INI_VALUE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(l.Cmb_Delete().c_str()));
    options::win::ApplyLangFont(hwnd_, l, font_);
    for (HWND box : {GetDlgItem(hwnd_, IDC_INI_SECTION), GetDlgItem(hwnd_, IDC_INI_KEY),
                     ComboEdit(GetDlgItem(hwnd_, IDC_INI_VALUE))}) {
        MakeOneLineBox(box, IniKeyAccepted);
    }
    list_ = GetDlgItem(hwnd_, IDC_INI_LIST);
    SetupList(list_, {{l.IP_PatchKey(), 600}});
    for (const IniRow& row : rows_.Rows()) AddListRow(list_, {row.text});
    EnableItem(hwnd_, IDC_INI_DEL, !rows_.Rows().empty());
    EnableItem(hwnd_, IDC_INI_CHANGE, false);
}

// A chosen row's parts go into the boxes, ready to be changed.
void IniDialog::OnRowChosen() {
    const int row = SelectedRow(list_);
    EnableItem(hwnd_, IDC_INI_CHANGE, row >= 0);
    if (row < 0) return;
    const std::vector<std::string> parts = rows_.PartsOf(static_cast<size_t>(row));
    for (int i = 0; i < 3; ++i) SetItemText(hwnd_, IDC_INI_SECTION + 2 * i, parts[static_cast<size_t>(i)]);
}

void IniDialog::Add(bool change) {
    const int chosen = SelectedRow(list_);
    if (change && chosen < 0) return;
    const std::string section = ItemText(hwnd_, IDC_INI_SECTION), key = ItemText(hwnd_, IDC_INI_KEY),
                      value = ItemText(hwnd_, IDC_INI_VALUE);
    const IniAddOutcome r = change ? rows_.Change(static_cast<size_t>(chosen), section, key, value)
                                   : rows_.Add(section, key, value);
    if (r == IniAddOutcome::EmptyName) {
        platform::ShowMessage(lang().msg_Section_Or_Key_is_Empty(), lang().msg_Error(), platform::MsgIcon::Exclamation);
        return;
    }
    if (r != IniAddOutcome::Added) return;
    if (change) {
        SetListRow(list_, chosen, {rows_.Rows()[static_cast<size_t>(chosen)].text});
        return;
    }
    AddListRow(list_, {rows_.Rows().back().text});
    EnableItem(hwnd_, IDC_INI_DEL, true);
}

void IniDialog::Delete() {
    const int row = SelectedRow(list_);
    if (row < 0) return;
    rows_.Delete(static_cast<size_t>(row));
    ListView_DeleteItem(list_, row);
    const bool any = !rows_.Rows().empty();
    EnableItem(hwnd_, IDC_INI_DEL, any);
    EnableItem(hwnd_, IDC_INI_CHANGE, SelectedRow(list_) >= 0);
    if (!any) SetFocus(GetDlgItem(hwnd_, IDC_INI_SECTION));  // never leave the focus on a disabled button
}

// A row's tool tip is its text.
void IniDialog::OnInfoTip(NMLVGETINFOTIPA& tip) const {
    if (tip.iItem < 0 || static_cast<size_t>(tip.iItem) >= rows_.Rows().size() || tip.cchTextMax <= 0) return;
    lstrcpynA(tip.pszText, rows_.Rows()[static_cast<size_t>(tip.iItem)].text.c_str(), tip.cchTextMax);
}

void IniDialog::OnCommand(int id, int, HWND) {
    switch (id) {
        case IDC_INI_ADD: Add(); break;
        case IDC_INI_DEL: Delete(); break;
        case IDC_INI_CHANGE: Add(true); break;
        case IDOK: {
            // Enter in one of the boxes adds what was typed there rather than dropping it.
            const HWND focus = GetFocus();
            const HWND value = GetDlgItem(hwnd_, IDC_INI_VALUE);
            if (focus == GetDlgItem(hwnd_, IDC_INI_SECTION) || focus == GetDlgItem(hwnd_, IDC_INI_KEY) ||
                focus == value || GetParent(focus) == value) {
                Add();
                break;
            }
            EndDialog(hwnd_, IDOK);
            break;
        }
        case IDCANCEL: EndDialog(hwnd_, IDOK); break;
        default: break;
    }
}

}  // namespace

bool ShowIniDialog(HWND owner, Program& program, ActClass& action) {
    const ActClass before = action;
    IniDialog dialog(program, action);
    dialog.Run(owner, IDD_FRMINI);
    return !(action == before);
}

}  // namespace quen
