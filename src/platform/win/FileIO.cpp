// Whole-file reading and the write-beside-then-replace writer on Windows.
#include <windows.h>

#include "base/Errors.h"
#include "platform/Files.h"
#include "platform/win/WinError.h"
#include "platform/win/Handles.h"

namespace quen::platform {

using win::ClassicError;

namespace {

using FileHandle = quen::win::UniqueHandle;

int LastError() { return ClassicError(GetLastError()); }

int WriteAll(FileHandle& f, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const std::size_t left = data.size() - done;
        const DWORD chunk = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(f.get(), data.data() + done, chunk, &written, nullptr)) return LastError();
        if (written == 0) return kErrDiskFull;
        done += written;
    }
    return 0;
}

// Writes and closes; 0 or a classic error number. No flush: callers rewrite the file
// once per key, and refused writes and a full disk already show here.
int WriteAndClose(FileHandle& f, const std::string& data) {
    const int err = WriteAll(f, data);
    if (err != 0) return err;
    return CloseHandle(f.release()) ? 0 : LastError();
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return ".";
    return path.substr(0, slash + 1);
}

}  // namespace

int ReadWholeFile(const std::string& path, std::string& data) {
    data.clear();
    FileHandle f(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) return LastError();
    char buf[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(f.get(), buf, sizeof buf, &got, nullptr)) return LastError();
        if (got == 0) return 0;
        data.append(buf, got);
    }
}

int WriteFileReplacing(const std::string& target, const std::string& data) {
    if (target.empty()) return kErrPathFileAccess;
    const DWORD oldAttrs = GetFileAttributesA(target.c_str());
    if (oldAttrs != INVALID_FILE_ATTRIBUTES && (oldAttrs & FILE_ATTRIBUTE_DIRECTORY)) return kErrPathFileAccess;

    char temp[MAX_PATH + 1] = {};
    if (!GetTempFileNameA(FolderOf(target).c_str(), "qnl", 0, temp)) return LastError();
    FileHandle f(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    int err = f ? WriteAndClose(f, data) : LastError();
    // Attributes are cleared as a delete before rewriting would, so read-only, hidden
    // and system files are rewritten too; restored when the replace fails.
    if (err == 0 && oldAttrs != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (err == 0) err = MoveReplace(temp, target);
    if (err != 0) {
        f.reset();
        DeleteFileA(temp);
        if (oldAttrs != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(target.c_str(), oldAttrs);
    }
    return err;
}

int WriteFileFlushed(const std::string& path, const std::string& data) {
    if (path.empty()) return kErrPathFileAccess;
    FileHandle f(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) return LastError();
    int err = WriteAll(f, data);
    if (err == 0 && !FlushFileBuffers(f.get())) err = LastError();
    if (err == 0 && !CloseHandle(f.release())) err = LastError();
    if (err != 0) {
        f.reset();
        DeleteFileA(path.c_str());
    }
    return err;
}

int AppendToFile(const std::string& path, const std::string& data) {
    if (path.empty()) return kErrPathFileAccess;
    FileHandle f(CreateFileA(path.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return f ? WriteAndClose(f, data) : LastError();
}

int ReadFilePart(const std::string& path, unsigned long long offset, std::size_t size, std::string& data) {
    data.clear();
    FileHandle f(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) return LastError();
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(f.get(), at, nullptr, FILE_BEGIN)) return LastError();
    data.resize(size);
    std::size_t got = 0;
    while (got < size) {
        const std::size_t left = size - got;
        DWORD n = 0;
        if (!ReadFile(f.get(), data.data() + got, left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left), &n,
                      nullptr)) {
            data.clear();
            return LastError();
        }
        if (n == 0) break;
        got += n;
    }
    data.resize(got);
    return 0;
}

int FileSize(const std::string& path, unsigned long long& size) {
    size = 0;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return LastError();
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return kErrPathFileAccess;
    size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return 0;
}

}  // namespace quen::platform
