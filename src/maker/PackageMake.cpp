// StartMakeFileData: package folder, data files, directive file, cabinet tool, patch executable.
#include "maker/PackageMake.h"

#include <algorithm>

#include "maker/CompModule.h"
#include "maker/IconProcModule.h"
#include "maker/OldVersionFiles.h"
#include "maker/OrderedJobs.h"
#include "maker/PackageLayout.h"
#include "maker/ScriptWriter.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "maker/PackageImage.h"
#include "base/Errors.h"
#include "startup/FSUPLIBmain.h"
#include "startup/ProgramPaths.h"

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

        const std::vector<std::string> dataFiles = MakeDataFiles();
        const std::string directive = temp_ + s_.CABLIB_SCRFILE;
        DeleteFileForce(directive);
        const bool picture = project_.Options.ShowPicture;
        if (picture) CopyOrThrow(AutoPath(project_.Options.PictureFile), temp_ + kPackagePictureFile);
        WriteOrThrow(directive, BuildDirectiveFile(directiveTemplate, dataFiles, picture));

        progress_.WritingPatchData();
        const std::uint64_t cabinetSize = RunCabinetTool(directive);
        WriteExecutable(output, head, cabinetSize);
        progress_.Finished();
    }

private:
    std::string Library(const std::string& name) const { return s_.programFolder + "\\" + name; }

    std::string AutoPath(const std::string& path) const {
        return TransAutoPath(path, PathKind(path), s_.programFolder);
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
        if (IsSigned(head))
            throw Error(kErrPathFileAccess, "The patch head " + Library(s_.PATCH_EXE_HEAD) +
                                                " is signed: a patch made from it could not find its package. Use "
                                                "the unsigned head, and sign the patch executable after the make.");
        if (project_.Options.PatchIconFile.empty()) return head;
        const IconReplacement r = ReplaceIcon(head, project_.Options.PatchIconFile, s_.programFolder,
                                              s_.ICON_INIT_POSTION, s_.ICON_INIT_LENG);
        if (!r.message.empty()) progress_.Notice(r.message);
        return head;
    }

    void MakeDataFile(const ActClass& action, const std::string& name, MakeProgress* progress) {
        const std::string target = temp_ + name;
        switch (action.ActType) {
            case 0:
            case 1:
                DeleteFileForce(target);
                CopyOrThrow(action.FileName, target);
                return;
            case 2:
                WriteOrThrow(target, AsText(CompareFiles(action.FileName, action.NewName, s_.tuning, progress)));
                return;
            default:
                WriteOrThrow(target, AsText(BuildIniBlock(action.INIKeys())));
                return;
        }
    }

    // The data files of all actions, encoded side by side: each action's files are independent,
    // progress is told in action order on this thread. Alone, the encoder tells its own progress.
    std::vector<std::string> MakeDataFiles() {
        const int n = project_.ActionCount();
        const std::vector<std::vector<int>> versions = OldVersionDataNumbers(project_.Actions);
        size_t encodes = 0;  // only differences take long enough to share out
        for (int i = 1; i <= n; ++i) encodes += project_.Action(i).ActType == kActPatch ? 1 + versions[i - 1].size() : 0;
        const unsigned threads = static_cast<unsigned>(std::min<size_t>(MakeThreads(), std::max<size_t>(encodes, 1)));
        MakeProgress* encoderProgress = threads == 1 ? &progress_ : nullptr;
        std::vector<std::string> dataFiles;
        auto work = [&](std::size_t k) {
            const ActClass& action = project_.Actions[k];
            if (!HasDataFile(action.ActType)) return;
            MakeDataFile(action, DataFileName(static_cast<int>(k) + 1), encoderProgress);
            for (size_t v = 0; v < versions[k].size(); ++v) {
                const Bytes diff = CompareFiles(action.OldVersions[v], action.NewName, s_.tuning, encoderProgress);
                WriteOrThrow(temp_ + DataFileName(versions[k][v]), AsText(diff));
            }
        };
        auto done = [&](std::size_t k) {
            const int i = static_cast<int>(k) + 1;
            progress_.ActionStarted(i, n, project_.Action(i).FileName);
            if (HasDataFile(project_.Action(i).ActType)) dataFiles.push_back(DataFileName(i));
            for (int number : versions[k]) dataFiles.push_back(DataFileName(number));
            progress_.ActionWritten(i, n, i);
        };
        RunOrderedJobs(static_cast<std::size_t>(n), threads, work, done);
        return dataFiles;
    }

    std::uint64_t RunCabinetTool(const std::string& directive) {
        const std::string cabinetPath = temp_ + kCabinetFile;
        DeleteFileForce(cabinetPath);
        const std::string tool = Library(s_.CABLIB);
        if (!platform::RunAndWait(tool, " " + s_.CABLIB_PARAMETER + " \"" + directive + "\"",
                                  StripTrailingBackslash(temp_))) {
            throw Error(kErrFileNotFound, "The cabinet tool " + tool + " could not be started.");
        }
        unsigned long long size = 0;
        if (platform::FileSize(cabinetPath, size) || size == 0) {
            throw Error(kErrPathFileAccess, "The cabinet tool " + tool + " made no cabinet (" + kCabinetFile +
                                                " is missing or empty); no patch executable was written.");
        }
        return size;
    }

    // Head, length and the cabinet copied in parts into a file beside the output, which
    // then replaces it: the cabinet is never held whole, and a failed write leaves the
    // output as it was.
    void WriteExecutable(const std::string& output, const Bytes& head, std::uint64_t cabinetSize) {
        const std::string part = output + ".part", cabinetPath = temp_ + kCabinetFile;
        DeleteFileForce(part);
        try {
            Append(part, AsText(PatchExecutableFront(head, cabinetSize)));
            std::string chunk;
            for (std::uint64_t at = 0; at < cabinetSize; at += chunk.size()) {
                const int err = platform::ReadFilePart(cabinetPath, at, std::min<std::uint64_t>(cabinetSize - at, 16u << 20), chunk);
                if (err || chunk.empty()) throw Error(err ? err : kErrPathFileAccess, "Cannot read the cabinet " + cabinetPath + ".");
                Append(part, chunk);
            }
            if (FileExists(output, kFindHiddenSystem)) platform::SetAttributesNormal(output);
            if (const int err = platform::MoveReplace(part, output)) throw Error(err, "Cannot write " + output + ".");
        } catch (...) {
            DeleteFileForce(part);
            throw;
        }
    }

    static void Append(const std::string& path, const std::string& data) {
        if (const int err = platform::AppendToFile(path, data)) throw Error(err, "Cannot write " + path + ".");
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
