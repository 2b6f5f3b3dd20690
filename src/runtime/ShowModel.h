// What the runtime window shows in each of its modes, decided from the script's texts.
#pragma once

#include <string>

namespace quen::runtime {

enum class WindowMode : short { Welcome = 0, End = 1, Information = 2, Progress = 3 };

// What the undo record tells the user, in English; the language files carry them too
// (the maker writes the patch's language into [Text]).
inline constexpr const char* kUndoneText = "Every change this patch had made was undone: nothing was changed.";
inline constexpr const char* kNotPutBackText = "This could not be put back:";
inline constexpr const char* kOriginalAtText = "its original:";
inline constexpr const char* kTriedAgainText = "It is tried again at the next start of Windows or of a patch.";
inline constexpr const char* kNotUndoneText = "An interrupted patch could not be undone.";
inline constexpr const char* kUnreadableText = "The record of an interrupted patch cannot be read:";
inline constexpr const char* kNothingChangedText = "This patch did not change anything.";
inline constexpr const char* kProgramRanText = "ran; its own changes stay.";
inline constexpr const char* kOtherRunsText = "Another patch is running. Start this patch again when it has ended.";

struct UndoTexts {
    std::string undone = kUndoneText, notPutBack = kNotPutBackText, originalAt = kOriginalAtText;
    std::string triedAgain = kTriedAgainText, notUndone = kNotUndoneText, unreadable = kUnreadableText;
    std::string nothingChanged = kNothingChangedText, programRan = kProgramRanText, otherRuns = kOtherRunsText;
};

// The [Text] key of each undo text ("Undone" is the oldest).
struct UndoTextKey {
    const char* key;
    std::string UndoTexts::*text;
};
inline const UndoTextKey kUndoTextKeys[] = {
    {"Undone", &UndoTexts::undone},           {"UndoFail", &UndoTexts::notPutBack},
    {"UndoOrig", &UndoTexts::originalAt},     {"UndoAgain", &UndoTexts::triedAgain},
    {"UndoLeft", &UndoTexts::notUndone},      {"UndoBad", &UndoTexts::unreadable},
    {"UndoNone", &UndoTexts::nothingChanged}, {"UndoRan", &UndoTexts::programRan},
    {"UndoBusy", &UndoTexts::otherRuns},
};

// The script's [Text] values the runtime uses (line breaks still written as "\n").
struct ScriptTexts {
    std::string font;
    std::string fontSize;
    std::string welcomeTitle, welcomeText, endTitle, endText, infoTitle, infoText;
    std::string prompt, okButton, cancelButton, aboutButton;
    std::string fileNotFound, checkSumDiffers, errorTitle, onPatch, patchFail, brokenWarn, patchFileTitle;
    std::string labelDelete, labelIni, labelRename, labelBytes, success;
    std::string labelExecute, labelAdd, labelPatchFile;
    UndoTexts undo;
    std::string picture;  // the patch's picture file; empty: none
    bool makeBackup = true;
    bool continueOnError = false;
    bool showLog = false;
};

struct ShowModel {
    WindowMode mode = WindowMode::Welcome;
    std::string caption;
    std::string text;  // line breaks as CR LF
    std::string prompt;
    std::string okButton, cancelButton, aboutButton;
    std::string fontName;
    int fontSize = 0;      // 0: the window's own size
    std::string picture;   // shown left of the text; empty: no picture
    bool showOk = true, showCancel = true, showAbout = true, showPrompt = true;
    bool busy = false;  // hourglass pointer; the window refuses to close
};

// errorState: 0 no failure, 1 failures skipped, 2 the run stopped at a failure.
ShowModel BuildShowModel(WindowMode mode, const ScriptTexts& texts, int errorState);

// The progress window once the actions are done: OK and the prompt shown, normal pointer.
ShowModel FinishedProgressModel(const ScriptTexts& texts);

// "Title - " when the patch has a title, else "".
std::string CaptionPrefix(const std::string& patchFileTitle);

}  // namespace quen::runtime
