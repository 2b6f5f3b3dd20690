// QuenMake's steps: arguments, settings and language, project, checks, script or patch executable.
#include "MakeCommand.h"

#include <ostream>

#include "base/Errors.h"
#include "base/Text.h"
#include "maker/PackageMake.h"
#include "maker/ReleaseFolders.h"
#include "maker/ScriptCheck.h"
#include "maker/ScriptWriter.h"
#include "options/ErrorModule.h"
#include "options/Lang.h"
#include "platform/Files.h"
#include "options/LangProject.h"
#include "options/Templet.h"
#include "project/ProjectFile.h"
#include "project/TextFields.h"
#include "startup/AppINI.h"
#include "startup/ProgramInfo.h"
#include "startup/ProgramSettings.h"
#include "startup/FSUPLIBmain.h"

namespace quen {

namespace {

struct Arguments {
    std::string project;
    std::string output;
    bool exe = false;  // /exe: a patch executable; /script: a stand-alone script
    bool help = false;
    // The release form: /from (one or more), /to, and what to write.
    std::vector<std::string> olds;
    std::string newFolder;
    std::string projectOut;  // /project: the project the folders gave
    std::string templet;     // /template: the patch options
    bool me = false;         // /me: the first action takes the patch's own folder
    bool Release() const { return !olds.empty() || !newFolder.empty(); }
};

// A failure already told to the user; the command ends with exit code 1.
struct Stop {};

std::string Lines(const std::string& text) { return ReplaceAll(text, "\r\n", "\n"); }

class Command {
public:
    explicit Command(const MakeCommandEnv& env) : env_(env) {}
    int Run(const std::vector<std::string>& args);

private:
    Arguments Parse(const std::vector<std::string>& args);
    void ReadLanguage();
    MakeFileDataSettings ReadMakeSettings();
    Project LoadTheProject(const std::string& path);
    void CheckProject(const Project& project);
    void CheckScriptSupportOf(const Project& project);
    std::string CheckOutput(const std::string& arg);
    void CheckOutputIsNoInput(const std::string& output, const std::string& projectPath, const Project& project);
    void MakeScript(const Project& project, const std::string& output);
    void MakeExecutable(const Project& project, const std::string& output);
    int RunRelease(const Arguments& a);
    Project ReleaseProject(const Arguments& a, const ReleaseFolders& folders);

    [[noreturn]] void Fail(const std::string& message) {
        *env_.err << message << "\n";
        throw Stop{};
    }
    [[noreturn]] void UsageError(const std::string& message) {
        *env_.err << "QuenMake: " << message << "\n\n" << MakeCommandUsage();
        throw Stop{};
    }
    std::string ErrorLine(const std::string& text) { return lang_.msg_Error() + ": " + Lines(text); }

    const MakeCommandEnv& env_;
    Lang lang_;
};

Arguments Command::Parse(const std::vector<std::string>& args) {
    Arguments a;
    bool haveOutput = false;
    auto value = [&](size_t& i, const std::string& sw, const char* what) {
        if (i + 1 >= args.size()) UsageError(sw + " needs " + what + ".");
        return args[++i];
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string sw = LowerCase(args[i]);
        if (sw == "/?" || sw == "/help") {
            a.help = true;
        } else if (sw == "/script" || sw == "/exe") {
            if (haveOutput) UsageError("name one output, with /script or with /exe.");
            a.exe = sw == "/exe";
            a.output = value(i, sw, "the path of the file to write");
            haveOutput = true;
        } else if (sw == "/from") {
            a.olds.push_back(value(i, sw, "an old version's folder"));
        } else if (sw == "/to" || sw == "/project" || sw == "/template") {
            std::string& field = sw == "/to" ? a.newFolder : sw == "/project" ? a.projectOut : a.templet;
            if (!field.empty()) UsageError(sw + " may be given once.");
            field = value(i, sw, sw == "/to" ? "the new version's folder" : "the path of a file");
        } else if (sw == "/me") {
            a.me = true;
        } else if (sw.size() > 1 && sw[0] == '/' && sw.find_first_of("/\\", 1) == std::string::npos) {
            UsageError("unknown switch " + args[i] + ".");
        } else if (a.project.empty()) {
            a.project = args[i];
        } else {
            UsageError("unexpected argument " + args[i] + ".");
        }
    }
    if (a.help) return a;
    if (a.Release()) {
        if (!a.project.empty()) UsageError("give a project file or /from and /to folders, not both.");
        if (a.olds.empty() || a.newFolder.empty()) UsageError("the release form needs /from OLD_FOLDER and /to NEW_FOLDER.");
        if (!haveOutput && a.projectOut.empty()) UsageError("name the file to write with /exe, /script or /project.");
        return a;
    }
    if (!a.projectOut.empty() || !a.templet.empty() || a.me) UsageError("/project, /template and /me belong to the /from ... /to form.");
    if (a.project.empty()) UsageError("name the project file to make.");
    if (!haveOutput) UsageError("name the file to write with /script or /exe.");
    return a;
}

// The editor's settings file and language: project files hold directory kinds as texts
// of the language they were made in.
void Command::ReadLanguage() {
    const std::string settings = env_.programFolder + "\\" + kProgramName + ".ini";
    platform::AttrResult attrs = platform::GetAttributes(settings);
    if (attrs.status != platform::AttrStatus::Ok || (attrs.attrs & platform::kAttrDirectory)) {
        Fail("File : " + settings + " without find!");
    }
    AppINI ini;
    ini.FileName = settings;
    ini.Section = "Setup";
    std::string language;
    ini.ReadKey("Language", language);
    lang_.SetLanguage(language);
    lang_.ReadLang(env_.programFolder);
}

// What a patch executable needs from the settings file; the three supplied files must be
// there, as the editor requires at its start.
MakeFileDataSettings Command::ReadMakeSettings() {
    AppINI ini;
    ini.FileName = env_.programFolder + "\\" + kProgramName + ".ini";
    auto text = [&ini](const char* section, const char* key) {
        ini.Section = section;
        std::string value;
        ini.ReadKey(key, value);
        return value;
    };
    auto number = [&](const char* key, int64_t fallback) {
        const std::string value = text("Setup", key);
        if (value.empty()) return fallback;
        const std::optional<int64_t> n = ParseSettingsNumber(value, INT32_MIN, INT32_MAX);
        if (!n) Fail("File : " + ini.FileName + "\nSection [Setup], key " + key + ": \"" + value + "\" is not a whole number.");
        return *n;
    };
    auto mode = [&]() {
        ini.Section = "Setup";
        std::string value;
        if (!ini.ReadKey("Comp_Mode", value)) return CompMode::Quick;
        const auto m = CompModeFromNumber(ParseSettingsNumber(value, 1, 3).value_or(0));
        if (!m) Fail("File : " + ini.FileName + "\nSection [Setup], key Comp_Mode: \"" + value + "\" is not 1 (quick), 2 (thorough) or 3 (compact).");
        return *m;
    };
    MakeFileDataSettings s;
    s.programFolder = env_.programFolder;
    s.tuning = CompTuning{number("DefSample_Size", 64), number("Comp_Move_Size", 4), mode()}.Sanitized();
    s.ICON_INIT_POSTION = number("ICON_INIT_POSTION", 0);
    s.ICON_INIT_LENG = number("ICON_INIT_LENG", 0);
    s.CABLIB = text("Library", "CABLIB");
    s.CABLIB_PARAMETER = text("Library", "CABLIB_PARAMETER");
    s.CABLIB_SCRFILE = text("Library", "CABLIB_SCRFILE");
    s.PATCH_EXE_HEAD = text("Library", "PATCH_EXE_HEAD");
    for (const std::string& name : {s.CABLIB, s.CABLIB_SCRFILE, s.PATCH_EXE_HEAD}) {
        const std::string path = env_.programFolder + "\\" + name;
        if (name.empty() || !FileExists(path, kFindNormal)) Fail("File : " + path + " without find!");
    }
    return s;
}

Project Command::LoadTheProject(const std::string& path) {
    Project project;
    ProjectLoadResult r = LoadProject(path, project, lang_.Dir_Type_Pre());
    switch (r.status) {
        case LoadStatus::Loaded:
            return project;
        case LoadStatus::WrongHeader:
            Fail(ErrorLine(lang_.msg_FileFormatError()) + " (" + path + ")");
        case LoadStatus::ReadError:
            break;
    }
    Fail(ErrorLine(ErrorReportText(lang_, "MainModal_LoadProject", r.errorNumber)) + "\n" + r.message);
}

void Command::CheckProject(const Project& project) {
    if (std::optional<std::string> problem = CheckBeforeMake(project, lang_)) Fail(ErrorLine(*problem));
}

void Command::CheckScriptSupportOf(const Project& project) {
    ScriptSupport support = CheckScriptSupport(project.Actions);
    if (support.hasUnsupported) {
        *env_.err << lang_.msg_Warning() << ": " << Lines(lang_.msg_Warning_UnSupportScriptType())
                  << "\n(going on without them)\n";
    }
    if (!support.hasSupported) Fail(ErrorLine(lang_.msg_Error_No_SupportScriptType()));
}

std::string Command::CheckOutput(const std::string& arg) {
    const std::string path = arg.empty() ? arg : env_.absolutePath(arg);
    const size_t slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash);
    platform::AttrResult dir = platform::GetAttributes(folder.empty() ? path : folder);
    platform::AttrResult file = platform::GetAttributes(path);
    const bool folderOk = !folder.empty() && dir.status == platform::AttrStatus::Ok &&
                          (dir.attrs & platform::kAttrDirectory);
    const bool isFolder = file.status == platform::AttrStatus::Ok && (file.attrs & platform::kAttrDirectory);
    if (!folderOk || isFolder || slash + 1 == path.size()) {
        Fail(ErrorLine(lang_.msg_FilePathName_Error()) + " (" + arg + ")");
    }
    return path;
}

// Writing over the project or a file an action reads would destroy what the make needs.
void Command::CheckOutputIsNoInput(const std::string& output, const std::string& projectPath,
                                   const Project& project) {
    const std::string key = PathKey(output);
    if (key == PathKey(projectPath)) Fail("QuenMake: the output " + output + " is the project file itself.");
    for (int i = 1; i <= project.ActionCount(); ++i) {
        const ActClass& a = project.Action(i);
        std::vector<std::string> reads{a.FileName};
        if (a.ActType == kActPatch) reads.push_back(a.NewName);  // the new version
        for (const std::string& input : reads) {
            if (!input.empty() && key == PathKey(env_.absolutePath(input))) {
                Fail("QuenMake: the output " + output + " is " + input + ", which action " + std::to_string(i) +
                     " reads.");
            }
        }
    }
}

// The progress lines of both makes: one line per action, then the end.
class ConsoleProgress : public MakeProgress {
public:
    ConsoleProgress(std::ostream& out, std::ostream& err, const Lang& lang) : out_(out), err_(err), lang_(lang) {}
    void MakeStarted(int, const std::string&) override {}
    void ActionStarted(int, int, const std::string& fileName) override { file_ = fileName; }
    void ActionWritten(int position, int total, int section) override {
        out_ << "[" << ProgressAfter(position, total).label << "%] Proc" << section << ": action "
             << position << " of " << total << ", " << file_ << std::endl;  // seen as it happens, also in a log
    }
    void Reached(double) override {}
    void WritingPatchData() override { out_ << Lines(lang_.msg_NowWritePatchData()) << std::endl; }
    void Notice(const std::string& text) override { err_ << lang_.msg_Warning() << ": " << Lines(text) << "\n"; }
    void Finished() override { out_ << "[100%] done\n"; }

private:
    std::ostream& out_;
    std::ostream& err_;
    const Lang& lang_;
    std::string file_;
};

void Command::MakeScript(const Project& project, const std::string& output) {
    *env_.out << "Making " << output << " from " << project.ActionCount() << " action"
              << (project.ActionCount() == 1 ? "" : "s") << "\n";
    ConsoleProgress progress(*env_.out, *env_.err, lang_);
    int sections = MakeScriptINI(output, project, DirTypeTextsOf(lang_), &progress);
    *env_.out << "Made " << output << " with " << sections << " action section"
              << (sections == 1 ? "" : "s") << ".\n";
}

void Command::MakeExecutable(const Project& project, const std::string& output) {
    const MakeFileDataSettings settings = ReadMakeSettings();
    *env_.out << "Making " << output << " from " << project.ActionCount() << " action"
              << (project.ActionCount() == 1 ? "" : "s") << "\n";
    ConsoleProgress progress(*env_.out, *env_.err, lang_);
    try {
        StartMakeFileData(project, DirTypeTextsOf(lang_), settings, output, &progress);
    } catch (const Error& e) {
        Fail(ErrorLine(ErrorReportText(lang_, kMakeFileDataProc, e.number())) + "\n" + e.what());
    }
    *env_.out << "Made " << output << ". " << Lines(lang_.MF_MakeOK()) << "\n";
}

// The patch options of a release: the template given, else the editor's default template.
Project Command::ReleaseProject(const Arguments& a, const ReleaseFolders& folders) {
    Project project;
    std::string templet = a.templet.empty() ? "" : env_.absolutePath(a.templet);
    if (templet.empty()) {
        AppINI ini;
        ini.FileName = env_.programFolder + "\\" + kProgramName + ".ini";
        ini.Section = "Setup";
        std::string name;
        if (ini.ReadKey("Default_TPL", name) && !name.empty()) templet = env_.programFolder + "\\Templet\\" + name;
    }
    if (!templet.empty() && (!a.templet.empty() || FileExists(templet, kFindNormal))) {
        try {
            if (ReadTemplet(templet, project.Options) != TempletStatus::Loaded) Fail(ErrorLine(lang_.msg_Wrong_Templet_File()) + " (" + templet + ")");
        } catch (const Error& e) {
            Fail(ErrorLine(e.what()) + " (" + templet + ")");
        }
    }
    ReleaseDirectory dir;
    dir.me = a.me;
    AddReleaseActions(project, folders, dir, DirTypeTextsOf(lang_));
    if (project.ActionCount() == 0) Fail("QuenMake: the folders hold the same files; there is nothing to patch.");
    return project;
}

int Command::RunRelease(const Arguments& a) {
    ReadLanguage();
    ReleaseFolders folders;
    for (const std::string& f : a.olds) folders.olds.push_back(env_.absolutePath(f));
    folders.newFolder = env_.absolutePath(a.newFolder);
    std::vector<std::string> outputs;
    for (const std::string& o : {a.output, a.projectOut}) {
        if (!o.empty()) outputs.push_back(CheckOutput(o));
    }
    if (outputs.size() == 2 && PathKey(outputs[0]) == PathKey(outputs[1])) Fail("QuenMake: /project and the patch name the same file.");
    if (const std::string problem = ReleaseFoldersProblem(folders, outputs); !problem.empty()) Fail("QuenMake: " + problem);
    Project project = ReleaseProject(a, folders);
    *env_.out << "Paired " << folders.olds.size() << " old folder" << (folders.olds.size() == 1 ? "" : "s")
              << " with " << folders.newFolder << ": " << project.ActionCount() << " action"
              << (project.ActionCount() == 1 ? "" : "s") << "\n";
    CheckProject(project);
    if (!a.output.empty()) {
        const std::string output = outputs.front();
        if (a.exe) {
            MakeExecutable(project, output);
        } else {
            CheckScriptSupportOf(project);
            MakeScript(project, output);
        }
    }
    if (!a.projectOut.empty()) {
        SaveProject(outputs.back(), project);
        *env_.out << "Wrote the project " << outputs.back() << ".\n";
    }
    return 0;
}

int Command::Run(const std::vector<std::string>& args) {
    try {
        Arguments a = Parse(args);
        if (a.help) {
            *env_.out << MakeCommandUsage();
            return 0;
        }
        if (a.Release()) return RunRelease(a);
        ReadLanguage();
        const std::string projectPath = env_.absolutePath(a.project);
        Project project = LoadTheProject(projectPath);
        // The order of the editor: its action checks, the output path, the script check.
        CheckProject(project);
        const std::string output = CheckOutput(a.output);
        CheckOutputIsNoInput(output, projectPath, project);
        if (a.exe) {
            MakeExecutable(project, output);
        } else {
            CheckScriptSupportOf(project);
            MakeScript(project, output);
        }
        return 0;
    } catch (const Stop&) {
        return 1;
    } catch (const Error& e) {
        *env_.err << ErrorLine(e.what()) << " (error number " << e.number() << ")\n";
        return 1;
    } catch (const std::exception& e) {
        *env_.err << ErrorLine(e.what()) << "\n";
        return 1;
    }
}

}  // namespace

std::string MakeCommandUsage() {
    return "QuenMake - the Quenlark console patch maker\n"
           "\n"
           "  QuenMake PROJECT.prj /script OUTPUT.qnl\n"
           "  QuenMake PROJECT.prj /exe OUTPUT.exe\n"
           "  QuenMake /from OLD_FOLDER [/from OLDER_FOLDER ...] /to NEW_FOLDER\n"
           "           [/exe OUTPUT.exe | /script OUTPUT.qnl] [/project OUTPUT.prj]\n"
           "           [/template FILE.tpl] [/me]\n"
           "\n"
           "Loads the project file, checks its actions as the editor does before a make, and\n"
           "writes either the stand-alone patch script OUTPUT.qnl or the patch executable\n"
           "OUTPUT.exe (no extension is added). Execute File, Add File and Patch File\n"
           "actions cannot travel in a script: they are left out with a warning. A patch\n"
           "executable carries every action; it is the executable head named in the\n"
           "settings file followed by a cabinet made by the cabinet tool named there.\n"
           "An existing OUTPUT is replaced only by a complete script or executable;\n"
           "OUTPUT may not be the project file or a file that an action reads.\n"
           "\n"
           "The release form pairs the files of each old version's folder with the new\n"
           "version's folder by relative path (letter case ignored): changed files become\n"
           "Patch File actions (one difference per distinct old version, so one patch\n"
           "updates any of them), new files Add File, removed files Delete File actions.\n"
           "The first action asks the user for the program's folder (/me: the folder the\n"
           "patch runs from); the patch options come from /template, else from the\n"
           "default template. /project also writes the project, to open in the editor.\n"
           "No output may lie inside a source folder, and no folder may be named twice.\n"
           "\n"
           "Switches may be written in any letter case; quote paths that hold blanks.\n"
           "Relative paths are taken against the current folder. The settings file\n"
           "Quenlark.ini and the Language folder beside this program give the language,\n"
           "the difference encoder's settings, the cabinet tool and the executable head.\n"
           "\n"
           "Differences and cabinet folders are encoded on every processor; the environment\n"
           "variable QUEN_MAKE_THREADS=N limits them to N threads.\n"
           "\n"
           "Exit code: 0 when the output was made, 1 otherwise. Progress goes to standard\n"
           "output, a line per action with the overall percentage; messages to standard error.\n";
}

int RunMakeCommand(const std::vector<std::string>& args, const MakeCommandEnv& env) {
    Command command(env);
    return command.Run(args);
}

}  // namespace quen
