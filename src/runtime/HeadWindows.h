// The windows of a patch executable's run: the real ones, or none when silent; a directory
// question answered from the command line is not asked.
#pragma once

#include <string>

#include "runtime/RuntimePorts.h"

namespace quen::runtime {

class HeadWindows : public WindowPort {
public:
    // `shown` is the real window port, or nullptr for a silent run; `answerDir` the /D folder.
    HeadWindows(WindowPort* shown, std::string answerDir) : shown_(shown), answer_(std::move(answerDir)) {}

    bool ShowAndWait(const ShowModel& model) override { return shown_ && shown_->ShowAndWait(model); }
    void OpenProgress(const ShowModel& model) override {
        if (shown_) shown_->OpenProgress(model);
    }
    void AppendLog(const std::string& text) override {
        if (shown_) shown_->AppendLog(text);
    }
    void FinishProgress(const ShowModel& model) override {
        if (shown_) shown_->FinishProgress(model);
    }
    void PumpEvents() override {
        if (shown_) shown_->PumpEvents();
    }
    // The /D answer when given; silent without one: no answer, so the action fails.
    std::string AskDirectory(const AskTexts& texts, const std::string& initialDir) override {
        if (!answer_.empty()) return answer_;
        return shown_ ? shown_->AskDirectory(texts, initialDir) : std::string();
    }

private:
    WindowPort* shown_;
    std::string answer_;
};

}  // namespace quen::runtime
