// The registry values a pause took away and has not set back yet, kept in a file named
// after the patch in a folder only this account can write (not the temporary folder, where
// others may plant files): enough to set them back without the script, after a restart too.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/RunContext.h"

namespace quen::runtime {

struct SetBackResult {
    int setBack = 0;  // values written back
    bool all = true;  // every kept value was written back (or was to stay absent)
};

class RememberedValues {
public:
    explicit RememberedValues(RunContext& ctx);

    // Starts a pause of `count` entries. What an earlier run of this patch kept and has
    // not set back yet stays: it may be waiting for its resumed run.
    void Begin(int count);
    // True when an earlier pause kept data for this very entry n (the value it took away).
    bool HoldsData(int n, const std::string& entry);
    // Keeps entry n, its hive and the data to set back in the accessor's set form (none:
    // the value did not exist and stays absent). True when kept.
    bool Keep(int n, const std::string& entry, std::uint32_t hive, const std::optional<std::string>& setBack);
    // Sets back every value kept, forgets each one that was set back, and the file when all were.
    SetBackResult SetBack();

private:
    bool Find(const std::string& key, std::string& value);

    RunContext& ctx_;
    std::string file_;
};

}  // namespace quen::runtime
