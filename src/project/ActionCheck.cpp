// Checks of actions before they can be made into a patch.
#include "project/ActionCheck.h"

#include "options/Lang.h"
#include "platform/Files.h"
#include "startup/FSUPLIBmain.h"

namespace quen {

namespace {

bool Exists(const std::string& path) { return FileExists(path, platform::kAttrHidden); }

void KindProblems(const ActClass& a, std::vector<ActionProblem>& out) {
    switch (a.ActType) {
        case kActRun:
        case kActAdd:
            if (!Exists(a.FileName)) out.push_back(ActionProblem::NeedOldFile);
            break;
        case kActPatch:
            if (!Exists(a.FileName)) out.push_back(ActionProblem::NeedOldFile);
            if (a.NewName.empty() || !Exists(a.NewName)) out.push_back(ActionProblem::NeedNewVersion);
            break;
        case kActByte:
            if (a.ByteCount() <= 0) out.push_back(ActionProblem::ByteWithoutDefine);
            break;
        case kActIni:
            if (a.INICount() <= 0) out.push_back(ActionProblem::IniWithoutDefine);
            break;
        case kActReName:
            if (a.NewName.empty()) out.push_back(ActionProblem::RenameNeedNewName);
            break;
        default:
            break;
    }
}

bool StartsWithSubFolder(const std::string& dir) { return dir.rfind(".\\", 0) == 0; }

}  // namespace

std::vector<ActionProblem> CheckActionProblems(const ActClass& a, int index, bool quiet,
                                               const DirTypeTexts& texts) {
    std::vector<ActionProblem> out;
    KindProblems(a, out);
    if (a.DirType == texts.reg && a.RegSub.empty()) out.push_back(ActionProblem::RegSubKeyEmpty);
    if (a.DirType == texts.ask &&
        (a.AskTitle.empty() || a.AskPrompt.empty() || a.AskBrowse.empty() || a.AskOK.empty() ||
         a.AskDNF.empty())) {
        out.push_back(ActionProblem::AskEmpty);
    }
    if (index == 1 && quiet) {
        if (a.DirType == texts.pre) out.push_back(ActionProblem::FirstCantPre);
        if (StartsWithSubFolder(a.DirType)) out.push_back(ActionProblem::FirstCantSub);
    }
    return out;
}

const std::string& ProblemText(ActionProblem problem, const Lang& lang) {
    switch (problem) {
        case ActionProblem::NeedOldFile: return lang.msg_PatchFile_Need_Old_File();
        case ActionProblem::NeedNewVersion: return lang.msg_PatchFile_Need_NewVersion();
        case ActionProblem::ByteWithoutDefine: return lang.msg_ReplaceByte_Without_Define();
        case ActionProblem::IniWithoutDefine: return lang.msg_ReplaceINI_Without_Define();
        case ActionProblem::RenameNeedNewName: return lang.msg_Rename_Need_New_Filename();
        case ActionProblem::RegSubKeyEmpty: return lang.msg_DirSet_SubKey_Empty();
        case ActionProblem::AskEmpty: return lang.msg_DirSet_Ask_Empty();
        case ActionProblem::FirstCantPre: return lang.msg_FirstFileDirCantPre();
        case ActionProblem::FirstCantSub: break;
    }
    return lang.msg_FirstFileDirCantSub();
}

std::string ProblemMessage(const ActClass& action, ActionProblem problem, const Lang& lang) {
    return lang.msg_ErrFileName() + action.FileName + "\r\n\r\n" + ProblemText(problem, lang);
}

std::optional<std::string> CheckBeforeMake(const Project& project, const Lang& lang) {
    const DirTypeTexts texts = DirTypeTextsOf(lang);
    if (project.ActionCount() > 0) {
        const std::string& first = project.Action(1).DirType;
        if (first == texts.pre) return lang.msg_FirstFileDirCantPre();
        if (StartsWithSubFolder(first)) return lang.msg_FirstFileDirCantSub();
    }
    for (int i = 1; i <= project.ActionCount(); ++i) {
        std::vector<ActionProblem> problems = CheckActionProblems(project.Action(i), i, false, texts);
        if (!problems.empty()) return ProblemMessage(project.Action(i), problems.front(), lang);
    }
    return std::nullopt;
}

}  // namespace quen
