// Folders no other account can enter or plant files in, with unguessable names.
#include "win/PrivateFolder.h"

#include <windows.h>
#include <ntsecapi.h>
#include <sddl.h>

#include <vector>

#include "platform/Process.h"
#include "platform/win/Handles.h"

namespace quen::win {

namespace {

// This process's account as SDDL text ("S-1-5-21-..."), or "".
std::string OwnAccount() {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return "";
    UniqueHandle token(raw);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> buf(size ? size : 1);
    if (!GetTokenInformation(token.get(), TokenUser, buf.data(), size, &size)) return "";
    char* text = nullptr;
    if (!ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buf.data())->User.Sid, &text)) return "";
    std::string sid = text;
    LocalFree(text);
    return sid;
}

std::string RandomHex() {
    unsigned char bytes[16];
    if (!RtlGenRandom(bytes, sizeof bytes)) return "";
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) out += {kHex[b >> 4], kHex[b & 15]};
    return out;
}

constexpr const char kLock[] = "\\run.lock";

bool IsRealFolder(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) && !(a & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace

PrivateFolder MakePrivateFolder(const std::string& parent, const std::string& prefix) {
    const std::string account = OwnAccount();
    const std::string name = RandomHex();
    if (account.empty() || name.empty()) return {};
    // Protected (P): the parent's entries, such as "users may create files", do not apply.
    const std::string sddl = "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FA;;;" + account + ")";
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl.c_str(), SDDL_REVISION_1, &sd, nullptr)) return {};
    SECURITY_ATTRIBUTES sa{sizeof sa, sd, FALSE};
    std::string folder = parent;
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    folder += prefix + name;
    const bool made = CreateDirectoryA(folder.c_str(), &sa);
    LocalFree(sd);
    if (!made) return {};
    UniqueHandle lock(CreateFileA((folder + kLock).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (lock && IsRealFolder(folder)) return {folder, std::move(lock)};
    lock.reset();
    platform::DeleteTree(folder);
    return {};
}

void SweepPrivateFolders(const std::string& parent, const std::string& prefix) {
    std::string base = parent;
    if (!base.empty() && base.back() != '\\') base += '\\';
    WIN32_FIND_DATAA found;
    UniqueFindHandle find(FindFirstFileA((base + prefix + "*").c_str(), &found));
    while (find) {
        const std::string path = base + found.cFileName;
        // A run still going holds its lock file open: it cannot be deleted, and the folder stays.
        if (std::string(found.cFileName).size() == prefix.size() + 32 && IsRealFolder(path) &&
            DeleteFileA((path + kLock).c_str()))
            platform::DeleteTree(path);
        if (!FindNextFileA(find.get(), &found)) break;
    }
}

}  // namespace quen::win
