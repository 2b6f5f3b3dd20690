// The registry tab of the patch options.
#include "options/RegistryLists.h"

#include <algorithm>
#include <utility>

namespace quen {

RegistryLists::RegistryLists(PatchOptions& options, std::string retainText)
    : options_(options), retain_(std::move(retainText)) {}

std::vector<std::string>& RegistryLists::entries(RegList list) {
    switch (list) {
        case RegList::Add: return options_.AddKey;
        case RegList::Delete: return options_.DelKey;
        case RegList::Pause: break;
    }
    return options_.OffKey;
}

bool RegistryLists::Show(RegList list, bool refresh) {
    if (any_shown_ && list == shown_ && !refresh) return false;
    shown_ = list;
    any_shown_ = true;
    rows_ = entries(list);
    return true;
}

bool RegistryLists::RetainMisplaced(const std::string& value) const {
    return shown_ != RegList::Pause && !retain_.empty() && value == retain_;
}

RegAddResult RegistryLists::Add(const RegEntryInput& in) {
    if (in.subKey.empty()) return RegAddResult::SubKeyEmpty;
    if ((in.subKey + in.valueName).find(',') != std::string::npos) return RegAddResult::CommaInName;
    const bool pause = shown_ == RegList::Pause;
    // Pausing keeps whatever the value is, so the retain text fits every type there.
    const bool retain = pause && !retain_.empty() && in.value == retain_;
    const auto value = retain ? std::optional<std::string>(in.value) : CheckRegValue(in.type, in.value);
    if (!value) return RegAddResult::InvalidValue;
    const std::string entry = ComposeRegEntry(in.type, in.root, in.subKey, in.valueName, *value);
    if (std::find(rows_.begin(), rows_.end(), entry) != rows_.end()) return RegAddResult::Duplicate;
    rows_.push_back(entry);
    entries(shown_).push_back(StoredRegEntry(entry, pause, retain_));
    return RegAddResult::Added;
}

bool RegistryLists::Delete(int row) {
    auto& list = entries(shown_);
    if (row < 1 || row > static_cast<int>(list.size())) return false;
    list.erase(list.begin() + (row - 1));
    Show(shown_, true);
    return true;
}

}  // namespace quen
