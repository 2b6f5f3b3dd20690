// The CD audio of the program's own CD, played in the background through MCI.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "options/Program.h"
#include "options/CdExtra.h"

namespace quen::options::win {

// One per program: started once after the main window opened, ended when it closes.
class CdAudio {
public:
    // The CD search over the system's drives and the settings file.
    static std::optional<ProgramCd> FindProgramCD(const Program& program);

    // Opens the CD device and plays the first track when the program's CD holds tracks and
    // "CDAudioEnable" is on; completion reports go to `notify` (MM_MCINOTIFY). True when
    // playing started.
    bool Start(const Program& program, HWND notify);
    void NextTrack();
    void PreviousTrack();
    // Plays on from where a pause stopped, to the current track's end.
    void ResumeTrack();
    void ResetTrack() { cursor_.Reset(); }
    // Pauses while playing or seeking; true when it did (the caller resumes later).
    bool Pause();
    // Stops playing (the media control's stop); the current track stays.
    void Stop();
    void Close();
    std::string TrackName(int n = 0) const;
    bool started() const { return started_; }
    const std::optional<ProgramCd>& cd() const { return cd_; }

private:
    void PlayCurrent();

    std::optional<ProgramCd> cd_;
    std::vector<CdTrack> tracks_;
    TrackCursor cursor_{0};
    HWND notify_ = nullptr;
    bool started_ = false;
};

// The program's one player (program-wide CD state).
CdAudio& ProgramCdAudio();

// One MCI command string; its reply text ("" on failure).
std::string Mci(const std::string& command, HWND notify = nullptr);

}  // namespace quen::options::win
