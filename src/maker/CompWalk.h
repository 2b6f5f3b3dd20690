// The encoder's forward search through the old region, one probe position at a time.
#pragma once

#include <cstdint>

#include "maker/CompFormat.h"

namespace quen {

struct Match {
    std::int64_t position = 0;  // 1-based old position of the accepted run; 0 when none
    std::int64_t length = 0;
    bool Found() const { return position != 0; }
};

// Where the old bytes were last found to repeat: old[x] == old[x + period] for x in
// [from, to), and no further (position `to` breaks it, or reads past the file's end).
struct RepeatMemo {
    std::int64_t period = 0, from = 0, to = 0;
};

// The fixed inputs of one search: old region end, new cursor and region end, sample
// size S and move size M (both at least 1). Positions are 1-based.
struct WalkInput {
    ByteView oldFile;
    std::int64_t oldEnd = 0;
    ByteView newFile;
    std::int64_t newPos = 0;
    std::int64_t newEnd = 0;
    std::int64_t sample = 1;
    std::int64_t move = 1;
    RepeatMemo* memo = nullptr;  // optional: spares periodic data the same long comparison
};

struct WalkResult {
    Match match;
    std::int64_t next = 0;  // the next probe position when the walk stopped without a run
};

// Probes from `from` while the probe position is at most `limit`: where the old byte
// equals the new cursor's byte the run of equal bytes is counted and taken when longer
// than S, else the probe moves past the run and one more byte; a differing byte moves
// the probe by M. `limit` must not exceed oldEnd - S, so every probe reads inside both
// regions.
WalkResult Walk(const WalkInput& input, std::int64_t from, std::int64_t limit);

}  // namespace quen
