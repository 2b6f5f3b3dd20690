// The INI patch dialog's decisions: the list of definitions kept in step with the
// action's INI list, "< Delete >" shown for the stored "%Kill%".
#pragma once

#include <string>
#include <vector>

#include "project/ActClass.h"

namespace quen {

// The stored value that deletes the key.
inline constexpr const char* kIniKillValue = "%Kill%";

// A definition is section,key,value split at its commas, so no part may hold one: the
// three boxes drop typed and pasted commas.
bool IniKeyAccepted(unsigned code);

// One row: its text (also its tool tip and identity) and the 1-based number of its
// definition in the action's list.
struct IniRow {
    std::string text;
    int entry = 0;
};

enum class IniAddOutcome {
    Added,
    EmptyName,  // section or key empty: msg_Section_Or_Key_is_Empty, nothing added
    Duplicate,  // a row with the same text exists: nothing added
};

class IniRows {
public:
    // `deleteText` is the language's Cmb_Delete ("< Delete >").
    IniRows(ActClass& action, std::string deleteText);

    const std::vector<IniRow>& Rows() const { return rows_; }
    // The parts are taken as typed; a value equal to the delete text stores "%Kill%".
    IniAddOutcome Add(const std::string& section, const std::string& key, const std::string& value);
    // Change: row `row` (0-based) and its definition take the parts in place, checked as
    // Add checks them (a duplicate of another row changes nothing).
    IniAddOutcome Change(std::size_t row, const std::string& section, const std::string& key, const std::string& value);
    // Row `row`'s section, key and value as the boxes show them.
    std::vector<std::string> PartsOf(std::size_t row) const;
    // Removes row `row` (0-based) and its definition; later rows refer to one less.
    void Delete(std::size_t row);

private:
    IniAddOutcome Put(std::size_t at, const std::string& section, const std::string& key, const std::string& value);

    ActClass& action_;
    std::string deleteText_;
    std::vector<IniRow> rows_;
};

}  // namespace quen
