// The CD audio of the program's own CD, played in the background through MCI.
#include "options/win/CdAudio.h"

#include <mmsystem.h>

#include <cctype>

#include "startup/AppINI.h"
#include "startup/ProgramSettings.h"
#include "startup/win/Win32_API.h"

namespace quen::options::win {

namespace {

constexpr const char* kAlias = "quencd";

std::string SettingsValue(const Program& p, const std::string& section, const std::string& key) {
    AppINI ini;
    ini.FileName = SettingsFilePath(p.folder, p.exeName);
    ini.Section = section;
    std::string value;
    try {
        ini.ReadKey(key, value);
    } catch (const std::exception&) {
        value.clear();
    }
    return value;
}

}  // namespace

std::string Mci(const std::string& command, HWND notify) {
    char reply[256] = "";
    if (mciSendStringA(command.c_str(), reply, sizeof reply, notify) != 0) return {};
    return reply;
}

std::optional<ProgramCd> CdAudio::FindProgramCD(const Program& p) {
    char list[256] = "";
    const DWORD n = GetLogicalDriveStringsA(sizeof list, list);
    std::vector<DriveInfo> drives;
    for (const char* d = list; n > 0 && n < sizeof list && *d && drives.size() < 255; d += lstrlenA(d) + 1) {
        DriveInfo info;
        info.drive = {static_cast<char>(std::toupper(static_cast<unsigned char>(d[0]))), ':'};
        info.type = GetDriveTypeA((info.drive + "\\").c_str());
        if (info.type == DRIVE_CDROM) {
            const int32_t serial = quen::win::GetVolumeSerial(info.drive + "\\");
            if (serial != -1) info.serial = static_cast<uint32_t>(serial);
        }
        drives.push_back(info);
    }
    return FindProgramCd(drives, [&](const std::string& s, const std::string& k) { return SettingsValue(p, s, k); });
}

bool CdAudio::Start(const Program& p, HWND notify) {
    cd_ = FindProgramCD(p);
    if (!cd_ || cd_->trackCount < 1 || CdNumber(SettingsValue(p, "CDExtra", "CDAudioEnable")) < 1) return false;
    notify_ = notify;
    if (Mci("open cdaudio!" + cd_->drive + " alias " + kAlias + " shareable").empty() &&
        Mci("open " + cd_->drive + " type cdaudio alias " + kAlias).empty())
        return false;
    Mci(std::string("set ") + kAlias + " time format milliseconds");
    std::vector<int64_t> starts;
    std::vector<std::string> names;
    for (int t = 1; t <= cd_->trackCount; ++t) {
        starts.push_back(std::atoll(Mci(std::string("status ") + kAlias + " position track " + std::to_string(t)).c_str()));
        names.push_back(SettingsValue(p, cd_->section, "TRACK_NAME_" + std::to_string(t)));
    }
    const int64_t lastLength =
        std::atoll(Mci(std::string("status ") + kAlias + " length track " + std::to_string(cd_->trackCount)).c_str());
    tracks_ = BuildTrackTable(starts, lastLength, names);
    cursor_ = TrackCursor(cd_->trackCount);
    started_ = true;
    NextTrack();
    return true;
}

void CdAudio::PlayCurrent() {
    const CdTrack& t = tracks_[static_cast<size_t>(cursor_.current() - 1)];
    Mci(std::string("stop ") + kAlias + " wait");
    Mci(std::string("play ") + kAlias + " from " + std::to_string(t.start) + " to " + std::to_string(t.end) + " notify", notify_);
}

void CdAudio::NextTrack() {
    if (!started_) return;
    cursor_.Next();
    PlayCurrent();
}

void CdAudio::PreviousTrack() {
    if (!started_) return;
    cursor_.Previous();
    PlayCurrent();
}

void CdAudio::ResumeTrack() {
    if (!started_ || cursor_.current() < 1) return;
    const CdTrack& t = tracks_[static_cast<size_t>(cursor_.current() - 1)];
    Mci(std::string("play ") + kAlias + " to " + std::to_string(t.end) + " notify", notify_);
}

bool CdAudio::Pause() {
    if (!started_) return false;
    const std::string mode = Mci(std::string("status ") + kAlias + " mode");
    if (mode != "playing" && mode != "seeking") return false;
    Mci(std::string("pause ") + kAlias);
    return true;
}

void CdAudio::Stop() {
    if (started_) Mci(std::string("stop ") + kAlias);
}

void CdAudio::Close() {
    if (!started_) return;
    Mci(std::string("close ") + kAlias);
    started_ = false;
}

std::string CdAudio::TrackName(int n) const {
    const int t = n < 1 ? cursor_.current() : n;
    if (t < 1 || t > static_cast<int>(tracks_.size())) return {};
    return tracks_[static_cast<size_t>(t - 1)].name;
}

CdAudio& ProgramCdAudio() {
    static CdAudio player;
    return player;
}

}  // namespace quen::options::win
