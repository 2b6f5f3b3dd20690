// The media control: a stop ends a pause (the other presses: e2e/editor.sh's CD step).
#include <gtest/gtest.h>

#include "editor/MediaControl.h"

namespace quen {
namespace {

TEST(MediaControl, StopEndsAPause) {
    MediaControl control;
    EXPECT_EQ(control.Press(MediaButton::Pause), CdStep::Pause);
    EXPECT_EQ(control.Press(MediaButton::Stop), CdStep::StopAtFirstTrack);
    EXPECT_FALSE(control.TrackInTitle());
    EXPECT_EQ(control.Press(MediaButton::Play), CdStep::Next);  // not a resume
    EXPECT_TRUE(control.TrackInTitle());
}

}  // namespace
}  // namespace quen
