// One run of a patch script: its state, the platform it runs on and the script reader.
#pragma once

#include <string>

#include "runtime/RuntimePorts.h"
#include "runtime/RuntimeState.h"
#include "runtime/UndoRecord.h"

namespace quen::runtime {

// The script file read and written key by key (a missing key reads as "").
class ScriptAccess {
public:
    ScriptAccess(IniPort& ini, std::string file) : ini_(ini), file_(std::move(file)) {}
    std::string Read(const std::string& section, const std::string& key) const {
        std::string v;
        return ini_.ReadKey(file_, section, key, v) ? v : std::string();
    }
    bool Find(const std::string& section, const std::string& key, std::string& value) const {
        return ini_.ReadKey(file_, section, key, value);
    }
    bool Write(const std::string& section, const std::string& key, const std::string& value) {
        return ini_.WriteKey(file_, section, key, value);
    }
    bool Delete(const std::string& section, const std::string& key) { return ini_.DelKey(file_, section, key); }

private:
    IniPort& ini_;
    std::string file_;
};

struct RunContext {
    RuntimeState& st;
    RuntimePorts& io;
    ScriptAccess script;
    UndoRecord undo;

    RunContext(RuntimeState& state, RuntimePorts& ports)
        : st(state), io(ports), script(ports.ini, state.ScriptFile),
          undo(ports.files, ports.registry, UndoRecordPath(ports.system.StateDir()), state.ScriptFile,
               RecoveryCommand(state.ProgramFolder, state.ExeName, state.ResumeOptions)) {}
};

// "Proc" & i
inline std::string ActionSection(int index) { return "Proc" + std::to_string(index); }

}  // namespace quen::runtime
