// The main window's caption: program title, " - ", the project file or "untitled", the change mark.
#include "editor/MainCaption.h"

namespace quen {

std::string MainWindowCaption(const std::string& programTitle, const std::string& projectFile,
                              const std::string& untitledText, bool modified) {
    return programTitle + " - " + (projectFile.empty() ? untitledText : projectFile) + (modified ? " *" : "");
}

}  // namespace quen
