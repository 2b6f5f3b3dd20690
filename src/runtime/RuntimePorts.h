// What the patch engine needs from the platform: files, INI access, registry, system facts, windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "runtime/ShowModel.h"

namespace quen::runtime {

using Bytes = std::vector<unsigned char>;

// File operations on full paths. Every call reports success; none throws.
class FilePort {
public:
    virtual ~FilePort() = default;
    // True when a file (hidden and system files included) or folder exists at the path.
    virtual bool Exists(const std::string& path) = 0;
    virtual bool IsDirectory(const std::string& path) = 0;
    virtual bool ReadAll(const std::string& path, Bytes& data) = 0;
    // Writes the data beside the file first and then replaces it (a read-only, hidden or
    // system file too); on failure the old file is left as it was.
    virtual bool WriteReplacing(const std::string& path, const Bytes& data) = 0;
    // Writes the whole content of a file (created or emptied) and flushes it to the disk;
    // on failure the partly written file is gone.
    virtual bool WriteFlushed(const std::string& path, const Bytes& data) = 0;
    // Copies a file, replacing the target.
    virtual bool Copy(const std::string& from, const std::string& to) = 0;
    // Clears read-only, hidden and system attributes and deletes; a missing file counts as deleted.
    virtual bool DeleteForce(const std::string& path) = 0;
    // Moves a file in one step, replacing an existing destination (its attributes cleared).
    virtual bool MoveReplace(const std::string& from, const std::string& to) = 0;
    // Creates a folder whose parent exists; an existing folder counts as made.
    virtual bool MakeFolder(const std::string& path) = 0;
    // Removes a folder that holds nothing.
    virtual bool RemoveEmptyFolder(const std::string& path) = 0;
};

// INI-style files read and written by the system's own line rules. ReadKey throws
// quen::Error(53) when the file is missing; a missing key reads as False.
class IniPort {
public:
    virtual ~IniPort() = default;
    virtual bool ReadKey(const std::string& file, const std::string& section, const std::string& key,
                         std::string& value) = 0;
    virtual bool WriteKey(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& value) = 0;
    virtual bool DelKey(const std::string& file, const std::string& section, const std::string& key) = 0;
};

// Registry values through the accessor's rules (its own messages on failure).
using RegistryPort = platform::IRegistry;

// Facts about the running system and leaving Windows.
class SystemPort {
public:
    virtual ~SystemPort() = default;
    virtual std::string WindowsDir() = 0;
    virtual std::string SystemDir() = 0;
    // A folder that survives a restart and only this account (and the system's
    // administrators) may write: where paused values are kept.
    virtual std::string StateDir() = 0;
    // Takes the lock that keeps two patch runs of this account apart and holds it until
    // the process ends; false when another run holds it.
    virtual bool HoldRunLock() = 0;
    // code 1 log off, 2 restart, 3 shut down; false when Windows refused.
    virtual bool ExitSession(int code) = 0;
    // Starts a program in `folder` and waits until it ends; false when it could not start.
    virtual bool RunAndWait(const std::string& program, const std::string& folder) = 0;
};

// Texts of the directory question of one action.
struct AskTexts {
    std::string title, prompt, browse, ok, notFound, errorTitle;
};

// The runtime window and the directory question.
class WindowPort {
public:
    virtual ~WindowPort() = default;
    // Shows the runtime window and waits until it closes; true when the user pressed Cancel.
    virtual bool ShowAndWait(const ShowModel& model) = 0;
    // The progress log: opened without waiting, appended to, then finished (OK shown, wait for close).
    virtual void OpenProgress(const ShowModel& model) = 0;
    virtual void AppendLog(const std::string& text) = 0;
    virtual void FinishProgress(const ShowModel& model) = 0;
    // Lets windows repaint during long work.
    virtual void PumpEvents() = 0;
    // Asks for a folder starting at initialDir; "" when the dialog closed without a choice.
    virtual std::string AskDirectory(const AskTexts& texts, const std::string& initialDir) = 0;
};

// Receives the progress log lines whether or not the progress window shows them.
class LogPort {
public:
    virtual ~LogPort() = default;
    virtual void Append(const std::string& text) = 0;
};

struct RuntimePorts {
    FilePort& files;
    IniPort& ini;
    RegistryPort& registry;
    SystemPort& system;
    WindowPort& windows;
    LogPort* log = nullptr;
};

}  // namespace quen::runtime
