// frmINI: the INI patch dialog; its decisions are IniRows of editor/IniDefinitions.
#include "editor/win/frmINI.h"

#include <commctrl.h>

#include <exception>

#include "editor/IniDefinitions.h"
#include "editor/win/EditorDialog.h"
#include "options/win/LangFont.h"
#include "editor/win/frmINIIds.h"
#include "options/ErrorModule.h"
#include "platform/Ui.h"

namespace quen {

namespace {

using namespace editor::win;

class IniDialog {
public:
    IniDialog(Program& program, ActClass& action) : program_(program), rows_(action, program.lang.Cmb_Delete()) {}

    static INT_PTR CALLBACK Proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp);

private:
    void OnInit();
    void OnCommand(int id);
    void OnInfoTip(NMLVGETINFOTIPA& tip) const;
    void Add();
    void Delete();
    const Lang& lang() const { return program_.lang; }

    Program& program_;
    IniRows rows_;
    quen::win::UniqueHFont font_;
    HWND dlg_ = nullptr;
    HWND list_ = nullptr;
};

void IniDialog::OnInit() {
    const Lang& l = lang();
    UseOwnerIcon(dlg_);
    SetWindowTextA(dlg_, l.IP_Title().c_str());
    const std::pair<int, const std::string&> captions[] = {
        {IDC_INI_LABSECTION, l.IP_Section()}, {IDC_INI_LABKEY, l.RegKey_Key()}, {IDC_INI_LABVALUE, l.RegKey_Value()},
        {IDC_INI_ADD, l.Button_Add()},        {IDC_INI_DEL, l.Button_Delete()}, {IDC_INI_OK, l.Button_OK()},
    };
    for (const auto& [id, text] : captions) SetItemText(dlg_, id, text);
    SendDlgItemMessageA(dlg_, IDC_INI_VALUE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(l.Cmb_Delete().c_str()));
    options::win::ApplyLangFont(dlg_, l, font_);
    for (HWND box : {GetDlgItem(dlg_, IDC_INI_SECTION), GetDlgItem(dlg_, IDC_INI_KEY),
                     ComboEdit(GetDlgItem(dlg_, IDC_INI_VALUE))}) {
        MakeOneLineBox(box, IniKeyAccepted);
    }
    list_ = GetDlgItem(dlg_, IDC_INI_LIST);
    SetupList(list_, {{l.IP_PatchKey(), 600}});
    for (const IniRow& row : rows_.Rows()) AddListRow(list_, {row.text});
    EnableItem(dlg_, IDC_INI_DEL, !rows_.Rows().empty());
}

void IniDialog::Add() {
    const IniAddOutcome r =
        rows_.Add(ItemText(dlg_, IDC_INI_SECTION), ItemText(dlg_, IDC_INI_KEY), ItemText(dlg_, IDC_INI_VALUE));
    if (r == IniAddOutcome::EmptyName) {
        platform::ShowMessage(lang().msg_Section_Or_Key_is_Empty(), lang().msg_Error(), platform::MsgIcon::Exclamation);
        return;
    }
    if (r != IniAddOutcome::Added) return;
    AddListRow(list_, {rows_.Rows().back().text});
    EnableItem(dlg_, IDC_INI_DEL, true);
}

void IniDialog::Delete() {
    const int row = SelectedRow(list_);
    if (row < 0) return;
    rows_.Delete(static_cast<size_t>(row));
    ListView_DeleteItem(list_, row);
    const bool any = !rows_.Rows().empty();
    EnableItem(dlg_, IDC_INI_DEL, any);
    if (!any) SetFocus(GetDlgItem(dlg_, IDC_INI_SECTION));  // never leave the focus on a disabled button
}

// A row's tool tip is its text.
void IniDialog::OnInfoTip(NMLVGETINFOTIPA& tip) const {
    if (tip.iItem < 0 || static_cast<size_t>(tip.iItem) >= rows_.Rows().size() || tip.cchTextMax <= 0) return;
    lstrcpynA(tip.pszText, rows_.Rows()[static_cast<size_t>(tip.iItem)].text.c_str(), tip.cchTextMax);
}

void IniDialog::OnCommand(int id) {
    switch (id) {
        case IDC_INI_ADD: Add(); break;
        case IDC_INI_DEL: Delete(); break;
        case IDOK: {
            // Enter in one of the boxes adds what was typed there rather than dropping it.
            const HWND focus = GetFocus();
            const HWND value = GetDlgItem(dlg_, IDC_INI_VALUE);
            if (focus == GetDlgItem(dlg_, IDC_INI_SECTION) || focus == GetDlgItem(dlg_, IDC_INI_KEY) ||
                focus == value || GetParent(focus) == value) {
                Add();
                break;
            }
            EndDialog(dlg_, IDOK);
            break;
        }
        case IDC_INI_OK:
        case IDCANCEL: EndDialog(dlg_, IDOK); break;
        default: break;
    }
}

INT_PTR CALLBACK IniDialog::Proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<IniDialog*>(lp);
        SetWindowLongPtrA(dlg, DWLP_USER, lp);
        self->dlg_ = dlg;
        try {
            self->OnInit();
        } catch (...) {
            ReportError(self->lang(), "frmINI-Form_Load", std::current_exception());
        }
        return TRUE;
    }
    auto* self = reinterpret_cast<IniDialog*>(GetWindowLongPtrA(dlg, DWLP_USER));
    if (!self) return FALSE;
    try {
        if (msg == WM_COMMAND) {
            self->OnCommand(LOWORD(wp));
            return TRUE;
        }
        if (msg == WM_NOTIFY) {
            auto* hdr = reinterpret_cast<NMHDR*>(lp);
            if (hdr->idFrom == IDC_INI_LIST && hdr->code == LVN_GETINFOTIPA) {
                self->OnInfoTip(*reinterpret_cast<NMLVGETINFOTIPA*>(lp));
                return TRUE;
            }
        }
    } catch (...) {
        ReportError(self->lang(), "frmINI-Command", std::current_exception());  // nothing may cross the window procedure
    }
    return FALSE;
}

}  // namespace

bool ShowIniDialog(HWND owner, Program& program, ActClass& action) {
    const ActClass before = action;
    IniDialog dialog(program, action);
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FRMINI), owner, IniDialog::Proc,
                    reinterpret_cast<LPARAM>(&dialog));
    return !(action == before);
}

}  // namespace quen
