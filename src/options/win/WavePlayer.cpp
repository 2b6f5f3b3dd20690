// Plays the editor's opening and closing sounds through the media control interface.
#include "options/win/WavePlayer.h"

#include <windows.h>
#include <mmsystem.h>

namespace quen {
namespace {

constexpr const char* kAlias = "QuenlarkWave";

bool Open(const std::string& path) {
    mciSendStringA((std::string("close ") + kAlias).c_str(), nullptr, 0, nullptr);
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    const std::string open = "open \"" + path + "\" type waveaudio alias " + kAlias;
    return mciSendStringA(open.c_str(), nullptr, 0, nullptr) == 0;
}

}  // namespace

void PlayWaveAndWait(const std::string& path) {
    if (!Open(path)) return;
    mciSendStringA((std::string("play ") + kAlias + " wait").c_str(), nullptr, 0, nullptr);
    mciSendStringA((std::string("close ") + kAlias).c_str(), nullptr, 0, nullptr);
}

}  // namespace quen
