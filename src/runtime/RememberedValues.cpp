// The registry values a pause took away and has not set back yet.
#include "runtime/RememberedValues.h"

#include <algorithm>

#include "runtime/ScriptValues.h"
#include "runtime/StartEntry.h"
#include "startup/FSUPLIBmain.h"
#include "base/Errors.h"
#include "base/Text.h"
#include "startup/RegistryText.h"

namespace quen::runtime {

namespace {

constexpr const char* kSection = "OffReg";

std::string Key(const char* what, int n) { return what + std::to_string(n); }

}  // namespace

std::string RememberFilePath(const std::string& stateDir, const std::string& patchId) {
    if (stateDir.empty()) return "";  // nowhere safe: nothing can be remembered
    return StripTrailingBackslash(stateDir) + "\\Paused-" + PatchIdHash(patchId) + ".ini";
}

RememberedValues::RememberedValues(RunContext& ctx)
    : ctx_(ctx), file_(RememberFilePath(ctx.io.system.StateDir(), ctx.st.PatchId)) {}

bool RememberedValues::Find(const std::string& key, std::string& value) {
    if (file_.empty() || !ctx_.io.files.Exists(file_)) return false;
    try {
        return ctx_.io.ini.ReadKey(file_, kSection, key, value);
    } catch (const Error&) {
        return false;  // unreadable: nothing kept there
    }
}

void RememberedValues::Begin(int count) {
    std::string earlier;
    const int kept = Find("Count", earlier) ? ParseCount(earlier) : 0;
    if (!file_.empty()) ctx_.io.ini.WriteKey(file_, kSection, "Count", std::to_string(std::max(kept, count)));
}

bool RememberedValues::HoldsData(int n, const std::string& entry) {
    std::string keptFor, data;
    return Find(Key("Entry", n), keptFor) && keptFor == entry && Find(Key("Value", n), data);
}

bool RememberedValues::Keep(int n, const std::string& entry, std::uint32_t hive,
                            const std::optional<std::string>& setBack) {
    if (file_.empty()) return false;
    auto& ini = ctx_.io.ini;
    bool ok = ini.WriteKey(file_, kSection, Key("Hive", n), std::to_string(hive));
    if (setBack)
        ok = ok && ini.WriteKey(file_, kSection, Key("Value", n), *setBack);
    else
        ok = ok && ini.DelKey(file_, kSection, Key("Value", n));
    // The entry goes last: without it the other keys mean nothing.
    return ok && ini.WriteKey(file_, kSection, Key("Entry", n), entry);
}

SetBackResult RememberedValues::SetBack() {
    SetBackResult result;
    std::string text;
    if (!Find("Count", text)) return result;
    for (int n = 1, count = ParseCount(text); n <= count; ++n) {
        std::string entry, hive, data;
        if (!Find(Key("Entry", n), entry)) continue;
        auto h = ParseRegNumber(Find(Key("Hive", n), hive) ? hive : "");
        auto type = ParseScriptNumber(Field(entry, 4));
        if (h && type && Find(Key("Value", n), data)) {
            if (!ctx_.io.registry.SetValue(*h, Field(entry, 2), Field(entry, 3), *type, data)) {
                result.all = false;
                continue;
            }
            ++result.setBack;
        }
        ctx_.io.ini.DelKey(file_, kSection, Key("Entry", n));
    }
    if (result.all) ctx_.io.files.DeleteForce(file_);
    return result;
}

}  // namespace quen::runtime
