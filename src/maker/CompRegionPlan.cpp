// Pairing the regions of the new file with those of the old file.
#include "maker/CompRegionPlan.h"

#include <algorithm>

namespace quen {
namespace {

std::optional<std::vector<Region>> TilingSections(ByteView file) {
    auto regions = ReadSections(file);
    if (!regions || !RegionsTileFile(*regions, static_cast<std::int64_t>(file.size()))) return std::nullopt;
    return regions;
}

}  // namespace

std::vector<RegionTask> PlanRegions(ByteView oldFile, ByteView newFile, const CompTuning& tuning) {
    const CompTuning t = tuning.Sanitized();
    const auto oldRegions = TilingSections(oldFile);
    const auto newRegions = oldRegions ? TilingSections(newFile) : std::nullopt;
    if (!oldRegions || !newRegions) {
        const Region oldWhole{"", 1, static_cast<std::int64_t>(oldFile.size())};
        const Region newWhole{"", 1, static_cast<std::int64_t>(newFile.size())};
        return {RegionTask{newWhole, oldWhole, t.defaultSample}};
    }
    std::vector<RegionTask> plan;
    for (const Region& r : *newRegions) {
        const auto same = std::find_if(oldRegions->begin(), oldRegions->end(),
                                       [&](const Region& o) { return o.name == r.name; });
        RegionTask task{r, std::nullopt, SampleSizeFor(r.name, t.defaultSample)};
        if (same != oldRegions->end()) task.oldRegion = *same;
        plan.push_back(task);
    }
    return plan;
}

}  // namespace quen
