// StartMakeFileData: package folder, data files, directive file, cabinet tool, patch executable.
#include "maker/PackageMake.h"

#include "maker/CompModule.h"
#include "maker/IconProcModule.h"
#include "maker/OldVersionFiles.h"
#include "maker/PackageLayout.h"
#include "maker/ScriptWriter.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "runtime/TargetDir.h"
#include "base/Errors.h"
#include "startup/FSUPLIBmain.h"

namespace quen {

namespace {

class NoProgress : public MakeProgress {
public:
    void MakeStarted(int, const std::string&) override {}
    void ActionStarted(int, int, const std::string&) override {}
    void ActionWritten(int, int, int) override {}
    void Reached(double) override {}
    void WritingPatchData() override {}
    void Notice(const std::string&) override {}
    void Finished() override {}
};

std::string AsText(const Bytes& b) { return std::string(b.begin(), b.end()); }

std::string ReadOrThrow(const std::string& path, const std::string& what) {
    std::string data;
    if (const int err = platform::ReadWholeFile(path, data)) throw Error(err, "Cannot read " + what + " " + path + ".");
    return data;
}

void WriteOrThrow(const std::string& path, const std::string& data) {
    if (const int err = platform::WriteFileReplacing(path, data)) throw Error(err, "Cannot write " + path + ".");
}

void CopyOrThrow(const std::string& source, const std::string& target) {
    if (CopyFileEnsure(source, target)) return;
    const bool missing = !FileExists(source, kFindHiddenSystem);
    throw Error(missing ? kErrFileNotFound : kErrPathFileAccess,
                "Cannot copy " + (source.empty() ? std::string("(no file)") : source) + " into the package" +
                    (missing ? ": the file does not exist." : "."));
}

class PackageMaker {
public:
    PackageMaker(const Project& project, const DirTypeTexts& texts, const MakeFileDataSettings& settings,
                 MakeProgress& progress)
        : project_(project), texts_(texts), s_(settings), progress_(progress), temp_(MakeTempFolder()),
          lock_(MakeLockFile()) {
        // The folder's name is fixed, so a second make would mix its files into the first's
        // and delete them under it. A refused make leaves the folder alone.
        if (lock_.status() == kErrFileAlreadyOpen) {
            throw Error(kErrFileAlreadyOpen, "Another make is using the package folder " + temp_ +
                                                 "; make again when it has finished.");
        }
        if (lock_.status()) throw Error(lock_.status(), "Cannot lock the package folder: " + MakeLockFile() + ".");
    }

    // Runs while the lock is still held (members go after the body).
    ~PackageMaker() { platform::DeleteTree(temp_); }

    void Make(const std::string& output) {
        MakeFolder();
        const int n = project_.ActionCount();
        progress_.MakeStarted(n, output);
        WritePackageScript(StripTrailingBackslash(temp_), project_, texts_);
        const std::string directiveTemplate = ReadOrThrow(Library(s_.CABLIB_SCRFILE), "the directive template");
        Bytes head = HeadWithIcon();

        std::vector<std::string> dataFiles;
        for (int i = 1; i <= n; ++i) {
            const ActClass& action = project_.Action(i);
            progress_.ActionStarted(i, n, action.FileName);
            if (HasDataFile(action.ActType)) {
                MakeDataFile(action, DataFileName(i));
                dataFiles.push_back(DataFileName(i));
            }
            progress_.ActionWritten(i, n, i);
        }
        MakeOldVersionFiles(dataFiles);
        const std::string directive = temp_ + s_.CABLIB_SCRFILE;
        DeleteFileForce(directive);
        const bool picture = project_.Options.ShowPicture;
        if (picture) CopyOrThrow(AutoPath(project_.Options.PictureFile), temp_ + kPackagePictureFile);
        WriteOrThrow(directive, BuildDirectiveFile(directiveTemplate, dataFiles, picture));

        progress_.WritingPatchData();
        const std::string cabinet = RunCabinetTool(directive);
        const Bytes exe = BuildPatchExecutable(head, ViewOf(cabinet));
        WriteOrThrow(output, AsText(exe));
        progress_.Finished();
    }

private:
    std::string Library(const std::string& name) const { return s_.programFolder + "\\" + name; }

    std::string AutoPath(const std::string& path) const {
        return runtime::TransAutoPath(path, runtime::PathKind(path), s_.programFolder);
    }

    // A folder found here under the lock is what a crashed make left: it starts empty.
    void MakeFolder() {
        const std::string folder = StripTrailingBackslash(temp_);
        platform::DeleteTree(folder);
        if (const int err = platform::MakeDirectory(folder)) throw Error(err, "Cannot create the folder " + folder + ".");
    }

    Bytes HeadWithIcon() {
        const std::string text = ReadOrThrow(Library(s_.PATCH_EXE_HEAD), "the patch head");
        Bytes head(text.begin(), text.end());
        if (project_.Options.PatchIconFile.empty()) return head;
        const IconReplacement r = ReplaceIcon(head, project_.Options.PatchIconFile, s_.programFolder,
                                              s_.ICON_INIT_POSTION, s_.ICON_INIT_LENG);
        if (!r.message.empty()) progress_.Notice(r.message);
        return head;
    }

    void MakeDataFile(const ActClass& action, const std::string& name) {
        const std::string target = temp_ + name;
        switch (action.ActType) {
            case 0:
            case 1:
                DeleteFileForce(target);
                CopyOrThrow(action.FileName, target);
                return;
            case 2:
                WriteOrThrow(target, AsText(CompareFiles(action.FileName, action.NewName, s_.tuning, &progress_)));
                return;
            default:
                WriteOrThrow(target, AsText(BuildIniBlock(action.INIKeys())));
                return;
        }
    }

    // One difference per further old version, each to the same new version.
    void MakeOldVersionFiles(std::vector<std::string>& dataFiles) {
        const std::vector<std::vector<int>> numbers = OldVersionDataNumbers(project_.Actions);
        for (size_t i = 0; i < numbers.size(); ++i) {
            const ActClass& action = project_.Actions[i];
            for (size_t k = 0; k < numbers[i].size(); ++k) {
                const std::string name = DataFileName(numbers[i][k]);
                WriteOrThrow(temp_ + name, AsText(CompareFiles(action.OldVersions[k], action.NewName, s_.tuning, &progress_)));
                dataFiles.push_back(name);
            }
        }
    }

    std::string RunCabinetTool(const std::string& directive) {
        const std::string cabinetPath = temp_ + kCabinetFile;
        DeleteFileForce(cabinetPath);
        const std::string tool = Library(s_.CABLIB);
        if (!platform::RunAndWait(tool, " " + s_.CABLIB_PARAMETER + " " + directive, StripTrailingBackslash(temp_))) {
            throw Error(kErrFileNotFound, "The cabinet tool " + tool + " could not be started.");
        }
        std::string cabinet;
        platform::ReadWholeFile(cabinetPath, cabinet);
        if (cabinet.empty()) {
            throw Error(kErrPathFileAccess, "The cabinet tool " + tool + " made no cabinet (" + kCabinetFile +
                                                " is missing or empty); no patch executable was written.");
        }
        return cabinet;
    }

    const Project& project_;
    const DirTypeTexts& texts_;
    const MakeFileDataSettings& s_;
    MakeProgress& progress_;
    const std::string temp_;
    platform::FileLock lock_;
};

}  // namespace

std::string MakeTempFolder() { return platform::TempFolder() + kMakeTempFolder; }

std::string MakeLockFile() { return StripTrailingBackslash(MakeTempFolder()) + ".lock"; }

void StartMakeFileData(const Project& project, const DirTypeTexts& texts, const MakeFileDataSettings& settings,
                       const std::string& output, MakeProgress* progress) {
    NoProgress none;
    PackageMaker maker(project, texts, settings, progress ? *progress : none);
    maker.Make(output);
}

}  // namespace quen
