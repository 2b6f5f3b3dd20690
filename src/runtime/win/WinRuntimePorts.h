// The engine's system facts, Windows exit and windows on real Windows.
#pragma once

#include <memory>
#include <optional>

#include "platform/FileLock.h"

#include "runtime/RuntimePorts.h"
#include "runtime/win/frmShow.h"

namespace quen::runtime::win {

class WinSystem : public SystemPort {
public:
    std::string WindowsDir() override;
    std::string SystemDir() override;
    std::string StateDir() override;
    bool HoldRunLock() override;
    // Enables the shutdown privilege, then ExitWindowsEx: 1 log off, 2 restart, 3 shut down.
    bool ExitSession(int code) override;
    bool RunAndWait(const std::string& program, const std::string& folder) override;

private:
    std::optional<platform::FileLock> runLock_;
};

class WinWindows : public WindowPort {
public:
    bool ShowAndWait(const ShowModel& model) override;
    void OpenProgress(const ShowModel& model) override;
    void AppendLog(const std::string& text) override;
    void FinishProgress(const ShowModel& model) override;
    void PumpEvents() override;
    std::string AskDirectory(const AskTexts& texts, const std::string& initialDir) override;

private:
    std::unique_ptr<FrmShow> progress_;
    unsigned long long lastPump_ = 0;
};

}  // namespace quen::runtime::win
