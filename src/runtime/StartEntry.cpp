// The entry that starts a patch again after Windows was left before its actions.
#include "runtime/StartEntry.h"

#include <cctype>
#include <cstdint>

#include "base/Text.h"

namespace quen::runtime {

std::string PatchIdHash(const std::string& patchId) {
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : patchId) {
        hash ^= static_cast<unsigned char>(std::toupper(c));
        hash *= 16777619u;
    }
    return HexText(hash, 8);
}

std::string StartEntryName(const std::string& patchId) { return std::string(kRunValueName) + "-" + PatchIdHash(patchId); }

bool ArrangeStartEntry(RunContext& ctx, const std::string& command) {
    return ctx.io.registry.SetValue(kHiveLocalMachine, kRunKey, StartEntryName(ctx.st.PatchId), 1, command);
}

bool RemoveStartEntry(RunContext& ctx) {
    const std::string name = StartEntryName(ctx.st.PatchId);
    if (ctx.io.registry.DelValue(kHiveLocalMachine, kRunKey, name)) return true;
    uint32_t type = 0;
    std::string bytes;
    return ctx.io.registry.ReadStored(kHiveLocalMachine, kRunKey, name, type, bytes) == platform::StoredRead::Absent;
}

}  // namespace quen::runtime
