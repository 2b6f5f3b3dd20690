// The main window's media control: the buttons of the program's CD audio, shown while it
// plays; what a button does is decided in editor/MediaControl.
#include "editor/win/frmMain.h"
#include "editor/win/frmMainIds.h"
#include "options/win/CdAudio.h"

namespace quen {

namespace {

// In the order of MediaButton.
constexpr int kMediaButtons[] = {IDC_MAIN_MMC_PREV, IDC_MAIN_MMC_PLAY, IDC_MAIN_MMC_PAUSE, IDC_MAIN_MMC_NEXT,
                                 IDC_MAIN_MMC_STOP};

}  // namespace

bool frmMain::IsMediaButton(int id) { return id >= IDC_MAIN_MMC_PREV && id <= IDC_MAIN_MMC_STOP; }

void frmMain::ShowMediaControl() {
    const bool playing = options::win::ProgramCdAudio().started();
    for (int id : kMediaButtons) ShowWindow(GetDlgItem(hwnd_, id), playing ? SW_SHOW : SW_HIDE);
}

void frmMain::OnMediaButton(int id) {
    options::win::CdAudio& cd = options::win::ProgramCdAudio();
    if (!cd.started()) return;
    switch (media_.Press(static_cast<MediaButton>(id - IDC_MAIN_MMC_PREV))) {
        case CdStep::Previous: cd.PreviousTrack(); break;
        case CdStep::Next: cd.NextTrack(); break;
        case CdStep::Resume: cd.ResumeTrack(); break;
        case CdStep::Pause: cd.Pause(); break;
        case CdStep::StopAtFirstTrack:
            cd.Stop();
            cd.ResetTrack();
            break;
    }
    SetCaption();
}

}  // namespace quen
