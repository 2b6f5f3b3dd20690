// Whole-file reading and the write-beside-then-replace writer on POSIX.
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Errors.h"
#include "platform/Files.h"
#include "platform/posix/NativePath.h"

namespace quen::platform {

using posix::ClassicError;
using posix::HasInvalidNameChar;
using posix::NativePath;

namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { close(); }
    int get() const { return fd_; }
    int close() {
        const int r = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return r;
    }

private:
    int fd_;
};

int WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace

int ReadWholeFile(const std::string& path, std::string& data) {
    data.clear();
    if (path.empty() || HasInvalidNameChar(path)) return kErrPathFileAccess;
    const std::string native = NativePath(path);
    Fd fd(::open(native.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return ClassicError(errno, native);
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && S_ISDIR(st.st_mode)) return kErrPathFileAccess;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            return ClassicError(errno, native);
        }
        data.append(buf, static_cast<std::size_t>(n));
    }
}

int WriteFileReplacing(const std::string& target, const std::string& data) {
    if (target.empty() || HasInvalidNameChar(target)) return kErrPathFileAccess;
    const std::string native = NativePath(target);
    struct stat old {};
    const bool existed = ::stat(native.c_str(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode)) return kErrPathFileAccess;

    const auto slash = native.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : native.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? native : native.substr(slash + 1);
    std::string temp = folder + "." + name + ".XXXXXX";
    Fd fd(::mkstemp(temp.data()));
    if (fd.get() < 0) return ClassicError(errno, temp);

    // No fsync: callers rewrite the file once per key (a flush each made writing many keys
    // several times slower); refused writes and a full disk already show in write/close.
    const mode_t mode = existed ? ((old.st_mode & 07777) | S_IWUSR) : 0644;
    int err = ::fchmod(fd.get(), mode) != 0 ? errno : 0;
    if (err == 0) err = WriteAll(fd.get(), data);
    if (fd.close() != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.c_str(), native.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return ClassicError(err, native);
    }
    return 0;
}

int WriteFileFlushed(const std::string& path, const std::string& data) {
    if (path.empty() || HasInvalidNameChar(path)) return kErrPathFileAccess;
    const std::string native = NativePath(path);
    Fd fd(::open(native.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0) return ClassicError(errno, native);
    int err = WriteAll(fd.get(), data);
    if (err == 0 && ::fsync(fd.get()) != 0) err = errno;
    if (fd.close() != 0 && err == 0) err = errno;
    if (err != 0) {
        ::unlink(native.c_str());
        return ClassicError(err, native);
    }
    return 0;
}

int AppendToFile(const std::string& path, const std::string& data) {
    if (path.empty() || HasInvalidNameChar(path)) return kErrPathFileAccess;
    const std::string native = NativePath(path);
    Fd fd(::open(native.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    if (fd.get() < 0) return ClassicError(errno, native);
    int err = WriteAll(fd.get(), data);
    if (fd.close() != 0 && err == 0) err = errno;
    return err ? ClassicError(err, native) : 0;
}

int ReadFilePart(const std::string& path, unsigned long long offset, std::size_t size, std::string& data) {
    data.clear();
    if (path.empty() || HasInvalidNameChar(path)) return kErrPathFileAccess;
    const std::string native = NativePath(path);
    Fd fd(::open(native.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return ClassicError(errno, native);
    data.resize(size);
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd.get(), data.data() + got, size - got, static_cast<off_t>(offset + got));
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            data.clear();
            return ClassicError(errno, native);
        }
        got += static_cast<std::size_t>(n);
    }
    data.resize(got);
    return 0;
}

int FileSize(const std::string& path, unsigned long long& size) {
    size = 0;
    if (path.empty() || HasInvalidNameChar(path)) return kErrPathFileAccess;
    const std::string native = NativePath(path);
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0) return ClassicError(errno, native);
    if (S_ISDIR(st.st_mode)) return kErrPathFileAccess;
    size = static_cast<unsigned long long>(st.st_size);
    return 0;
}

}  // namespace quen::platform
