// The main window's media control: what each of its buttons does to the CD audio.
#include "editor/MediaControl.h"

namespace quen {

CdStep MediaControl::Press(MediaButton button) {
    trackInTitle_ = button != MediaButton::Stop;
    switch (button) {
        case MediaButton::Previous: return CdStep::Previous;
        case MediaButton::Next: return CdStep::Next;
        case MediaButton::Pause:
            paused_ = true;
            return CdStep::Pause;
        case MediaButton::Play: {
            const bool resume = paused_;
            paused_ = false;
            return resume ? CdStep::Resume : CdStep::Next;
        }
        case MediaButton::Stop: break;
    }
    paused_ = false;
    return CdStep::StopAtFirstTrack;
}

}  // namespace quen
