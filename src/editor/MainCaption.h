// The main window's caption: program title, " - ", then the project file or "untitled".
#pragma once

#include <string>

namespace quen {

std::string MainWindowCaption(const std::string& programTitle, const std::string& projectFile,
                              const std::string& untitledText);

}  // namespace quen
