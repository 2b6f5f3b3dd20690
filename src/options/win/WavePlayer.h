// Plays the editor's opening and closing sounds through the media control interface.
#pragma once

#include <string>

namespace quen {

// Plays a wave file and returns when it has ended (the window waits, as for a greeting);
// a missing file or no sound device plays nothing.
void PlayWaveAndWait(const std::string& path);

}  // namespace quen
