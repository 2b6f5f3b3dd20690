// How the script writer reports progress: the make dialog and the console maker listen.
#pragma once

#include <string>

namespace quen {

class ScriptProgress {
public:
    virtual ~ScriptProgress() = default;
    // Action `position` (1-based, of the project's `total`) is being written.
    virtual void ActionStarted(int position, int total, const std::string& fileName) = 0;
    // It was written as section `section` of the script.
    virtual void ActionWritten(int position, int total, int section) = 0;
    // Every action was walked; the bar shows 100.
    virtual void Finished() = 0;
};

// What the progress bar and its label show after action i of n.
struct ProgressFigures {
    int bar = 0;        // i / n * 100, rounded to the nearest whole number, halves to even
    std::string label;  // i / n * 100 with one decimal ("##0.0"): "0.0", "33.3", "100.0"
};

ProgressFigures ProgressAfter(int i, int n);

}  // namespace quen
