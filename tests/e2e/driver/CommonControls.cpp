// Steps on common controls (toolbar buttons, list view rows, status bar panels) and the
// other steps that reach into the window's process: dropping files.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "driver/CommonControls.h"
#include "driver/Remote.h"

namespace quen::driver {

using namespace quen::drive;

namespace {

constexpr size_t kTextAt = 4096;  // where texts go in the remote block, after the structure
constexpr int kTextMax = 4096;

HWND Find(const Step& step, const wchar_t* className, const std::wstring& selector) {
    Step s = step;
    s.args = {selector};
    HWND h = Resolve(s, ControlKind::Readable, false);
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    if (!SameNoCase(cls, className)) Fail(Narrow(selector) + " is a " + Narrow(cls) + ", not a " + Narrow(className));
    return h;
}

// The text a message has just written at kTextAt.
std::wstring RemoteText(RemoteBlock& block) {
    std::wstring text(kTextMax, L'\0');
    block.Read(kTextAt, text.data(), kTextMax * sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), kTextMax));
    return text;
}

std::wstring CellText(HWND list, RemoteBlock& block, int row, int column) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(block.At(kTextAt));
    item.cchTextMax = kTextMax;
    block.Write(0, &item, sizeof(item));
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), block.At(0));
    return RemoteText(block);
}

int Columns(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
}

// A person clicks what the button shows: its caption, "&Add" or "Add".
void ToolStep(const Step& step) {
    HWND bar = Find(step, L"ToolbarWindow32", L"ToolbarWindow32:1");
    RemoteBlock block(bar);
    const int count = static_cast<int>(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
    std::string known;
    for (int i = 0; i < count; ++i) {
        SendMessageW(bar, TB_GETBUTTON, static_cast<WPARAM>(i), block.At(0));
        TBBUTTON button{};
        block.Read(0, &button, sizeof(button));
        block.Write(kTextAt, L"", sizeof(wchar_t));
        SendMessageW(bar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(button.idCommand), block.At(kTextAt));
        const std::wstring text = RemoteText(block);
        known += (known.empty() ? "\"" : ", \"") + Narrow(text) + "\"";
        if (StripMnemonic(text) != StripMnemonic(step.args[0])) continue;
        if (!SendMessageW(bar, TB_ISBUTTONENABLED, static_cast<WPARAM>(button.idCommand), 0))
            Fail("toolbar button \"" + Narrow(step.args[0]) + "\" is disabled");
        PostMessageW(GetParent(bar), WM_COMMAND, MAKEWPARAM(button.idCommand, BN_CLICKED), reinterpret_cast<LPARAM>(bar));
        return;
    }
    Fail("no toolbar button \"" + Narrow(step.args[0]) + "\"; it has: " + known);
}

int RowImage(HWND list, RemoteBlock& block, int row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    block.Write(0, &item, sizeof(item));
    SendMessageW(list, LVM_GETITEMW, 0, block.At(0));
    block.Read(0, &item, sizeof(item));
    return item.iImage;
}

// One line per row: every column's text, then "ghosted" or "plain", then the row's picture
// number when the list has pictures, tab-separated.
void RowsStep(const Step& step) {
    HWND list = Find(step, L"SysListView32", step.args[0]);
    RemoteBlock block(list);
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    const int columns = Columns(list);
    const bool pictures = SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0) != 0;
    for (int r = 0; r < rows; ++r) {
        std::wstring line;
        for (int c = 0; c < columns; ++c) line += Flat(CellText(list, block, r, c)) + L"\t";
        const bool ghosted = SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(r), LVIS_CUT) & LVIS_CUT;
        line += ghosted ? L"ghosted" : L"plain";
        if (pictures) line += L"\t" + std::to_wstring(RowImage(list, block, r));
        Print(line);
    }
}

// "select" and "open": the row selected as a click leaves it; "open" double-clicks it.
void SelectStep(const Step& step) {
    HWND list = Find(step, L"SysListView32", step.args[0]);
    RemoteBlock block(list);
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int r = 0; r < rows; ++r) {
        if (CellText(list, block, r, 0) != step.args[1]) continue;
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = item.stateMask;
        block.Write(0, &item, sizeof(item));
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(r), block.At(0));
        if (step.verb != L"open") return;
        RECT cell{LVIR_LABEL, 0, 0, 0};
        block.Write(0, &cell, sizeof(cell));
        SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(r), block.At(0));
        block.Read(0, &cell, sizeof(cell));
        PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
        return;
    }
    Fail("no row \"" + Narrow(step.args[1]) + "\" in the list");
}

// One line per panel, a panel without width (hidden) as "(hidden)".
void PanelsStep(const Step& step) {
    HWND bar = Find(step, L"msctls_statusbar32", L"msctls_statusbar32:1");
    RemoteBlock block(bar);
    const int parts = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 256, block.At(0)));
    std::vector<int> edges(static_cast<size_t>(parts));
    block.Read(0, edges.data(), edges.size() * sizeof(int));
    for (int i = 0; i < parts; ++i) {
        const bool hidden = i > 0 && edges[static_cast<size_t>(i)] == edges[static_cast<size_t>(i - 1)];
        block.Write(kTextAt, L"", sizeof(wchar_t));
        SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(i), block.At(kTextAt));
        const std::wstring text = RemoteText(block);
        Print(hidden ? L"(hidden)" : Flat(text));
    }
}

// Files dropped from Explorer as the window receives them: WM_DROPFILES with a file list
// (DROPFILES) in the window's own process, posted to the nearest window that accepts
// files, the drop point over the control. Windows copies a posted file list into the
// receiving process; Wine does not, so the list is written there.
void DropStep(const Step& step) {
    HWND control = Resolve(step, ControlKind::Readable, true);
    HWND target = control;
    while (target && !(GetWindowLongW(target, GWL_EXSTYLE) & WS_EX_ACCEPTFILES)) target = GetParent(target);
    if (!target) Fail(Narrow(step.args[0]) + " accepts no dropped files");
    std::wstring files;
    for (size_t i = 1; i < step.args.size(); ++i) files += step.args[i] + L'\0';
    files += L'\0';
    DROPFILES head{};
    head.pFiles = sizeof(head);
    head.fWide = TRUE;
    RECT r;
    GetWindowRect(control, &r);
    head.pt = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(target, &head.pt);
    RemoteBlock block(target, sizeof(head) + files.size() * sizeof(wchar_t));
    block.Write(0, &head, sizeof(head));
    block.Write(sizeof(head), files.data(), files.size() * sizeof(wchar_t));
    if (!PostMessageW(target, WM_DROPFILES, static_cast<WPARAM>(block.At(0)), 0)) Fail("the drop could not be posted");
    block.Keep();
}

}  // namespace

std::wstring Flat(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : UnixLines(text)) out += c == L'\n' ? L"\\n" : c == L'\t' ? L"\\t" : std::wstring(1, c);
    return out;
}

void RunCommonControlStep(const Step& step) {
    const auto& v = step.verb;
    if (v == L"tool") ToolStep(step);
    else if (v == L"rows") RowsStep(step);
    else if (v == L"select" || v == L"open") SelectStep(step);
    else if (v == L"panels") PanelsStep(step);
    else if (v == L"drop") DropStep(step);
}

}  // namespace quen::driver
