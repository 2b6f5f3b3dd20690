// The file lock on POSIX: flock on a file that is removed by its holder on release.
#include "platform/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Errors.h"
#include "platform/posix/NativePath.h"

namespace quen::platform {

namespace {

int ClassicOf(int err) { return err == EACCES || err == EPERM ? kErrPermissionDenied : kErrPathFileAccess; }

// True when the locked descriptor is still the file at `path`: a holder that released
// (and removed) it between our open and our flock leaves us locking a file nobody sees.
bool StillNamed(int fd, const std::string& path) {
    struct stat held {}, named {};
    return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

}  // namespace

FileLock::FileLock(const std::string& path) : path_(posix::NativePath(path)), handle_(-1), status_(0) {
    for (;;) {
        const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) {
            status_ = ClassicOf(errno);
            return;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int err = errno;
            ::close(fd);
            status_ = err == EWOULDBLOCK ? kErrFileAlreadyOpen : ClassicOf(err);
            return;
        }
        if (StillNamed(fd, path_)) {
            handle_ = fd;
            return;
        }
        ::close(fd);  // lost the race with a release: take the new file
    }
}

FileLock::~FileLock() {
    if (handle_ < 0) return;
    ::unlink(path_.c_str());  // before unlocking, so a waiter sees the file is gone
    ::close(static_cast<int>(handle_));
}

}  // namespace quen::platform
