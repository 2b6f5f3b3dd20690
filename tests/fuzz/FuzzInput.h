// Shared by the fuzz targets: a broken property aborts, and files go to a scratch folder
// that lives as long as the fuzzing process.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace quen::fuzz {

inline void Require(bool ok) {
    if (!ok) std::abort();
}

// Writes the bytes to `name` in the scratch folder (sub folders made) and returns its path.
inline std::string ScratchFile(const std::string& name, std::string_view bytes) {
    struct Folder {
        std::string path;
        Folder() {
            char name[] = "/tmp/quen_fuzz.XXXXXX";
            Require(mkdtemp(name) != nullptr);
            path = name;
        }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    };
    static const Folder folder;
    const std::filesystem::path file = std::filesystem::path(folder.path) / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.string();
}

}  // namespace quen::fuzz
