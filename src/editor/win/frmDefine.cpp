// frmDefine: the byte replacement dialog; its decisions are DefineRows and the readers
// of editor/DefineBytes.
#include "editor/win/frmDefine.h"

#include <commctrl.h>

#include <exception>

#include "editor/DefineBytes.h"
#include "editor/win/EditorDialog.h"
#include "options/win/LangFont.h"
#include "win/ModalDialog.h"
#include "editor/win/frmDefineIds.h"
#include "options/ErrorModule.h"
#include "platform/Ui.h"

namespace quen {

namespace {

using namespace editor::win;

class DefineDialog : public quen::win::ModalDialog {
public:
    DefineDialog(Program& program, ActClass& action)
        : program_(program), action_(action), rows_(action, program.project.Modified, program.lang) {}


private:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    // A closed window answers like Cancel; errors are reported and the dialog stays.
    void OnClose() override { OnCommand(IDCANCEL, 0, nullptr); }
    void OnError() override {
        ReportError(lang(), Initialising() ? "frmDefine-Form_Load" : "frmDefine-Command", std::current_exception());
    }
    INT_PTR OnNotify(NMHDR* header) override {
        if (header->idFrom == IDC_DEFINE_LIST && header->code == LVN_ITEMCHANGED) OnRowChosen();
        return 0;
    }
    void OnRowChosen();
    void ChooseType(bool address);
    void ChooseBase(bool hex);
    void Add(bool change = false);
    void Delete();
    void ShowRow(const DefineRow& row) { AddListRow(list_, {row.typeText, row.value, row.newValue}); }
    void MinValueMessage() const {
        platform::ShowMessage(lang().msg_Min_Value() + "1.", lang().msg_Error(), platform::MsgIcon::Exclamation);
    }
    const Lang& lang() const { return program_.lang; }
    bool AddressChosen() const { return IsChecked(hwnd_, IDC_DEFINE_ADDRESS); }

    Program& program_;
    ActClass& action_;
    DefineRows rows_;
    quen::win::UniqueHFont font_;
    HWND list_ = nullptr;
    bool hex_ = true;
};

void DefineDialog::OnInit() {
    const Lang& l = lang();
    UseOwnerIcon(hwnd_);
    SetWindowTextA(hwnd_, l.DB_Title().c_str());
    const std::pair<int, const std::string&> captions[] = {
        {IDC_DEFINE_FAMTYPE, l.Str_Type()}, {IDC_DEFINE_SEARCH, l.DB_Search()},
        {IDC_DEFINE_ADDRESS, l.DB_Address()}, {IDC_DEFINE_ALL, l.DB_Search_All()},
        {IDC_DEFINE_DECIMAL, l.DB_10_Scale()}, {IDC_DEFINE_HEX, l.DB_16_Scale()},
        {IDC_DEFINE_LABVALUE, l.DB_Value()}, {IDC_DEFINE_LABNEW, l.DB_NewValue()},
        {IDC_DEFINE_LABBYTE, l.DB_Str_Byte()}, {IDC_DEFINE_ADD, l.Button_Add()},
        {IDC_DEFINE_DEL, l.Button_Delete()}, {IDC_DEFINE_CHANGE, l.Button_Change()},
        {IDC_DEFINE_NOCHECK, l.DB_Dont_Check()},
        {IDOK, l.Button_OK()},
    };
    for (const auto& [id, text] : captions) SetItemText(hwnd_, id, text);
    SetItemText(hwnd_, IDC_DEFINE_FAM16, "");
    options::win::ApplyLangFont(hwnd_, l, font_);
    list_ = GetDlgItem(hwnd_, IDC_DEFINE_LIST);
    SetupList(list_, {{l.DB_Type(), 80}, {l.DB_Value_CH(), 220}, {l.DB_NewValue_CH(), 220}});
    for (const DefineRow& row : rows_.Rows()) ShowRow(row);
    MakeOneLineBox(GetDlgItem(hwnd_, IDC_DEFINE_VALUE),
                   [this](unsigned c) { return DefineKeyAccepted(c, AddressChosen() && !hex_); });
    MakeOneLineBox(GetDlgItem(hwnd_, IDC_DEFINE_NEWVALUE), [](unsigned c) { return DefineKeyAccepted(c, false); });
    SetChecked(hwnd_, IDC_DEFINE_SEARCH, true);
    SetChecked(hwnd_, IDC_DEFINE_HEX, true);
    ChooseType(false);
    SetChecked(hwnd_, IDC_DEFINE_NOCHECK, action_.NoSourceCheck != 0);
    EnableItem(hwnd_, IDC_DEFINE_DEL, !rows_.Rows().empty());
    EnableItem(hwnd_, IDC_DEFINE_CHANGE, false);
}

// A chosen row's entry goes into the boxes, ready to be changed.
void DefineDialog::OnRowChosen() {
    const int row = SelectedRow(list_);
    EnableItem(hwnd_, IDC_DEFINE_CHANGE, row >= 0);
    if (row < 0) return;
    const DefineInput in = rows_.InputOf(static_cast<size_t>(row));
    SetChecked(hwnd_, IDC_DEFINE_SEARCH, !in.address);
    SetChecked(hwnd_, IDC_DEFINE_ADDRESS, in.address);
    SetChecked(hwnd_, IDC_DEFINE_ALL, in.searchAll);
    ChooseType(in.address);
    hex_ = true;
    SetChecked(hwnd_, IDC_DEFINE_DECIMAL, false);
    SetChecked(hwnd_, IDC_DEFINE_HEX, true);
    SetItemText(hwnd_, IDC_DEFINE_VALUE, in.value);
    SetItemText(hwnd_, IDC_DEFINE_NEWVALUE, in.newValue);
}

void DefineDialog::ChooseType(bool address) {
    EnableItem(hwnd_, IDC_DEFINE_DECIMAL, address);
    EnableItem(hwnd_, IDC_DEFINE_HEX, address);
    EnableItem(hwnd_, IDC_DEFINE_ALL, !address);
}

void DefineDialog::ChooseBase(bool hex) {
    if (hex == hex_) return;  // clicking the chosen base again converts nothing
    hex_ = hex;
    const AddressRead r = SwitchAddressBase(ItemText(hwnd_, IDC_DEFINE_VALUE), hex);
    SetItemText(hwnd_, IDC_DEFINE_VALUE, r.box);
    if (r.raisedToMin) MinValueMessage();
}

void DefineDialog::Add(bool change) {
    const int chosen = SelectedRow(list_);
    if (change && chosen < 0) return;
    DefineInput in;
    in.address = AddressChosen();
    in.searchAll = IsChecked(hwnd_, IDC_DEFINE_ALL);
    in.hex = hex_;
    in.value = ItemText(hwnd_, IDC_DEFINE_VALUE);
    in.newValue = ItemText(hwnd_, IDC_DEFINE_NEWVALUE);
    const DefineAddResult r = change ? rows_.Change(static_cast<size_t>(chosen), in) : rows_.Add(in);
    if (r.outcome == DefineAddOutcome::NeedInput) {
        platform::ShowMessage(lang().msg_Need_Input_Value(), lang().msg_Error(), platform::MsgIcon::Exclamation);
        return;
    }
    SetItemText(hwnd_, IDC_DEFINE_VALUE, r.value);
    SetItemText(hwnd_, IDC_DEFINE_NEWVALUE, r.newValue);
    if (r.raisedToMin) MinValueMessage();
    if (r.outcome != DefineAddOutcome::Added) return;
    if (change) {
        const DefineRow& row = rows_.Rows()[static_cast<size_t>(chosen)];
        SetListRow(list_, chosen, {row.typeText, row.value, row.newValue});
        return;
    }
    ShowRow(rows_.Rows().back());
    EnableItem(hwnd_, IDC_DEFINE_DEL, true);
}

void DefineDialog::Delete() {
    const int row = SelectedRow(list_);
    if (row < 0) return;
    rows_.Delete(static_cast<size_t>(row));
    ListView_DeleteItem(list_, row);
    const bool any = !rows_.Rows().empty();
    EnableItem(hwnd_, IDC_DEFINE_DEL, any);
    EnableItem(hwnd_, IDC_DEFINE_CHANGE, SelectedRow(list_) >= 0);
    if (!any) SetFocus(GetDlgItem(hwnd_, IDC_DEFINE_VALUE));  // never leave the focus on a disabled button
}

void DefineDialog::OnCommand(int id, int code, HWND) {
    switch (id) {
        case IDC_DEFINE_SEARCH:
        case IDC_DEFINE_ADDRESS:
            if (code == BN_CLICKED) ChooseType(id == IDC_DEFINE_ADDRESS);
            break;
        case IDC_DEFINE_DECIMAL:
        case IDC_DEFINE_HEX:
            if (code == BN_CLICKED) ChooseBase(id == IDC_DEFINE_HEX);
            break;
        case IDC_DEFINE_ADD: Add(); break;
        case IDC_DEFINE_DEL: Delete(); break;
        case IDC_DEFINE_CHANGE: Add(true); break;
        case IDC_DEFINE_NOCHECK:
            action_.NoSourceCheck = IsChecked(hwnd_, IDC_DEFINE_NOCHECK) ? 1 : 0;
            break;
        case IDOK: {
            // Enter in a byte box adds what was typed there rather than dropping it.
            const HWND focus = GetFocus();
            if (focus == GetDlgItem(hwnd_, IDC_DEFINE_VALUE) || focus == GetDlgItem(hwnd_, IDC_DEFINE_NEWVALUE)) {
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

bool ShowDefineDialog(HWND owner, Program& program, ActClass& action) {
    const ActClass before = action;
    DefineDialog dialog(program, action);
    dialog.Run(owner, IDD_FRMDEFINE);
    return !(action == before);
}

}  // namespace quen
