// Numbering the data files of further old versions.
#include "maker/OldVersionFiles.h"

namespace quen {

std::vector<std::vector<int>> OldVersionDataNumbers(const std::vector<ActClass>& actions) {
    std::vector<std::vector<int>> numbers(actions.size());
    int next = static_cast<int>(actions.size());
    for (size_t i = 0; i < actions.size(); ++i) {
        if (actions[i].ActType != kActPatch) continue;
        for (size_t k = 0; k < actions[i].OldVersions.size(); ++k) numbers[i].push_back(++next);
    }
    return numbers;
}

}  // namespace quen
