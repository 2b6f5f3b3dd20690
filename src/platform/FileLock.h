// An exclusive lock between processes, held through an open file: the platform seam.
#pragma once

#include <cstdint>
#include <string>

namespace quen::platform {

// Tries once to take the lock named by the file `path` (made when missing) and holds it
// until destroyed. The system drops the lock when its process ends, so a crashed holder
// never blocks the next one. Windows opens the file without sharing and deletes it on
// close; natively it is flock'ed and removed on release.
class FileLock {
public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // 0 while held; kErrFileAlreadyOpen when another holder has the lock; otherwise the
    // classic error number of the failed open.
    int status() const { return status_; }

private:
    std::string path_;
    std::intptr_t handle_;  // a file descriptor natively, a HANDLE on Windows
    int status_;
};

}  // namespace quen::platform
