// The media control's buttons as a person presses them one after the other.
#include <gtest/gtest.h>

#include "editor/MediaControl.h"

namespace quen {
namespace {

TEST(MediaControl, PressesInARow) {
    using B = MediaButton;
    using S = CdStep;
    const struct {
        MediaButton button;
        CdStep step;
        bool trackInTitle;
    } presses[] = {
        {B::Play, S::Next, true},     {B::Pause, S::Pause, true},  {B::Play, S::Resume, true},
        {B::Play, S::Next, true},     // the resume ended the pause
        {B::Pause, S::Pause, true},   {B::Stop, S::StopAtFirstTrack, false},
        {B::Play, S::Next, true},     // the stop ended the pause too
        {B::Previous, S::Previous, true}, {B::Stop, S::StopAtFirstTrack, false}, {B::Next, S::Next, true},
    };
    MediaControl control;
    int n = 0;
    for (const auto& p : presses) {
        ++n;
        EXPECT_EQ(control.Press(p.button), p.step) << "press " << n;
        EXPECT_EQ(control.TrackInTitle(), p.trackInTitle) << "press " << n;
    }
}

}  // namespace
}  // namespace quen
