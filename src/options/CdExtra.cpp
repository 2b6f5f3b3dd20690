// The program's own CD: drive codes, finding the CD, its track table and the track player.
#include "options/CdExtra.h"

#include <cstdio>

#include "options/RegValueCheck.h"

namespace quen {

uint32_t DriveCodeMask() {
    const char word[] = "QUEN";
    uint32_t mask = 0;
    for (int i = 0; i < 4; ++i) mask = (mask << 8) | static_cast<unsigned char>(word[i]);
    return mask;
}

int32_t DriveCode(uint32_t serial) {
    const auto v = static_cast<int32_t>(serial ^ DriveCodeMask());
    return v == INT32_MIN ? v : (v < 0 ? -v : v);
}

int32_t CdNumber(const std::string& text) { return ClassicLong(text).value_or(0); }

std::optional<ProgramCd> FindProgramCd(const std::vector<DriveInfo>& drives, const SettingsReader& read) {
    const int32_t count = CdNumber(read("CDExtra", "CD_COUNT"));
    for (const DriveInfo& d : drives) {
        if (d.type != 5 || !d.serial) continue;
        const std::string code = std::to_string(DriveCode(*d.serial));
        for (int32_t n = 1; n <= count; ++n) {
            const std::string section = "CD" + std::to_string(n);
            if (read(section, "CD_ID") != code) continue;
            return ProgramCd{d.drive, section, CdNumber(read(section, "MPEG_COUNT")),
                             CdNumber(read(section, "TRACK_COUNT")), read(section, "MPEG_DIR")};
        }
    }
    return std::nullopt;
}

std::vector<CdTrack> BuildTrackTable(const std::vector<int64_t>& starts, int64_t lastLength,
                                     const std::vector<std::string>& names) {
    std::vector<CdTrack> table(starts.size());
    for (size_t t = 0; t < starts.size(); ++t) {
        table[t].start = starts[t];
        table[t].end = t + 1 < starts.size() ? starts[t + 1] : starts[t] + lastLength;
        if (t < names.size()) table[t].name = names[t];
    }
    return table;
}

int TrackCursor::Next() {
    current_ = current_ >= count_ ? 1 : current_ + 1;
    return current_;
}

int TrackCursor::Previous() {
    current_ = current_ <= 1 ? count_ : current_ - 1;
    return current_;
}

std::string TrackTitle(const std::string& baseTitle, const std::string& trackName) {
    return baseTitle + " - " + trackName;
}

std::string VersionLabel(int major, int minor) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "Version %d.%02d", major, minor);
    return buf;
}

std::string RevisionLabel(int revision) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "Revision %04d", revision);
    return buf;
}

}  // namespace quen
