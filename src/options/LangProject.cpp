// The project's texts in the user's language.
#include "options/LangProject.h"

#include "options/Lang.h"

namespace quen {

DirTypeTexts DirTypeTextsOf(const Lang& lang) {
    return {lang.Dir_Type_Me(), lang.Dir_Type_Reg(), lang.Dir_Type_Ask(),
            lang.Dir_Type_Win(), lang.Dir_Type_Sys(), lang.Dir_Type_Pre()};
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
        // The first action's directory rules come before every other problem.
        for (ActionProblem p : CheckActionProblems(project.Action(1), 1, true, texts))
            if (p == ActionProblem::FirstCantPre || p == ActionProblem::FirstCantSub) return ProblemText(p, lang);
    }
    for (int i = 1; i <= project.ActionCount(); ++i) {
        std::vector<ActionProblem> problems = CheckActionProblems(project.Action(i), i, false, texts);
        if (!problems.empty()) return ProblemMessage(project.Action(i), problems.front(), lang);
    }
    return std::nullopt;
}

}  // namespace quen
