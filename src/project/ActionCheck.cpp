// Checks of actions before they can be made into a patch.
#include "project/ActionCheck.h"

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

}  // namespace quen
