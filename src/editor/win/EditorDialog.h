// What every editor dialog does alike beyond the shared dialog items: filtered one-line
// boxes, list view rows, events pumped during long work.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/DialogItems.h"
#include "platform/win/Handles.h"

namespace quen {
namespace editor::win {

using quen::win::EnableItem;
using quen::win::IsChecked;
using quen::win::ItemText;
using quen::win::SetChecked;
using quen::win::SetItemText;
using quen::win::UseOwnerIcon;

// Which typed characters (WM_CHAR codes) a box takes.
using KeyFilter = std::function<bool(unsigned code)>;

// Makes `edit` (an edit control, or the edit inside a combo box) a one-line box that
// takes only what `accept` lets through, typed or pasted: a pasted text is cut at its
// first line break and loses the characters the filter drops. Without a filter every
// printable character passes.
void MakeOneLineBox(HWND edit, KeyFilter accept = {});
// The edit field of an editable combo box.
HWND ComboEdit(HWND combo);

// A report-style list view with full-row selection and these columns (width in pixels).
struct ListColumn {
    std::string title;
    int width = 100;
};
void SetupList(HWND list, const std::vector<ListColumn>& columns);
// Appends a row with one text per column; returns its index.
int AddListRow(HWND list, const std::vector<std::string>& texts);
// Row `row` shows these texts, one per column.
void SetListRow(HWND list, int row, const std::vector<std::string>& texts);
// The selected row, -1 when none.
int SelectedRow(HWND list);

}  // namespace editor::win
}  // namespace quen
