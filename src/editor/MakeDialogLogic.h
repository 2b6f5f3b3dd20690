// The make dialog's decisions: the output path check, the script check's question, and
// what the progress frame shows while a make reports through MakeProgress.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "maker/MakeProgress.h"
#include "project/Project.h"

namespace quen {

// Whether a make may write `path`: not empty, not ending in "\", its folder (the text
// before its last "\") an existing folder, the path itself no folder, and neither the
// project file nor a file an action reads (writing over those would destroy the make's
// own input). `isFolder` answers for a full path.
bool MakeOutputPathOk(const std::string& path, const Project& project,
                      const std::function<bool(const std::string&)>& isFolder);

// Whether a stand-alone script may be made: with Execute, Add or Patch File actions
// `askGoOn` asks once whether to leave them out (false for No: the check answers no);
// without any action a script can carry, `noneSupported` shows the error and the check
// answers no.
bool ScriptCheck(const std::vector<ActClass>& actions, const std::function<bool()>& askGoOn,
                 const std::function<void()>& noneSupported);

// Whether the make runs behind the about box while a video plays: the program's CD extra
// option is on (1 or more) and the program's CD found in a drive holds videos.
inline bool MakeBehindAboutBox(int cdExtraPatch, int mpegCount) { return cdExtraPatch >= 1 && mpegCount != 0; }

// A share as the percentage label shows it ("##0.0"): "0.0", "33.3", "100.0".
std::string PercentLabel(double percent);

// What the progress frame shows.
struct MakeProgressView {
    std::string patchFileName;  // labPatchFileName
    std::string fileCount;      // labFileCount: the project's actions
    std::string completeCount;  // labCompleCount: actions done
    std::string fileName;       // labFilename: the file being processed
    bool fileLabel = true;      // labFile: hidden while the patch data is written
    std::string percent;        // labValue
    int bar = 0;                // Progress_Bar, 0 to 100
};

// Turns a make's reports into the frame's texts; `changed` runs after each change (the
// dialog repaints there), `notice` shows a text the user must read. The bar of a patch
// executable's make is the current file's (from empty at each action to full when its data
// file is written); the bar of a script's make (ScriptStarted) is the share of the actions
// written.
class MakeProgressModel : public MakeProgress {
public:
    MakeProgressModel(std::string writingDataText, std::function<void()> changed,
                      std::function<void(const std::string&)> notice);

    const MakeProgressView& View() const { return view_; }

    void MakeStarted(int total, const std::string& output) override;
    void ScriptStarted(int total, const std::string& output);
    void ActionStarted(int position, int total, const std::string& fileName) override;
    void ActionWritten(int position, int total, int section) override;
    void Reached(double percent) override;
    void WritingPatchData() override;
    void Notice(const std::string& text) override;
    void Finished() override;

private:
    void Changed() {
        if (changed_) changed_();
    }

    std::string writingDataText_;
    std::function<void()> changed_;
    std::function<void(const std::string&)> notice_;
    MakeProgressView view_;
    bool script_ = false;
};

}  // namespace quen
