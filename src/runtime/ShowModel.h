// What the runtime window shows in each of its modes, decided from the script's texts.
#pragma once

#include <string>

namespace quen::runtime {

enum class WindowMode : short { Welcome = 0, End = 1, Information = 2, Progress = 3 };

// The script's [Text] values the runtime uses (line breaks still written as "\n").
struct ScriptTexts {
    std::string font;
    std::string fontSize;
    std::string welcomeTitle, welcomeText, endTitle, endText, infoTitle, infoText;
    std::string prompt, okButton, cancelButton, aboutButton;
    std::string fileNotFound, checkSumDiffers, errorTitle, onPatch, patchFail, brokenWarn, patchFileTitle;
    std::string labelDelete, labelIni, labelRename, labelBytes, success;
    std::string labelExecute, labelAdd, labelPatchFile;
    std::string undone = "Every change this patch had made was undone: nothing was changed.";
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
