// Starting the cabinet tool and the make step's temporary folder: the platform seam.
#pragma once

#include <string>

namespace quen::platform {

// The system's temporary folder, with a trailing "\".
std::string TempFolder();

// Starts `program` with `arguments` (the text after the program's quoted path) in
// `workingFolder` and waits for it to end: first until it is ready for input (at most
// 90 s), then without limit. True when it was started; its exit code is not examined.
bool RunAndWait(const std::string& program, const std::string& arguments, const std::string& workingFolder);

// Removes a folder and everything in it, ignoring errors. A link (junction or symbolic
// link), inside or the folder itself, is removed without following it.
void DeleteTree(const std::string& path);

}  // namespace quen::platform
