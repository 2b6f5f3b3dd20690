// The registry tab of the patch options: which list is shown, its rows, adding and deleting.
#pragma once

#include <string>
#include <vector>

#include "options/RegValueCheck.h"
#include "project/PatchOptions.h"

namespace quen {

enum class RegList { Pause = 0, Add = 1, Delete = 2 };  // OffKey, AddKey, DelKey

// CommaInName: a comma in the sub key or value name would shift the stored comma fields,
// so that the patch would act on another value than the one shown.
enum class RegAddResult { Added, SubKeyEmpty, CommaInName, InvalidValue, Duplicate };

// What the user typed for one entry.
struct RegEntryInput {
    RegValueType type = RegValueType::Str;
    std::string root;
    std::string subKey;
    std::string valueName;
    std::string value;
};

// Changes the options' lists at once (they are not part of the dialog's save step). The
// rows are what the list view shows: one per entry, in list order, keyed by their text, so
// a delete by row position removes the entry at that position.
class RegistryLists {
public:
    RegistryLists(PatchOptions& options, std::string retainText);

    // Shows list `list`; nothing happens when it is shown already unless `refresh`.
    // True when the rows were rebuilt.
    bool Show(RegList list, bool refresh = false);
    // Adds an entry to the shown list: checks in the order sub key, commas, value, duplicate row.
    RegAddResult Add(const RegEntryInput& input);
    // Removes the entry at row `row` (1-based) and rebuilds the rows; false for no row.
    bool Delete(int row);
    // The value box must be emptied: the retain-value text outside the pause list.
    bool RetainMisplaced(const std::string& value) const;

    RegList shown() const { return shown_; }
    const std::vector<std::string>& rows() const { return rows_; }
    std::vector<std::string>& entries(RegList list);
    const std::string& retainText() const { return retain_; }

private:
    PatchOptions& options_;
    std::string retain_;
    RegList shown_ = RegList::Pause;
    bool any_shown_ = false;
    std::vector<std::string> rows_;
};

}  // namespace quen
