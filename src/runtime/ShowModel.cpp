// What the runtime window shows in each of its modes.
#include "runtime/ShowModel.h"

#include "runtime/ScriptValues.h"

namespace quen::runtime {

std::string CaptionPrefix(const std::string& patchFileTitle) {
    return patchFileTitle.empty() ? std::string() : patchFileTitle + " - ";
}

namespace {

ShowModel CommonModel(WindowMode mode, const ScriptTexts& t) {
    ShowModel m;
    m.mode = mode;
    m.prompt = DecodeLineBreaks(t.prompt, LetterCase::Any);
    m.okButton = t.okButton;
    m.cancelButton = t.cancelButton;
    m.aboutButton = t.aboutButton;
    m.picture = t.picture;
    m.fontName = TrimBlanks(t.font);
    // A size that is no number leaves the window's own font size.
    auto size = ParseScriptNumber(t.fontSize);
    m.fontSize = (size && *size > 0 && *size < 200) ? *size : 0;
    return m;
}

}  // namespace

ShowModel BuildShowModel(WindowMode mode, const ScriptTexts& t, int errorState) {
    ShowModel m = CommonModel(mode, t);
    std::string title, text;
    switch (mode) {
        case WindowMode::Welcome:
            title = t.welcomeTitle;
            text = t.welcomeText;
            break;
        case WindowMode::Information:
            title = t.infoTitle;
            text = t.infoText;
            break;
        case WindowMode::End:
            m.showPrompt = false;
            m.showCancel = false;
            m.showAbout = true;
            if (errorState == 2) {
                title = t.errorTitle;
                text = t.patchFail;
            } else {
                title = t.endTitle;
                text = errorState == 1 ? t.endText + "\r\n\r\n" + t.brokenWarn : t.endText;
            }
            break;
        case WindowMode::Progress:
            title = t.onPatch;
            m.showOk = false;
            m.showCancel = false;
            m.showPrompt = false;
            m.busy = true;
            break;
    }
    m.caption = CaptionPrefix(t.patchFileTitle) + title;
    m.text = DecodeLineBreaks(text, LetterCase::Any);
    return m;
}

ShowModel FinishedProgressModel(const ScriptTexts& t) {
    ShowModel m = BuildShowModel(WindowMode::Progress, t, 0);
    m.showOk = true;
    m.showPrompt = true;
    m.busy = false;
    return m;
}

}  // namespace quen::runtime
