// A temporary folder for a test, removed with everything in it when the test ends.
#pragma once

#include <string>

namespace quen::test {

// Paths are given with "\" as separator on every platform (natively "\tmp\quen-...",
// which the file seam maps back), so tests of path routines read the same everywhere.
class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    // The folder, without a trailing "\".
    const std::string& path() const { return path_; }
    // path() & "\" & name
    std::string Path(const std::string& name) const;

private:
    std::string path_;
};

// Raw bytes of a file named with "\" separators; "" when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// Writes raw bytes, replacing the file; throws std::runtime_error on failure.
void WriteFileBytes(const std::string& path, const std::string& bytes);
// True when the path names an existing file or folder.
bool PathExists(const std::string& path);
// The path as this platform's file functions spell it ("/" separators natively).
std::string NativePath(std::string path);
// Names of the entries of a folder, sorted.
std::string ListFolder(const std::string& path);

}  // namespace quen::test
