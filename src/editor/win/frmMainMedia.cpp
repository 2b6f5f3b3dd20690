// The main window's media control: the buttons of the program's CD audio, shown while it plays.
#include "editor/win/frmMain.h"
#include "editor/win/frmMainIds.h"
#include "options/win/CdAudio.h"

namespace quen {

namespace {

constexpr int kMediaButtons[] = {IDC_MAIN_MMC_PREV, IDC_MAIN_MMC_PLAY, IDC_MAIN_MMC_PAUSE, IDC_MAIN_MMC_NEXT,
                                 IDC_MAIN_MMC_STOP};

}  // namespace

bool frmMain::IsMediaButton(int id) { return id >= IDC_MAIN_MMC_PREV && id <= IDC_MAIN_MMC_STOP; }

void frmMain::ShowMediaControl() {
    const bool playing = options::win::ProgramCdAudio().started();
    for (int id : kMediaButtons) ShowWindow(GetDlgItem(hwnd_, id), playing ? SW_SHOW : SW_HIDE);
}

// Next and previous step through the tracks; play starts the next track, unless a pause
// holds the current one, which it then plays on; stop goes back to the first track and
// the title shows no track until the next button.
void frmMain::OnMediaButton(int id) {
    options::win::CdAudio& cd = options::win::ProgramCdAudio();
    if (!cd.started()) return;
    trackInTitle_ = id != IDC_MAIN_MMC_STOP;
    switch (id) {
        case IDC_MAIN_MMC_NEXT: cd.NextTrack(); break;
        case IDC_MAIN_MMC_PREV: cd.PreviousTrack(); break;
        case IDC_MAIN_MMC_PLAY:
            if (cdPaused_) cd.ResumeTrack();
            else cd.NextTrack();
            cdPaused_ = false;  // playing again: the next play starts the next track
            break;
        case IDC_MAIN_MMC_PAUSE:
            cd.Pause();
            cdPaused_ = true;
            break;
        default:
            cd.Stop();
            cd.ResetTrack();
            cdPaused_ = false;
            break;
    }
    SetCaption();
}

}  // namespace quen
