// Registration of the patch script file type (.qnl) under HKEY_CLASSES_ROOT.
#include "project/win/ScriptType.h"

#include "startup/RegisterClass.h"

namespace quen {
namespace {

constexpr const char* kExtensionKey = ".qnl";
constexpr const char* kTypeName = "QuenlarkScript";
constexpr const char* kIconKey = "QuenlarkScript\\DefaultIcon";
constexpr const char* kCommandKey = "QuenlarkScript\\shell\\open\\command";

void SetDefault(RegisterClass& reg, const std::string& key, const std::string& text) {
    reg.SubKey = key;
    reg.SetValue("", platform::kRegString, text);
    reg.SubKey.clear();
}

}  // namespace

void RegisterScriptType(const std::string& programFolder, const std::string& exeName) {
    const std::string exe = programFolder + "\\" + exeName + ".EXE";
    RegisterClass reg;
    reg.MainKey = platform::kHiveClassesRoot;
    reg.AddSubKey(kExtensionKey);
    SetDefault(reg, kExtensionKey, kTypeName);
    reg.AddSubKey(kIconKey);
    reg.AddSubKey(kCommandKey);
    // Quoted: a folder with blanks ("C:\Program Files") would otherwise let Windows try
    // "C:\Program.exe" first, and split the script's path.
    SetDefault(reg, kCommandKey, "\"" + exe + "\" \"%1\" %2 %3");
    SetDefault(reg, kIconKey, exe + ",1");
}

void UnregisterScriptType() {
    RegisterClass reg;
    reg.MainKey = platform::kHiveClassesRoot;
    for (const char* key : {kExtensionKey, kIconKey, kCommandKey, "QuenlarkScript\\shell\\open",
                            "QuenlarkScript\\shell", kTypeName})
        reg.DelSubKey(key);
}

}  // namespace quen
