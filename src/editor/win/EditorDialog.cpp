// What every editor dialog does alike.
#include "editor/win/EditorDialog.h"

#include <commctrl.h>

#include <memory>


namespace quen::editor::win {

namespace {

constexpr UINT_PTR kOneLineId = 0x51;

// The clipboard's text up to its first line break, filtered.
std::string PastedText(HWND edit, const KeyFilter& accept) {
    std::string text;
    if (!OpenClipboard(edit)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) {
            for (; *p && *p != '\r' && *p != '\n'; ++p) {
                const auto c = static_cast<unsigned char>(*p);
                if (c >= 32 && (!accept || accept(c))) text += *p;
            }
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

LRESULT CALLBACK OneLineProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    auto* accept = reinterpret_cast<KeyFilter*>(ref);
    switch (msg) {
        case WM_CHAR:
            if (wp == '\r' || wp == '\n') return 0;  // a one-line box holds no line break
            if (*accept && !(*accept)(static_cast<unsigned>(wp))) return 0;
            break;
        case WM_PASTE:
            SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(PastedText(edit, *accept).c_str()));
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, OneLineProc, kOneLineId);
            delete accept;
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, msg, wp, lp);
}

}  // namespace

void MakeOneLineBox(HWND edit, KeyFilter accept) {
    if (!edit) return;
    auto filter = std::make_unique<KeyFilter>(std::move(accept));
    if (SetWindowSubclass(edit, OneLineProc, kOneLineId, reinterpret_cast<DWORD_PTR>(filter.get()))) filter.release();
}

HWND ComboEdit(HWND combo) { return FindWindowExA(combo, nullptr, "Edit", nullptr); }

void SetupList(HWND list, const std::vector<ListColumn>& columns) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP);
    for (size_t i = 0; i < columns.size(); ++i) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = columns[i].width;
        col.pszText = const_cast<char*>(columns[i].title.c_str());
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&col));
    }
    // The last column fills the rest of the list's width.
    if (!columns.empty()) ListView_SetColumnWidth(list, static_cast<int>(columns.size()) - 1, LVSCW_AUTOSIZE_USEHEADER);
}

int AddListRow(HWND list, const std::vector<std::string>& texts) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(texts.empty() ? "" : texts[0].c_str());
    const int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row >= 0) SetListRow(list, row, texts);
    return row;
}

void SetListRow(HWND list, int row, const std::vector<std::string>& texts) {
    for (size_t i = 0; i < texts.size(); ++i) {
        LVITEMA sub{};
        sub.iSubItem = static_cast<int>(i);
        sub.pszText = const_cast<char*>(texts[i].c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&sub));
    }
}

int SelectedRow(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }

}  // namespace quen::editor::win
