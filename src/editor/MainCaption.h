// The main window's caption: program title, " - ", the project file or "untitled", and " *"
// while there are unsaved changes.
#pragma once

#include <string>

namespace quen {

std::string MainWindowCaption(const std::string& programTitle, const std::string& projectFile,
                              const std::string& untitledText, bool modified);

}  // namespace quen
