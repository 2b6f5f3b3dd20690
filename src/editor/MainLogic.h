// The main window's decisions: frames by kind and directory, status panels, row keys.
#pragma once

#include <string>
#include <vector>

#include "options/LangKeys.h"
#include "project/ActionCheck.h"
#include "project/Project.h"

namespace quen {

class Lang;

// Directory frames; the index is also the directory combo's item index.
enum DirFrame : int {
    kFrameMe = 0,
    kFrameReg = 1,
    kFrameAsk = 2,
    kFrameWin = 3,
    kFrameSys = 4,
    kFrameSub = 5,
    kFramePre = 6,
    kFrameOther = 7,
};
inline constexpr int kDirFrameCount = 8;

// The directory combo's items in order: the five kind texts, ".\", "< Previous >".
std::vector<std::string> DirComboItems(const DirTypeTexts& texts);

// The frame a directory text brings up: a kind text its own, ".\" forms the sub folder
// frame, anything else the free-setting frame. Comparisons are exact.
int DirFrameOf(const std::string& dirType, const DirTypeTexts& texts);

// The language key of a directory frame's caption.
LangKey DirFrameCaption(int frame);

// What the kind settings frame shows for an action kind.
struct KindFrame {
    LangKey caption;
    bool newName = false;  // the new file label and box
    bool defineByte = false;
    bool iniSetting = false;
};
KindFrame KindFrameOf(int kind);

// What a quiet check shows: the row ghosted and the status bar's panels.
struct CheckPanels {
    bool ghosted = false;
    std::string status;
    std::string err1;
    std::string err2;
    bool err2Visible = false;
};
CheckPanels QuietCheckPanels(const std::vector<ActionProblem>& problems, const Lang& lang);

// "File Total :" and the count, as the "Total" panel shows them.
std::string TotalPanelText(const std::string& prefix, int actionCount);
// "Size :", the length in bytes and " Bytes ".
std::string SizePanelText(const Lang& lang, long long size);

// A row key for `fileName` that no row in `keys` holds yet: "*" in front until unique.
std::string UniqueRowKey(const std::vector<std::string>& keys, const std::string& fileName);

// After a language change: a kind text of the previous language becomes the same kind's
// text in the new one; sub folder forms and literal paths stay.
std::string TranslateDirType(const std::string& dirType, const DirTypeTexts& previous, const DirTypeTexts& current);

// One-line boxes keep only the first line of what is typed or pasted, so a saved
// project cannot hold a line break where it expects one line.
std::string FirstLine(const std::string& text);

// Moving action `index` one place up or down: it swaps places with its neighbour. A
// "< Previous >" action moved above the one whose folder it followed takes that action's
// directory setting, and the other follows it ("< Previous >"): both keep their folders and
// the first action stays valid. A ".\" action cannot become the first.
enum class MoveOutcome { Moved, AtEdge, FirstCantSub };
MoveOutcome MoveAction(Project& project, int index, bool up, const DirTypeTexts& texts);

}  // namespace quen
