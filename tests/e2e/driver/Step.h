// One step of the driver's command line: a verb, the window it acts on and its arguments.
#pragma once
#include <memory>
#include <string>
#include <vector>

namespace quen::driver {

enum class TitleMatch { Exact, Prefix, Contains };

struct Step {
    std::wstring verb;
    std::wstring title;              // the top-level window's title (not for "exited")
    TitleMatch match = TitleMatch::Exact;
    std::wstring className;          // empty: any class
    std::vector<std::wstring> args;  // the arguments after the title
    std::wstring source;             // the step as written, for messages
    std::vector<std::shared_ptr<void>> processes;  // "exited": what ran when the driver started
};

// Opens an "exited" step's processes before any step runs: one may end during an earlier step.
void OpenProcesses(Step& step);
// Runs one step; throws drive::Failure when it cannot be done.
void RunStep(const Step& step);

}  // namespace quen::driver
