// Project-level operations on the action list.
#include "project/Project.h"

#include <stdexcept>

namespace quen {

ActClass& Project::Action(int index) {
    if (index < 1 || index > ActionCount()) throw std::out_of_range("action index");
    return Actions[index - 1];
}

const ActClass& Project::Action(int index) const {
    if (index < 1 || index > ActionCount()) throw std::out_of_range("action index");
    return Actions[index - 1];
}

void DeleteAction(Project& project, int p) {
    if (p < 1 || p > project.ActionCount()) return;
    project.Actions.erase(project.Actions.begin() + (p - 1));
}

std::vector<int> ApplyDirToOthers(Project& project, int selected, ApplyDirMode mode,
                                  const DirTypeTexts& texts) {
    std::vector<int> changed;
    if (project.ActionCount() < 2 || selected < 1 || selected > project.ActionCount()) {
        return changed;
    }
    // Work from a copy: the source must not change while it is copied to the others.
    const ActClass source = project.Action(selected);
    for (int i = 1; i <= project.ActionCount(); ++i) {
        if (i == selected) continue;
        ActClass& target = project.Action(i);
        if (mode == ApplyDirMode::AllPrevious && target.DirType != texts.pre) continue;
        source.ExportDir(target, texts);
        changed.push_back(i);
    }
    return changed;
}

void NewProject(Project& project) {
    project.Actions.clear();
    project.ProjectFile.clear();
    project.Modified = false;
}

}  // namespace quen
