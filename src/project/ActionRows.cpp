// Building the main list's rows from the actions.
#include "project/ActionRows.h"

#include <unordered_map>
#include <unordered_set>

#include "startup/FSUPLIBmain.h"

namespace quen {

std::vector<ActionRow> MakeActionRows(const std::vector<ActClass>& actions) {
    std::vector<ActionRow> rows;
    std::unordered_set<std::string> keys;
    // Keys with fewer stars than this are known to be taken: start the search there.
    std::unordered_map<std::string, size_t> nextStars;
    int index = 0;
    for (const ActClass& a : actions) {
        ++index;
        size_t& stars = nextStars[a.FileName];
        std::string key = std::string(stars, '*') + a.FileName;
        while (keys.count(key)) {
            key.insert(key.begin(), '*');
            ++stars;
        }
        ++stars;
        keys.insert(key);
        rows.push_back({GetFileName(a.FileName), key, std::to_string(index), a.ActType + 1,
                        a.DirType, a.FilePath});
    }
    return rows;
}

}  // namespace quen
