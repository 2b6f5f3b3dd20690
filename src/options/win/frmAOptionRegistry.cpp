// frmAOption's registry page: list kinds, rows, adding, deleting and the retain-value guard.
#include <windows.h>
#include <commctrl.h>

#include "options/ErrorModule.h"
#include "options/win/frmAOption.h"
#include "options/win/frmAOptionIds.h"
#include "platform/Ui.h"

namespace quen::options::win {

namespace {

constexpr const char* kRoots[] = {"HKCR", "HKCC", "HKCU", "HKDD", "HKLM", "HKPD", "HKUS"};

// The row's picture tells text values from binary ones, as the value type options do.
int TypeImage(const std::string& entry) { return entry.compare(0, 4, "STR,") == 0 ? 0 : 1; }

void InsertRow(HWND list, int row, const std::string& entry) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.iImage = TypeImage(entry);
    item.pszText = const_cast<char*>(entry.c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void FrmAOption::InitRegistry() {
    HWND reg = pages_[3];
    const Lang& l = program_.lang;
    for (const std::string& s : {l.Option_OffKey(), l.Option_AddKey(), l.Option_DelKey()})
        SendDlgItemMessageA(reg, IDC_AO_KEYTYPE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
    SendDlgItemMessageA(reg, IDC_AO_KEYTYPE, CB_SETCURSEL, 0, 0);
    for (const char* root : kRoots) SendDlgItemMessageA(reg, IDC_AO_REGMAIN, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(root));
    SendDlgItemMessageA(reg, IDC_AO_REGMAIN, CB_SETCURSEL, 0, 0);
    SendDlgItemMessageA(reg, IDC_AO_VAL, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lists_.retainText().c_str()));
    SetChecked(reg, IDC_AO_TYPE_STR, true);
    HWND lv = GetDlgItem(reg, IDC_AO_LVKEY);
    // Rows wider than the view show their whole entry as a tip.
    ListView_SetExtendedListViewStyle(lv, LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
    // The view does not share its image list, so it destroys it with itself.
    ListView_SetImageList(lv, ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_REG_TYPES), 16, 0,
                                                   RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION),
                          LVSIL_SMALL);
    RECT r{};
    GetClientRect(lv, &r);
    LVCOLUMNA col{};
    col.mask = LVCF_WIDTH;
    col.cx = r.right - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageA(lv, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&col));
    ShowRegistryList(true);
}

void FrmAOption::ShowRegistryList(bool refresh) {
    HWND reg = pages_[3];
    const auto kind = static_cast<RegList>(SendDlgItemMessageA(reg, IDC_AO_KEYTYPE, CB_GETCURSEL, 0, 0));
    if (!lists_.Show(kind, refresh)) return;
    if (lists_.RetainMisplaced(ItemText(reg, IDC_AO_VAL))) {
        guarding_ = true;
        SetItemText(reg, IDC_AO_VAL, "");
        guarding_ = false;
    }
    HWND lv = GetDlgItem(reg, IDC_AO_LVKEY);
    SendMessageA(lv, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (const std::string& entry : lists_.rows()) InsertRow(lv, row++, entry);
    EnableWindow(GetDlgItem(reg, IDC_AO_DEL), !lists_.rows().empty());
}

void FrmAOption::AddEntry() {
    HWND reg = pages_[3];
    const Lang& l = program_.lang;
    try {
        const RegEntryInput in{valueType_, ItemText(reg, IDC_AO_REGMAIN), ItemText(reg, IDC_AO_SUB),
                               ItemText(reg, IDC_AO_KEY), ItemText(reg, IDC_AO_VAL)};
        const size_t before = lists_.rows().size();
        switch (lists_.Add(in)) {
            case RegAddResult::SubKeyEmpty:
                platform::ShowMessage(l.msg_SubKey_Empty(), l.msg_Error(), platform::MsgIcon::Exclamation);
                return;
            case RegAddResult::CommaInName:
                platform::ShowMessage("A registry sub key or value name cannot hold a comma: the patch keeps each "
                                      "entry as comma-separated fields.",
                                      l.msg_Error(), platform::MsgIcon::Exclamation);
                return;
            case RegAddResult::InvalidValue:
                platform::ShowMessage(l.msg_InvalidKeyValue(), l.msg_Error(), platform::MsgIcon::Exclamation);
                return;
            case RegAddResult::Duplicate:
                platform::ShowMessage(l.msg_Duplicate_Key(), l.msg_Error(), platform::MsgIcon::Exclamation);
                return;
            case RegAddResult::Added: break;
        }
        InsertRow(GetDlgItem(reg, IDC_AO_LVKEY), static_cast<int>(before), lists_.rows().back());
        EnableWindow(GetDlgItem(reg, IDC_AO_DEL), TRUE);
    } catch (...) {
        ReportError(l, "AOption-Reg-CmdAdd", std::current_exception());
    }
}

void FrmAOption::DeleteEntry() {
    HWND lv = GetDlgItem(pages_[3], IDC_AO_LVKEY);
    const auto selected = SendMessageA(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (selected < 0) return;
    if (lists_.Delete(static_cast<int>(selected) + 1)) ShowRegistryList(true);
}

void FrmAOption::GuardRetainValue(bool picked) {
    if (guarding_) return;
    HWND reg = pages_[3];
    HWND box = GetDlgItem(reg, IDC_AO_VAL);
    // A picked item reaches the edit field only after the notification.
    const bool pickedRetain = picked && SendMessageA(box, CB_GETCURSEL, 0, 0) == 0;
    const std::string value = pickedRetain ? lists_.retainText() : WindowText(box);
    if (!lists_.RetainMisplaced(value)) return;
    guarding_ = true;
    const Lang& l = program_.lang;
    platform::ShowMessage(l.msg_RetainValue_Only() + "\r\n" + l.Option_OffKey(), l.msg_Warning(),
                          platform::MsgIcon::Exclamation);
    SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextA(box, "");
    guarding_ = false;
}

}  // namespace quen::options::win
