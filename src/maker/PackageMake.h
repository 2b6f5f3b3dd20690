// StartMakeFileData: a project made into a patch executable through the package folder
// and the cabinet tool.
#pragma once

#include <cstdint>
#include <string>

#include "maker/CompTuning.h"
#include "maker/MakeProgress.h"
#include "project/DirTypeTexts.h"
#include "project/Project.h"

namespace quen {

// What the make takes from the program folder and its settings file.
struct MakeFileDataSettings {
    std::string programFolder;      // without a trailing "\"
    std::string CABLIB;             // cabinet tool, in the program folder
    std::string CABLIB_PARAMETER;   // passed before the directive file
    std::string CABLIB_SCRFILE;     // directive template, in the program folder
    std::string PATCH_EXE_HEAD;     // executable head, in the program folder
    std::int64_t ICON_INIT_POSTION = 0;
    std::int64_t ICON_INIT_LENG = 0;
    CompTuning tuning;
};

// The procedure name failures of the make are reported under.
inline constexpr const char* kMakeFileDataProc = "StartMakeFileData";

// Makes the patch executable at `output`: the package folder (system temporary folder
// & "QuenlarkTemp\") with "Setup.ini", the data files "P" & i, "Setup.img" and the
// directive file; the cabinet tool run there; then head, cabinet length and cabinet
// written beside `output` and moved over it when complete.
// On any failure (a file that cannot be copied or read, an encoder error, a cabinet that
// is missing or empty, a refused write) the package folder is deleted, an existing file
// at `output` is left as it was, and quen::Error is thrown with a message naming what
// failed. A make started while another one runs is refused before it touches the package
// folder (see MakeLockFile). `progress` may be null.
void StartMakeFileData(const Project& project, const DirTypeTexts& texts, const MakeFileDataSettings& settings,
                       const std::string& output, MakeProgress* progress);

// The package folder of a make: the system temporary folder & "QuenlarkTemp\".
std::string MakeTempFolder();

// The lock a make holds for its whole life, beside the package folder ("QuenlarkTemp.lock"):
// a make that finds it held refuses with kErrFileAlreadyOpen and leaves the folder alone.
std::string MakeLockFile();

}  // namespace quen
