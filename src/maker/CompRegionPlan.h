// Which region of the new file is compared with which region of the old one.
#pragma once

#include <optional>
#include <vector>

#include "maker/CompSections.h"
#include "maker/CompTuning.h"

namespace quen {

struct RegionTask {
    Region newRegion;
    std::optional<Region> oldRegion;  // none: the new region is stored as one literal
    std::int64_t sample = 1;
};

// Section by section when both files are PE files whose regions tile them, each new
// section against the first old one of the same name; otherwise the whole files with
// the default sample size (a plan that did not tile would rebuild a different file).
std::vector<RegionTask> PlanRegions(ByteView oldFile, ByteView newFile, const CompTuning& tuning);

}  // namespace quen
