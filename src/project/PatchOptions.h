// The patch options record: what the end user sees and how the patch behaves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quen {

// Windows exit codes of FirstReBoot and EndReboot, with the labels the options show.
enum RebootCode : int16_t {
    kRebootNone = 0,
    kRebootReLogin = 1,   // log off
    kRebootReBoot = 2,    // restart
    kRebootShutDown = 3,  // shut down
};

struct PatchOptions {
    int16_t ShowWelcomeWindow = 0;
    int16_t ShowEndWindow = 0;
    int16_t ShowInfoWindow = 0;
    bool ShowPicture = false;  // set by the options dialog's picture test; not in templates
    int16_t ShowRunTime = 0;
    int16_t FirstReBoot = 0;
    int16_t EndReboot = 0;
    // Registry entries "TYPE,ROOT,SubKey,ValueName,Data", 1-based in the stored
    // formats; their counts are the list sizes.
    std::vector<std::string> OffKey;
    std::vector<std::string> AddKey;
    std::vector<std::string> DelKey;
    std::string PatchFileTitle;
    std::string WelcomTitle;
    std::string WelcomText;  // multi-line, CR LF between lines
    std::string EndTitle;
    std::string EndText;     // multi-line
    std::string InfoTitle;
    std::string InfoText;    // multi-line
    std::string OKButton;
    std::string CANCELButton;
    std::string PromptText;
    std::string AboutButton;
    std::string SFD;
    std::string FNF;
    std::string OnPatch;
    std::string PictureFile;
    std::string PatchIconFile;
    std::string ERR;
    std::string InterFaceFont;
    int16_t InterFaceFont_Size = 0;
    std::string PatchFailure;
    std::string BrokenWarn;
    int16_t MakeBackupFile = 0;
    int16_t ContinueWhenError = 0;
    std::string strExecute;
    std::string strAddFile;
    std::string strDelFile;
    std::string strPatchINI;
    std::string strRenFile;
    std::string strPatchFile;
    std::string strPatchByte;
    std::string strSuccess;

    int32_t OffKeyCount() const { return static_cast<int32_t>(OffKey.size()); }
    int32_t AddKeyCount() const { return static_cast<int32_t>(AddKey.size()); }
    int32_t DelKeyCount() const { return static_cast<int32_t>(DelKey.size()); }

    bool operator==(const PatchOptions&) const = default;
};

// The parts of one stored registry entry, read by position with the comma-field rule.
struct RegistryEntry {
    std::string type;       // "STR", "BIN", "DWORD"
    std::string root;       // "HKCR" ... "HKUS"
    std::string subKey;
    std::string valueName;
    std::string data;       // field 5; for "BIN" and "STR" everything after the fourth comma
};

RegistryEntry ParseRegistryEntry(const std::string& stored);

// Every other text is stored on one line as it is: one that holds a CR or LF would cut
// its file, so it is refused. Throws quen::Error naming `what` and the text before the
// break.
void RequireOneLine(const std::string& text, const std::string& what);

}  // namespace quen
