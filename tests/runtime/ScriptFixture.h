// A patch script on the in-memory machine, with the texts every test reads back.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/RunSequence.h"
#include "runtime/RuntimeFakes.h"

namespace quen::runtime::fakes {

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

struct ScriptRunFixture {
    FakeMachine m;
    ScriptParts parts;

    RunOutcome RunPatch(bool secondPhase = false) {
        m.fs.Put(kScript, parts.Text());
        RunRequest r{kScript, secondPhase, "C:\\Program Files\\Quenlark", "Quenlark"};
        return RunScript(r, m.ports);
    }
};

}  // namespace quen::runtime::fakes
