// The program's own CD: drive codes, finding the CD, its track table and the track player.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quen {

// The fixed mask of drive codes, made of the character codes of "QUEN", one per byte.
uint32_t DriveCodeMask();

// abs(serial xor mask) as a signed 32-bit number; -2147483648 stays as it is.
int32_t DriveCode(uint32_t volumeSerial);

// One logical drive as the system lists it.
struct DriveInfo {
    std::string drive;                  // "D:"
    unsigned type = 0;                  // 5: CD drive
    std::optional<uint32_t> serial;     // nullopt: the volume cannot be read
};

// Reads a key of a settings section; "" when absent.
using SettingsReader = std::function<std::string(const std::string& section, const std::string& key)>;

// What the settings say about the CD found.
struct ProgramCd {
    std::string drive;    // "D:"
    std::string section;  // "CD" & n
    int32_t mpegCount = 0;
    int32_t trackCount = 0;
    std::string mpegDir;
};

// The first CD drive, in list order, whose drive code is the "CD_ID" of one of the
// sections "CD1" .. "CD" & CD_COUNT of [CDExtra]. Numbers that are absent or no number
// count as 0.
std::optional<ProgramCd> FindProgramCd(const std::vector<DriveInfo>& drives, const SettingsReader& read);

// A whole number of the CD settings; 0 when absent or no number.
int32_t CdNumber(const std::string& text);

struct CdTrack {
    int64_t start = 0;  // milliseconds on the disc
    int64_t end = 0;
    std::string name;
};

// Track t (from 1) starts at starts[t-1] and ends where the next starts; the last ends at
// its start plus `lastLength`.
std::vector<CdTrack> BuildTrackTable(const std::vector<int64_t>& starts, int64_t lastLength,
                                     const std::vector<std::string>& names);

// Which track plays: Next and Previous wrap around the table; 0 before the first play.
class TrackCursor {
public:
    explicit TrackCursor(int count) : count_(count) {}
    int Next();
    int Previous();
    void Reset() { current_ = 1; }
    int current() const { return current_; }

private:
    int count_;
    int current_ = 0;
};

// "Base - Track name".
std::string TrackTitle(const std::string& baseTitle, const std::string& trackName);

// The about box's labels: "Version 2.05", "Revision 0003".
std::string VersionLabel(int major, int minor);
std::string RevisionLabel(int revision);

}  // namespace quen
