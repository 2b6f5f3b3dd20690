// The preview of a runtime window from the patch options in memory.
#include "options/PreviewModel.h"

#include "options/OptionFiles.h"

namespace quen {

runtime::ShowModel PreviewModel(const PatchOptions& o, PreviewKind kind, const std::string& programFolder) {
    runtime::ScriptTexts t;
    t.font = o.InterFaceFont;
    t.fontSize = std::to_string(o.InterFaceFont_Size);
    t.welcomeTitle = o.WelcomTitle;
    t.welcomeText = o.WelcomText;
    t.endTitle = o.EndTitle;
    t.endText = o.EndText;
    t.infoTitle = o.InfoTitle;
    t.infoText = o.InfoText;
    t.prompt = o.PromptText;
    t.okButton = o.OKButton;
    t.cancelButton = o.CANCELButton;
    t.aboutButton = o.AboutButton;
    t.patchFileTitle = o.PatchFileTitle;
    if (o.ShowPicture) t.picture = ResolveOptionPath(o.PictureFile, programFolder);
    const runtime::WindowMode mode = kind == kPreviewEnd    ? runtime::WindowMode::End
                                     : kind == kPreviewInfo ? runtime::WindowMode::Information
                                                            : runtime::WindowMode::Welcome;
    return runtime::BuildShowModel(mode, t, 0);
}

}  // namespace quen
