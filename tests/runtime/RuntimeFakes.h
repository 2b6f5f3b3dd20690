// In-memory stand-ins for the patch engine's platform (files, INI files, registry, system,
// windows) and a patch script on them, with the texts every test reads back.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <deque>
#include <map>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "runtime/RunSequence.h"
#include "runtime/RuntimePorts.h"
#include "startup/IniLines.h"
#include "startup/RegistryText.h"
#include "support/RecordedUi.h"

namespace quen::runtime::fakes {

inline std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}
inline std::string ParentOf(const std::string& path) {
    const size_t k = path.rfind('\\');
    return k == std::string::npos ? std::string() : path.substr(0, k);
}
inline Bytes ToBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

// Changes of files and registry values left before the process is killed from outside;
// -1: never. Once it reaches 0 the process is dead: no later change reaches the disk (the
// run goes on in the test, as nothing it does can be seen any more).
inline long changesLeft = -1;
inline bool Alive() {
    if (changesLeft == 0) return false;
    if (changesLeft > 0) --changesLeft;
    return true;
}

// A case-insensitive Windows-like file system. Folders named in readOnly refuse every
// change inside them; capacity limits the bytes all files may hold (a full disk).
class MemoryFiles : public FilePort {
public:
    std::map<std::string, Bytes> files;  // upper-cased path -> content
    std::set<std::string> dirs;          // upper-cased
    std::set<std::string> readOnly;      // upper-cased folders
    size_t capacity = static_cast<size_t>(-1);
    unsigned long long version = 0;  // rises with every change

    void AddDir(const std::string& d) {
        for (std::string p = d; !p.empty(); p = ParentOf(p)) dirs.insert(Upper(p));
    }
    void Put(const std::string& path, const std::string& content) {
        AddDir(ParentOf(path));
        files[Upper(path)] = ToBytes(content);
        ++version;
    }
    std::string Get(const std::string& path) const {
        auto it = files.find(Upper(path));
        return it == files.end() ? std::string("<missing>") : std::string(it->second.begin(), it->second.end());
    }
    bool Has(const std::string& path) const { return files.count(Upper(path)) != 0; }

    bool Exists(const std::string& path) override { return Has(path) || dirs.count(Upper(path)); }
    bool IsDirectory(const std::string& path) override {
        std::string p = path;
        if (!p.empty() && p.back() == '\\') p.pop_back();
        return dirs.count(Upper(p)) != 0;
    }
    bool ReadAll(const std::string& path, Bytes& data) override {
        auto it = files.find(Upper(path));
        if (it == files.end()) return false;
        data = it->second;
        return true;
    }
    bool WriteReplacing(const std::string& path, const Bytes& data) override {
        // The new copy sits beside the old until it is complete.
        if (!Alive() || !Writable(path) || IsDirectory(path) || Used() + data.size() > capacity) return false;
        files[Upper(path)] = data;
        ++version;
        return true;
    }
    bool WriteFlushed(const std::string& path, const Bytes& data) override { return WriteReplacing(path, data); }
    bool Copy(const std::string& from, const std::string& to) override {
        return Has(from) && WriteReplacing(to, files[Upper(from)]);
    }
    bool DeleteForce(const std::string& path) override {
        if (!Alive()) return false;
        if (!Has(path)) return !IsDirectory(path);
        if (!Writable(path)) return false;
        files.erase(Upper(path));
        ++version;
        return true;
    }
    bool MoveReplace(const std::string& from, const std::string& to) override {
        if (!Alive() || !Has(from) || !Writable(from) || !Writable(to) || IsDirectory(to)) return false;
        Bytes data = files[Upper(from)];
        files.erase(Upper(from));
        files[Upper(to)] = std::move(data);
        ++version;
        return true;
    }
    bool MakeFolder(const std::string& path) override {
        if (!Alive() || !IsDirectory(ParentOf(path)) || !Writable(path) || Has(path)) return false;
        dirs.insert(Upper(path));
        return true;
    }
    bool RemoveEmptyFolder(const std::string& path) override {
        const std::string prefix = Upper(path) + "\\";
        for (auto& [k, v] : files)
            if (k.starts_with(prefix)) return false;
        for (auto& d : dirs)
            if (d.starts_with(prefix)) return false;
        return Writable(path) && Alive() && dirs.erase(Upper(path)) == 1;
    }
    size_t Used() const {
        size_t used = 0;
        for (auto& [k, v] : files) used += v.size();
        return used;
    }

private:
    bool Writable(const std::string& path) const {
        const std::string dir = Upper(ParentOf(path));
        return dirs.count(dir) && !readOnly.count(dir);
    }
};

// INI files on the memory file system, by the system's own line rules.
class MemoryIni : public IniPort {
public:
    explicit MemoryIni(MemoryFiles& fs) : fs_(fs) {}
    // Accesses left before one fails as if the file broke off (bounds a fuzzed script's
    // work: 32767 actions of 32767 entries each are allowed); -1 for no bound.
    long budget = -1;

    bool ReadKey(const std::string& file, const std::string& section, const std::string& key,
                 std::string& value) override {
        Spend();
        value.clear();
        if (!fs_.Has(file)) throw Error(kErrFileNotFound, "File not found: " + file);
        return ini::FindKey(Parsed(file), section, key, value);
    }
    bool WriteKey(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) override {
        Spend();
        if (file.empty() || section.empty()) return false;
        return Edit(file, section, key, value, ini::KeyEdit::Write);
    }
    bool DelKey(const std::string& file, const std::string& section, const std::string& key) override {
        Spend();
        if (!fs_.Has(file)) return false;
        return Edit(file, section, key, "", ini::KeyEdit::Remove);
    }

private:
    void Spend() {
        if (budget == 0) throw Error(kErrInputPastEnd, "budget");
        if (budget > 0) --budget;
    }
    // Scripts are read key by key; splitting the same text again for every key would make
    // long fuzz runs crawl.
    const ini::Lines& Parsed(const std::string& file) {
        auto& [seen, lines] = cache_[Upper(file)];
        if (seen != fs_.version + 1) {
            seen = fs_.version + 1;
            lines = ini::SplitLines(fs_.Get(file));
        }
        return lines;
    }
    std::map<std::string, std::pair<unsigned long long, ini::Lines>> cache_;

    bool Edit(const std::string& file, const std::string& section, const std::string& key,
              const std::string& value, ini::KeyEdit mode) {
        ini::Lines lines = fs_.Has(file) ? ini::SplitLines(fs_.Get(file)) : ini::Lines{};
        const bool done = ini::EditKey(lines, section, key, value, mode);
        return fs_.WriteReplacing(file, ToBytes(ini::JoinLines(lines))) && done;
    }
    MemoryFiles& fs_;
};

// A registry with the accessor's data rules (the real text conversions). Hives outside
// HKCR..HKUS refuse to set or read, as the accessor does.
class MemoryRegistry : public RegistryPort {
public:
    struct Value {
        int type;
        std::string bytes;
        bool operator==(const Value&) const = default;
    };
    std::map<std::string, Value> values;
    std::set<std::string> refusedKeys;  // Id(hive, subkey, "") of keys that refuse writes and deletes
    std::set<std::string> unreadable;   // Id(hive, subkey, name) of values whose read fails

    static std::string Id(uint32_t hive, const std::string& sub, const std::string& name) {
        char h[16];
        std::snprintf(h, sizeof h, "%08X", static_cast<unsigned>(hive));
        return Upper(std::string(h) + "\\" + sub + "\\" + name);
    }
    bool Has(uint32_t hive, const std::string& sub, const std::string& name) const {
        return values.count(Id(hive, sub, name)) != 0;
    }
    // The value as text of its own type; "<none>" when absent.
    std::string Text(uint32_t hive, const std::string& sub, const std::string& name) const {
        auto it = values.find(Id(hive, sub, name));
        return it == values.end() ? "<none>" : DecodeValueData(it->second.type, it->second.bytes);
    }

    bool SetValue(uint32_t hive, const std::string& sub, const std::string& name, int type,
                  const std::string& data) override {
        if (!Alive()) return false;
        auto bytes = EncodeValueData(type, data);
        if (!platform::IsValueHive(hive) || !bytes || refusedKeys.count(Id(hive, sub, ""))) return false;
        values[Id(hive, sub, name)] = {type, *bytes};
        return true;
    }
    bool ReadValue(uint32_t hive, const std::string& sub, const std::string& name, int type,
                   std::string& data) override {
        auto it = values.find(Id(hive, sub, name));
        if (!platform::IsValueHive(hive) || it == values.end()) return false;
        if (type == 1 || type == 3 || type == 4) data = DecodeValueData(type, it->second.bytes);
        return true;
    }
    platform::StoredRead ReadStored(uint32_t hive, const std::string& sub, const std::string& name, uint32_t& type,
                                    std::string& bytes) override {
        if (!platform::IsValueHive(hive)) return platform::StoredRead::Failed;
        auto it = values.find(Id(hive, sub, name));
        if (it == values.end()) return platform::StoredRead::Absent;
        if (unreadable.count(it->first)) return platform::StoredRead::Failed;
        type = static_cast<uint32_t>(it->second.type);
        bytes = it->second.bytes;
        return platform::StoredRead::Found;
    }
    bool WriteStored(uint32_t hive, const std::string& sub, const std::string& name, uint32_t type,
                     const std::string& bytes) override {
        if (!Alive() || !platform::IsValueHive(hive) || refusedKeys.count(Id(hive, sub, ""))) return false;
        values[Id(hive, sub, name)] = {static_cast<int>(type), bytes};
        return true;
    }
    bool DelValue(uint32_t hive, const std::string& sub, const std::string& name) override {
        return Alive() && !refusedKeys.count(Id(hive, sub, "")) && values.erase(Id(hive, sub, name)) != 0;
    }
    bool DelSubKey(uint32_t, const std::string&) override { return false; }
    bool AddSubKey(uint32_t, const std::string&) override { return true; }
};

class FakeSystem : public SystemPort {
public:
    std::string windowsDir = "C:\\WINDOWS", systemDir = "C:\\WINDOWS\\SYSTEM32", tempDir = "C:\\TEMP\\";
    std::vector<int> exits;
    bool exitAllowed = true;
    bool runAllowed = true;
    bool otherRun = false;  // another patch holds the run lock

    std::string WindowsDir() override { return windowsDir; }
    std::string SystemDir() override { return systemDir; }
    std::string StateDir() override { return tempDir; }
    bool HoldRunLock() override { return !otherRun; }
    bool ExitSession(int code) override { return exits.push_back(code), exitAllowed; }
    bool RunAndWait(const std::string&, const std::string&) override { return runAllowed; }
};

// Records every window the engine shows; cancels where told to.
class FakeWindows : public WindowPort {
public:
    std::vector<ShowModel> shown;
    std::set<WindowMode> cancelIn;
    std::string log;
    std::deque<std::string> askAnswers;
    std::vector<std::pair<AskTexts, std::string>> asked;  // texts and the folder offered

    bool ShowAndWait(const ShowModel& m) override {
        shown.push_back(m);
        return cancelIn.count(m.mode) != 0;
    }
    bool outOfMemory = false;  // the progress window fails as a large file might
    void OpenProgress(const ShowModel& m) override { outOfMemory ? throw std::bad_alloc() : shown.push_back(m); }
    void AppendLog(const std::string& text) override { log += text; }
    void FinishProgress(const ShowModel&) override {}
    void PumpEvents() override {}
    std::string AskDirectory(const AskTexts& t, const std::string& initial) override {
        asked.emplace_back(t, initial);
        std::string a = askAnswers.empty() ? "" : askAnswers.front();
        if (!askAnswers.empty()) askAnswers.pop_front();
        return a;
    }
    std::vector<WindowMode> Modes() const {
        std::vector<WindowMode> m;
        for (auto& s : shown) m.push_back(s.mode);
        return m;
    }
};

// All fakes together, with a script builder.
struct FakeMachine {
    MemoryFiles fs;
    MemoryIni ini{fs};
    MemoryRegistry reg;
    FakeSystem sys;
    FakeWindows win;
    RuntimePorts ports{fs, ini, reg, sys, win};

    FakeMachine() {
        fs.AddDir("C:\\WINDOWS\\SYSTEM32");
        fs.AddDir("C:\\TEMP");
        fs.AddDir("C:\\PATCH");
    }
};

// A script text from lines (joined with CR LF).
inline std::string ScriptText(const std::vector<std::string>& lines) {
    std::string s;
    for (auto& l : lines) s += l + "\r\n";
    return s;
}

inline constexpr const char* kScript = "C:\\PATCH\\fix.qnl";

// Keys of [Setup] and [Text] with the usual values; tests override single keys.
struct ScriptParts {
    std::vector<std::string> setup = {"ScriptID=QuenlarkScript_100", "ProcCount=0", "ShowW=0", "ShowE=0",
                                      "ShowI=0", "PRI=0", "ERI=0"};
    std::vector<std::string> text = {
        "WTitle=Welcome", "WText=Hello\\nWorld", "ETitle=Done", "EText=All done", "ITitle=Info",
        "IText=Read me", "Font=Arial", "FontS=10", "PText=Press OK", "OnPatch=Patching",
        "OK=OK", "CANCEL=Cancel", "About=About", "SFD=CHECKSUM", "FNF=NOTFOUND", "ERR=Error",
        "PatchFail=FAILED", "BrokenWarn=Broken", "MakeBKFile=True", "CWhenError=False", "ShowRun=True",
        "strDelFile=Delete", "strPatchINI=INI", "strRenFile=Rename", "strPatchByte=Bytes",
        "strSuccess=OK!", "PatchFileTitle=MyPatch"};
    std::vector<std::string> rest;  // further sections

    void Set(std::vector<std::string>& lines, const std::string& key, const std::string& value) {
        for (auto& l : lines)
            if (l.compare(0, key.size() + 1, key + "=") == 0) {
                l = key + "=" + value;
                return;
            }
        lines.push_back(key + "=" + value);
    }
    ScriptParts& SetupKey(const std::string& k, const std::string& v) { Set(setup, k, v); return *this; }
    ScriptParts& TextKey(const std::string& k, const std::string& v) { Set(text, k, v); return *this; }
    // Adds (or replaces) action section n; ProcCount becomes n.
    ScriptParts& Action(int n, const std::vector<std::string>& keys) {
        const std::string header = "[Proc" + std::to_string(n) + "]";
        auto at = std::find(rest.begin(), rest.end(), header);
        if (at != rest.end()) {
            auto end = std::find_if(at + 1, rest.end(), [](const std::string& l) { return !l.empty() && l[0] == '['; });
            rest.erase(at, end);
        }
        rest.push_back(header);
        rest.insert(rest.end(), keys.begin(), keys.end());
        SetupKey("ProcCount", std::to_string(n));
        return *this;
    }
    ScriptParts& Section(const std::string& name, const std::vector<std::string>& keys) {
        rest.push_back("[" + name + "]");
        rest.insert(rest.end(), keys.begin(), keys.end());
        return *this;
    }
    std::string Text() const {
        std::vector<std::string> all = {"[Setup]"};
        all.insert(all.end(), setup.begin(), setup.end());
        all.push_back("[Text]");
        all.insert(all.end(), text.begin(), text.end());
        all.insert(all.end(), rest.begin(), rest.end());
        return ScriptText(all);
    }
};

// What a run writes to the log file a patch executable is given.
struct TextLog : LogPort {
    std::string text;
    void Append(const std::string& t) override { text += t; }
};

// Each test starts without recorded message boxes.
struct ScriptRunFixture {
    FakeMachine m;
    ScriptParts parts;
    TextLog fileLog;
    ScriptRunFixture() { quen::platform::ClearMessages(); }

    // patchId: a package's identity, as a patch executable gives it; empty: the script's path.
    RunOutcome RunPatch(bool secondPhase = false, const std::string& patchId = "") {
        m.fs.Put(kScript, parts.Text());
        RunRequest r{kScript, secondPhase, "C:\\Program Files\\Quenlark", "Quenlark"};
        r.patchId = patchId;
        return RunScript(r, m.ports);
    }
    // As a patch executable runs: the package extracted to C:\PKG, "Me" the executable's folder.
    RunOutcome RunPackage(WindowPort* windows = nullptr) {
        m.fs.Put("C:\\PKG\\Setup.ini", parts.Text());
        RunRequest r{"C:\\PKG\\Setup.ini", false, "C:\\APP", "fix"};
        r.packageFolder = "C:\\PKG";
        r.meFolder = "C:\\APP";
        RuntimePorts ports{m.fs, m.ini, m.reg, m.sys, windows ? *windows : m.win, &fileLog};
        return RunScript(r, ports);
    }
};

}  // namespace quen::runtime::fakes
