// The process seam on POSIX: runs a program (a script in tests) and waits; temp folder; tree removal.
#include "platform/Process.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/posix/NativePath.h"

namespace quen::platform {

using posix::NativePath;

std::string TempFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string folder = tmp && *tmp ? tmp : "/tmp";
    if (folder.back() != '/') folder += '/';
    // Paths of the core use "\"; the file seam maps them back.
    for (char& c : folder) c = c == '/' ? '\\' : c;
    return folder;
}

// The arguments are split at blanks outside double quotes, as a Windows program's runtime
// splits its command line; the quotes themselves are dropped.
bool RunAndWait(const std::string& program, const std::string& arguments, const std::string& workingFolder) {
    std::vector<std::string> words{NativePath(program)};
    std::string word;
    bool quoted = false, any = false;
    for (char c : arguments + ' ') {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (c == ' ' && !quoted) {
            if (any) words.push_back(NativePath(word));
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    const pid_t pid = ::fork();
    if (pid < 0) return false;
    if (pid == 0) {
        std::vector<char*> argv;
        for (std::string& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
        if (::chdir(NativePath(workingFolder).c_str()) != 0) ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    // Like CreateProcess, a program that cannot be started counts as not started.
    return !(WIFEXITED(status) && WEXITSTATUS(status) == 127);
}

void DeleteTree(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove_all(NativePath(path), ec);
}

}  // namespace quen::platform
