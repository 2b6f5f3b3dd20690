// The main window's caption: program title, " - ", then the project file or "untitled".
#include "editor/MainCaption.h"

namespace quen {

std::string MainWindowCaption(const std::string& programTitle, const std::string& projectFile,
                              const std::string& untitledText) {
    return programTitle + " - " + (projectFile.empty() ? untitledText : projectFile);
}

}  // namespace quen
