// The INI patch dialog's decisions.
#include "editor/IniDefinitions.h"

#include <utility>

#include "startup/FSUPLIBmain.h"

namespace quen {

bool IniKeyAccepted(unsigned code) { return code != ','; }

IniRows::IniRows(ActClass& action, std::string deleteText) : action_(action), deleteText_(std::move(deleteText)) {
    for (int i = 1; i <= action_.INICount(); ++i) {
        const std::string& def = action_.ReadINIKey(i);
        const bool kill = GetField(def, 3) == kIniKillValue;
        rows_.push_back({kill ? GetField(def, 1) + "," + GetField(def, 2) + "," + deleteText_ : def, i});
    }
}

IniAddOutcome IniRows::Add(const std::string& section, const std::string& key, const std::string& value) {
    return Put(rows_.size(), section, key, value);
}

IniAddOutcome IniRows::Change(std::size_t row, const std::string& section, const std::string& key,
                              const std::string& value) {
    return row < rows_.size() ? Put(row, section, key, value) : IniAddOutcome::EmptyName;
}

std::vector<std::string> IniRows::PartsOf(std::size_t row) const {
    if (row >= rows_.size()) return {"", "", ""};
    const std::string& def = action_.ReadINIKey(rows_[row].entry);
    const std::string value = GetField(def, 3);
    return {GetField(def, 1), GetField(def, 2), value == kIniKillValue ? deleteText_ : value};
}

IniAddOutcome IniRows::Put(std::size_t at, const std::string& section, const std::string& key, const std::string& value) {
    if (section.empty() || key.empty()) return IniAddOutcome::EmptyName;
    const std::string text = section + "," + key + "," + value;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (i != at && rows_[i].text == text) return IniAddOutcome::Duplicate;
    }
    const std::string def = section + "," + key + "," + (value == deleteText_ ? kIniKillValue : value);
    if (at < rows_.size()) {
        std::vector<std::string> keys = action_.INIKeys();
        keys[static_cast<std::size_t>(rows_[at].entry - 1)] = def;
        action_.SetINIVal(keys);
        rows_[at].text = text;
    } else {
        rows_.push_back({text, action_.AddINIKey(def)});
    }
    return IniAddOutcome::Added;
}

void IniRows::Delete(std::size_t row) {
    if (row >= rows_.size()) return;
    const int entry = rows_[row].entry;
    action_.DelINIKey(entry);
    for (IniRow& r : rows_) {
        if (r.entry > entry) --r.entry;
    }
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
}

}  // namespace quen
