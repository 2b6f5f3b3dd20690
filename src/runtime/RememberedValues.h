// Where paused registry values are remembered: in the script and in a file in the temporary
// folder, so a script on read-only media still gets its values back.
#pragma once

#include <string>

#include "runtime/RunContext.h"

namespace quen::runtime {

class RememberedValues {
public:
    explicit RememberedValues(RunContext& ctx);

    // Forgets everything kept in the temporary file.
    void Clear();
    // Keeps the data of OffReg entry n (or that the value did not exist); true when kept
    // in at least one place.
    bool Keep(int n, const std::string& entry, bool present, const std::string& data);
    // The data kept for entry n: the script's Value n, else the file's when it was kept for
    // this very entry. False when the value did not exist or nothing was kept.
    bool Recall(int n, const std::string& entry, std::string& data);

private:
    RunContext& ctx_;
    std::string file_;
};

}  // namespace quen::runtime
