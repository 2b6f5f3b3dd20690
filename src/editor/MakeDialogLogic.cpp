// The make dialog's decisions.
#include "editor/MakeDialogLogic.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "base/Text.h"
#include "maker/ScriptCheck.h"

namespace quen {


bool MakeOutputPathOk(const std::string& path, const Project& project,
                      const std::function<bool(const std::string&)>& isFolder) {
    const size_t slash = path.find_last_of('\\');
    if (path.empty() || slash == std::string::npos || slash + 1 == path.size()) return false;
    if (!isFolder(path.substr(0, slash)) || isFolder(path)) return false;
    const std::string key = PathKey(path);
    if (!project.ProjectFile.empty() && key == PathKey(project.ProjectFile)) return false;
    for (const ActClass& a : project.Actions) {
        if (key == PathKey(a.FileName)) return false;
        if (a.ActType == kActPatch && key == PathKey(a.NewName)) return false;  // the new version
    }
    return true;
}

bool ScriptCheck(const std::vector<ActClass>& actions, const std::function<bool()>& askGoOn,
                 const std::function<void()>& noneSupported) {
    const ScriptSupport support = CheckScriptSupport(actions);
    if (support.hasUnsupported && !askGoOn()) return false;
    if (support.hasSupported) return true;
    noneSupported();
    return false;
}

std::string PercentLabel(double percent) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.1f", std::clamp(percent, 0.0, 100.0));
    return buf;
}

MakeProgressModel::MakeProgressModel(std::string writingDataText, std::function<void()> changed,
                                     std::function<void(const std::string&)> notice)
    : writingDataText_(std::move(writingDataText)), changed_(std::move(changed)), notice_(std::move(notice)) {}

void MakeProgressModel::MakeStarted(int total, const std::string& output) {
    view_ = {output, std::to_string(total), "0", "", true, "0.0", 0};
    script_ = false;
    Changed();
}

void MakeProgressModel::ScriptStarted(int total, const std::string& output) {
    MakeStarted(total, output);
    script_ = true;
}

void MakeProgressModel::ActionStarted(int, int, const std::string& fileName) {
    view_.fileName = fileName;
    if (!script_) view_.bar = 0, view_.percent = "0.0";
    Changed();
}

void MakeProgressModel::ActionWritten(int position, int total, int section) {
    const ProgressFigures f = script_ ? ProgressAfter(position, total) : ProgressFigures{100, "100"};
    view_.bar = f.bar;
    view_.percent = f.label;
    view_.completeCount = std::to_string(section);
    Changed();
}

void MakeProgressModel::Reached(double percent) {
    const double p = std::clamp(percent, 0.0, 100.0);
    view_.bar = static_cast<int>(std::nearbyint(p));  // halves to the even one
    view_.percent = PercentLabel(p);
    Changed();
}

void MakeProgressModel::WritingPatchData() {
    view_.fileName = writingDataText_;
    view_.fileLabel = false;
    Changed();
}

void MakeProgressModel::Notice(const std::string& text) {
    if (notice_) notice_(text);
}

void MakeProgressModel::Finished() {
    view_.bar = 100;
    view_.percent = "100";
    Changed();
}

}  // namespace quen
