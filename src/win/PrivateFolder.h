// Folders no other account can enter or plant files in, with unguessable names.
#pragma once

#include <string>

#include "platform/win/Handles.h"

namespace quen::win {

struct PrivateFolder {
    std::string path;   // "" when none could be made
    UniqueHandle lock;  // a file in it, open without sharing while the folder is in use
};

// Makes a new folder `prefix` + 32 random hex digits in `parent` that only this account,
// SYSTEM and the administrators may use (nothing inherited from `parent`), and checks it
// is a real folder, not a link.
PrivateFolder MakePrivateFolder(const std::string& parent, const std::string& prefix);

// Removes the folders `prefix`* in `parent` whose lock file is not held by a running
// program: what a killed run left behind. Other accounts' folders cannot be entered and stay.
void SweepPrivateFolders(const std::string& parent, const std::string& prefix);

}  // namespace quen::win
