// Writing the two script forms to their files.
#include "maker/ScriptWriter.h"

#include "base/Errors.h"
#include "platform/Files.h"
#include "startup/AppINI.h"

namespace quen {

namespace {

// Removes the temporary script unless it was moved into place.
class TempScript {
public:
    explicit TempScript(std::string path) : path_(std::move(path)) {}
    TempScript(const TempScript&) = delete;
    TempScript& operator=(const TempScript&) = delete;
    ~TempScript() {
        if (!kept_) platform::RemoveFile(path_);
    }
    const std::string& path() const { return path_; }
    void keep() { kept_ = true; }

private:
    std::string path_;
    bool kept_ = false;
};

void Check(int err, const std::string& what) {
    if (err != 0) throw Error(err, what);
}

}  // namespace

int MakeScriptINI(const std::string& path, const Project& project, const DirTypeTexts& texts,
                  ScriptProgress* progress) {
    // Everything that can fail on the project's side (source files) fails here, before
    // any file is touched.
    ScriptText script = BuildScriptText(project, ScriptForm::StandAlone, texts, progress);

    TempScript temp(path + ".quen~");
    Check(platform::WriteFileReplacing(temp.path(), script.text),
          "The script " + path + " cannot be written.");
    AppINI ini;
    ini.FileName = temp.path();
    ini.Section = "Setup";
    if (!ini.WriteKey("ProcCount", std::to_string(script.sectionCount))) {
        throw Error(kErrPathFileAccess, "The script " + path + " cannot be written.");
    }
    // An existing script is replaced even when it is read-only.
    platform::AttrResult attrs = platform::GetAttributes(path);
    if (attrs.status == platform::AttrStatus::Ok && (attrs.attrs & platform::kAttrDirectory) == 0) {
        platform::SetAttributesNormal(path);
    }
    Check(platform::MoveReplace(temp.path(), path), "The script " + path + " cannot be written.");
    temp.keep();
    return script.sectionCount;
}

void WritePackageScript(const std::string& folder, const Project& project,
                        const DirTypeTexts& texts) {
    ScriptText script = BuildScriptText(project, ScriptForm::Package, texts, nullptr);
    const std::string path = folder + "\\" + kPackageScriptName;
    Check(platform::WriteFileReplacing(path, script.text), "The package script " + path +
                                                               " cannot be written.");
}

}  // namespace quen
