// The project's texts in the user's language.
#include "options/LangProject.h"

#include <iterator>

#include "options/Lang.h"
#include "runtime/ShowModel.h"

namespace quen {

DirTypeTexts DirTypeTextsOf(const Lang& lang) {
    DirTypeTexts t{lang.Dir_Type_Me(), lang.Dir_Type_Reg(), lang.Dir_Type_Ask(),
                   lang.Dir_Type_Win(), lang.Dir_Type_Sys(), lang.Dir_Type_Pre()};
    // In the order of the runtime's undo text keys.
    const LangKey undo[] = {LangKey::msg_Undo_Done,           LangKey::msg_Undo_Not_Put_Back,
                            LangKey::msg_Undo_Original_At,    LangKey::msg_Undo_Tried_Again,
                            LangKey::msg_Undo_Not_Undone,     LangKey::msg_Undo_Unreadable,
                            LangKey::msg_Undo_Nothing_Changed, LangKey::msg_Undo_Program_Ran,
                            LangKey::msg_Undo_Other_Runs};
    static_assert(std::size(undo) == std::size(runtime::kUndoTextKeys));
    for (std::size_t i = 0; i < std::size(undo); ++i) t.runtimeTexts.emplace_back(runtime::kUndoTextKeys[i].key, lang.Text(undo[i]));
    return t;
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
