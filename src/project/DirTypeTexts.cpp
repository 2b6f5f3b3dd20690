// Mapping of directory kind texts to the codes a script carries.
#include "project/DirTypeTexts.h"

namespace quen {

std::string DirCode(const std::string& dirType, const DirTypeTexts& texts) {
    // Checked in this order; the first exact match wins.
    if (dirType == texts.me) return "Me";
    if (dirType == texts.reg) return "Reg";
    if (dirType == texts.ask) return "Ask";
    if (dirType == texts.win) return "Win";
    if (dirType == texts.sys) return "Sys";
    if (dirType == texts.pre) return "Pre";
    return dirType;
}

}  // namespace quen
