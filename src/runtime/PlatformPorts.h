// The engine's file and INI access on the real file system (through the file seam and AppINI).
#pragma once

#include <string>

#include "runtime/RuntimePorts.h"
#include "startup/IniLines.h"

namespace quen::runtime {

class PlatformFiles : public FilePort {
public:
    bool Exists(const std::string& path) override;
    bool IsDirectory(const std::string& path) override;
    bool ReadAll(const std::string& path, Bytes& data) override;
    bool WriteReplacing(const std::string& path, const Bytes& data) override;
    bool WriteFlushed(const std::string& path, const Bytes& data) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool DeleteForce(const std::string& path) override;
    bool MoveReplace(const std::string& from, const std::string& to) override;
    bool MakeFolder(const std::string& path) override;
    bool RemoveEmptyFolder(const std::string& path) override;
};

class AppIniFiles : public IniPort {
public:
    bool ReadKey(const std::string& file, const std::string& section, const std::string& key,
                 std::string& value) override;
    bool WriteKey(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) override;
    bool DelKey(const std::string& file, const std::string& section, const std::string& key) override;

private:
    // A script is read key by key: the lines of the bytes read last are kept and split
    // again only when the bytes differ, so a run of thousands of actions does not split the
    // whole script for every key.
    std::string text_;
    ini::Lines lines_;
};

}  // namespace quen::runtime
