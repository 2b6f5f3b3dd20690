// The main window's media control: what each of its buttons does to the CD audio.
#pragma once

namespace quen {

enum class MediaButton { Previous, Play, Pause, Next, Stop };
enum class CdStep { Previous, Next, Resume, Pause, StopAtFirstTrack };

// Play starts the next track unless a pause holds the current one, which it then plays
// on (ending the pause); stop goes back to the first track and leaves the track out of
// the window title until another button plays.
class MediaControl {
public:
    CdStep Press(MediaButton button);
    bool TrackInTitle() const { return trackInTitle_; }

private:
    bool paused_ = false;
    bool trackInTitle_ = true;
};

}  // namespace quen
