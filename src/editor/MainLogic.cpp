// The main window's decisions, kept apart from its controls.
#include "editor/MainLogic.h"

#include <algorithm>
#include <utility>

#include "options/Lang.h"
#include "options/LangProject.h"

namespace quen {

std::vector<std::string> DirComboItems(const DirTypeTexts& t) {
    return {t.me, t.reg, t.ask, t.win, t.sys, ".\\", t.pre};
}

int DirFrameOf(const std::string& dirType, const DirTypeTexts& t) {
    const std::string kinds[] = {t.me, t.reg, t.ask, t.win, t.sys};
    for (int i = 0; i < 5; ++i) {
        if (dirType == kinds[i]) return i;
    }
    if (dirType == t.pre) return kFramePre;
    return dirType.rfind(".\\", 0) == 0 ? kFrameSub : kFrameOther;
}

LangKey DirFrameCaption(int frame) {
    static constexpr LangKey kCaptions[kDirFrameCount] = {
        LangKey::Dir_Me_Set,  LangKey::Dir_Reg_Set, LangKey::Dir_Ask_Set, LangKey::Dir_Win_Set,
        LangKey::Dir_Sys_Set, LangKey::Dir_Sub_Set, LangKey::Dir_Pre_Set, LangKey::Dir_Set,
    };
    return kCaptions[std::clamp(frame, 0, kDirFrameCount - 1)];
}

KindFrame KindFrameOf(int kind) {
    switch (kind) {
        case kActRun: return {LangKey::Setting_Execute};
        case kActAdd: return {LangKey::Setting_Add};
        case kActPatch:
        case kActReName: return {LangKey::Setting_Patch, true};
        case kActByte: return {LangKey::Setting_Byte, false, true};
        case kActIni: return {LangKey::Setting_Ini, false, false, true};
        default: return {LangKey::Setting_Del};
    }
}

CheckPanels QuietCheckPanels(const std::vector<ActionProblem>& problems, const Lang& lang) {
    CheckPanels p;
    p.ghosted = !problems.empty();
    p.status = problems.empty() ? lang.Status_Ready() : lang.Status_Not_Ready();
    p.err1 = problems.empty() ? lang.Status_Without_Error() : ProblemText(problems[0], lang);
    if (problems.size() >= 2) {
        p.err2 = ProblemText(problems[1], lang);
        p.err2Visible = true;
    }
    return p;
}

std::string TotalPanelText(const std::string& prefix, int actionCount) {
    return prefix + " " + std::to_string(actionCount);
}

std::string SizePanelText(const Lang& lang, long long size) {
    return lang.File_Size() + std::to_string(size) + lang.File_Byte();
}

std::string UniqueRowKey(const std::vector<std::string>& keys, const std::string& fileName) {
    std::string key = fileName;
    while (std::find(keys.begin(), keys.end(), key) != keys.end()) key.insert(key.begin(), '*');
    return key;
}

std::string TranslateDirType(const std::string& dirType, const DirTypeTexts& previous, const DirTypeTexts& current) {
    const std::string DirTypeTexts::*kinds[] = {&DirTypeTexts::me,  &DirTypeTexts::reg, &DirTypeTexts::ask,
                                                &DirTypeTexts::win, &DirTypeTexts::sys, &DirTypeTexts::pre};
    for (auto kind : kinds) {
        if (dirType == previous.*kind) return current.*kind;
    }
    return dirType;
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

MoveOutcome MoveAction(Project& project, int index, bool up, const DirTypeTexts& texts) {
    const int upper = up ? index - 1 : index;  // the pair upper, upper + 1 swaps
    if (upper < 1 || upper + 1 > project.ActionCount()) return MoveOutcome::AtEdge;
    ActClass& above = project.Action(upper);
    ActClass& below = project.Action(upper + 1);
    const auto relative = [&](const ActClass& a) { return a.DirType == texts.pre || a.DirType.rfind(".\\", 0) == 0; };
    if (upper == 1 && below.DirType.rfind(".\\", 0) == 0) return MoveOutcome::FirstCantSub;
    if (below.DirType == texts.pre && !relative(above)) {
        above.ExportDir(below, texts);
        above.DirType = texts.pre;
    }
    std::swap(above, below);
    return MoveOutcome::Moved;
}

}  // namespace quen
