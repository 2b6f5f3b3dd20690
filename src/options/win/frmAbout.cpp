// frmAbout: the about box, its videos from the program's CD, and the make run behind it.
#include <windows.h>
#include <mmsystem.h>

#include "options/CdExtra.h"
#include "options/ErrorModule.h"
#include "options/win/AboutDialog.h"
#include "options/win/CdAudio.h"
#include "options/win/ModalDialog.h"
#include "options/win/frmAboutIds.h"
#include "startup/AppINI.h"
#include "startup/ProgramInfo.h"
#include "startup/ProgramSettings.h"
#include "platform/win/MessagePump.h"

namespace quen::options::win {

namespace {

constexpr UINT_PTR kMakeTimer = 1, kVideoTimer = 2;
constexpr const char* kVideo = "quenvideo";

class FrmAbout : public ModalDialog {
public:
    FrmAbout(Program& program, const std::function<void()>* make) : program_(program), make_(make) {}

private:
    void OnInit() override {
        const ProgramVersion v = CurrentProgramVersion();
        SetItemText(hwnd_, IDC_ABOUT_VERSION, VersionLabel(v.major, v.minor));
        SetItemText(hwnd_, IDC_ABOUT_REVISION, RevisionLabel(v.revision));
        SetItemText(hwnd_, IDC_ABOUT_NAME, kProgramName);
        const auto& cd = ProgramCdAudio().cd();
        mpegCount_ = cd ? cd->mpegCount : 0;
        if (make_) SetTimer(hwnd_, kMakeTimer, 1000, nullptr);
        else if (mpegCount_ != 0) SetTimer(hwnd_, kVideoTimer, 4000, nullptr);
        GetWindowRect(GetDlgItem(hwnd_, IDC_ABOUT_VIDEO), &videoAtOpen_);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&videoAtOpen_), 2);
        GetWindowRect(hwnd_, &boxAtOpen_);
    }

    // Each click on the playing video shows it larger, the box growing with it; the click
    // after the largest size puts both back as the box opened.
    void StepVideoSize() {
        constexpr int kPercent[] = {100, 150, 200};
        sizeStep_ = (sizeStep_ + 1) % 3;
        const int w0 = videoAtOpen_.right - videoAtOpen_.left, h0 = videoAtOpen_.bottom - videoAtOpen_.top;
        const int w = w0 * kPercent[sizeStep_] / 100, h = h0 * kPercent[sizeStep_] / 100;
        SetWindowPos(hwnd_, nullptr, 0, 0, boxAtOpen_.right - boxAtOpen_.left + w - w0,
                     boxAtOpen_.bottom - boxAtOpen_.top + h - h0, SWP_NOMOVE | SWP_NOZORDER);
        SetWindowPos(GetDlgItem(hwnd_, IDC_ABOUT_VIDEO), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER);
        if (videoOpen_) Mci(std::string("put ") + kVideo + " window at 0 0 " + std::to_string(w) + " " + std::to_string(h));
    }

    void OnCommand(int id, int code, HWND) override {
        if (id == IDC_ABOUT_VIDEO && code == STN_CLICKED) StepVideoSize();
        if (id == IDC_ABOUT_PICTURE && code == STN_CLICKED) OnClose();
        if (id == IDOK || id == IDCANCEL) OnClose();
    }

    bool OnOther(UINT msg, WPARAM wp, LPARAM) override {
        if (msg == WM_TIMER && wp == kMakeTimer) {
            KillTimer(hwnd_, kMakeTimer);
            PauseCdAudio();
            NextVideo();
            quen::win::PumpPending();
            const std::function<void()>* make = make_;
            try {
                (*make)();
            } catch (...) {
                make_ = nullptr;  // a failed make may close the box as well
                throw;
            }
            make_ = nullptr;
            OnClose();
            return true;
        }
        if (msg == WM_TIMER && wp == kVideoTimer) {
            KillTimer(hwnd_, kVideoTimer);
            PauseCdAudio();
            NextVideo();
            return true;
        }
        // The end of one video starts the next, so they play in a loop.
        if (msg == MM_MCINOTIFY && wp == MCI_NOTIFY_SUCCESSFUL && videoOpen_) {
            NextVideo();
            return true;
        }
        return false;
    }

    void PauseCdAudio() {
        if (ProgramCdAudio().Pause()) pausedCd_ = true;
    }

    void NextVideo() {
        const auto& cd = ProgramCdAudio().cd();
        if (!cd || mpegCount_ < 1) return;
        video_ = video_ >= mpegCount_ ? 1 : video_ + 1;
        AppINI ini;
        ini.FileName = SettingsFilePath(program_.folder, program_.exeName);
        ini.Section = cd->section;
        std::string name;
        ini.ReadKey("MPEG_FILE_" + std::to_string(video_), name);
        CloseVideo();
        HWND area = GetDlgItem(hwnd_, IDC_ABOUT_VIDEO);
        const std::string file = cd->drive + "\\" + cd->mpegDir + "\\" + name;
        const std::string open = "open \"" + file + "\" type mpegvideo alias " + kVideo + " parent " +
                                 std::to_string(reinterpret_cast<uintptr_t>(area)) + " style child";
        if (mciSendStringA(open.c_str(), nullptr, 0, nullptr) != 0) return;  // MCI errors are not reported
        videoOpen_ = true;
        ShowWindow(area, SW_SHOW);
        Mci(std::string("play ") + kVideo + " notify", hwnd_);
    }

    void CloseVideo() {
        if (!videoOpen_) return;
        Mci(std::string("stop ") + kVideo);
        Mci(std::string("close ") + kVideo);
        videoOpen_ = false;
    }

    // Refused while the make runs.
    void OnClose() override {
        if (make_) return;
        CloseVideo();
        if (pausedCd_) ProgramCdAudio().ResumeTrack();
        KillTimer(hwnd_, kVideoTimer);
        EndDialog(hwnd_, IDOK);
    }

    void OnError() override { ReportError(program_.lang, "", std::current_exception()); }

    Program& program_;
    const std::function<void()>* make_;
    int mpegCount_ = 0;
    int video_ = 0;
    int sizeStep_ = 0;
    RECT videoAtOpen_{}, boxAtOpen_{};
    bool videoOpen_ = false;
    bool pausedCd_ = false;
};

}  // namespace

}  // namespace quen::options::win

namespace quen {

void ShowAboutDialog(HWND owner, Program& program) {
    options::win::FrmAbout box(program, nullptr);
    box.Run(owner, IDD_ABOUT);
}

void ShowAboutDialogWithMake(HWND owner, Program& program, const std::function<void()>& make) {
    options::win::FrmAbout box(program, &make);
    box.Run(owner, IDD_ABOUT);
}

}  // namespace quen
