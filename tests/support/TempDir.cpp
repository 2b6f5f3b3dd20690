// A temporary folder for a test, removed with everything in it when the test ends.
#include "support/TempDir.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace quen::test {

namespace {

fs::path ToFs(const std::string& path) { return fs::path(NativePath(path)); }

std::string FromFs(const fs::path& path) {
    std::string p = path.string();
    std::replace(p.begin(), p.end(), '/', '\\');
    return p;
}

std::string UniqueName() {
    static std::atomic<unsigned> counter{0};
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return "quen-" + std::to_string(now) + "-" + std::to_string(counter++);
}

}  // namespace

TempDir::TempDir() {
    const fs::path dir = fs::temp_directory_path() / UniqueName();
    fs::create_directories(dir);
    path_ = FromFs(dir);
    while (path_.size() > 1 && path_.back() == '\\') path_.pop_back();
}

TempDir::~TempDir() {
    std::error_code ec;
    const fs::path dir = ToFs(path_);
    // Read-only entries (a test's own doing) must not keep the folder alive.
    for (const auto& e : fs::recursive_directory_iterator(dir, ec)) {
        fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add, ec);
    }
    fs::remove_all(dir, ec);
}

std::string NativePath(std::string path) {
#ifndef _WIN32
    std::replace(path.begin(), path.end(), '\\', '/');
#endif
    return path;
}

std::string TempDir::Path(const std::string& name) const { return path_ + "\\" + name; }

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(ToFs(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(ToFs(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write test file " + path);
}

bool PathExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(ToFs(path), ec);
}

std::string ListFolder(const std::string& path) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(ToFs(path), ec)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : ",") + n;
    return out;
}

}  // namespace quen::test
