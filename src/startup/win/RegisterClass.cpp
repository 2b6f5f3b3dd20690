// RegisterClass over the ANSI registry functions of advapi32.
#include <windows.h>
#undef RegisterClass

#include "startup/RegisterClass.h"

#include "platform/Ui.h"
#include "startup/ProgramInfo.h"
#include "startup/RegistryText.h"
#include "platform/win/Handles.h"

#include <utility>

namespace quen {
namespace {

constexpr REGSAM kAccess = 0x2003F;
constexpr DWORD kStringBufferChars = 1024;

// Hive values are 32-bit; as handles they are sign-extended (HKEY_CLASSES_ROOT is
// 0xFFFFFFFF80000000 in a 64-bit program).
HKEY ToHkey(std::uint32_t hive) {
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(hive)));
}

std::string JoinKey(const std::string& a, const std::string& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return a + "\\" + b;
}

bool Open(std::uint32_t hive, const std::string& path, win::UniqueHKey& key) {
    return RegOpenKeyExA(ToHkey(hive), path.c_str(), 0, kAccess, key.put()) == ERROR_SUCCESS;
}

bool CheckHive(std::uint32_t hive) {
    if (platform::IsValueHive(hive)) return true;
    platform::ShowMessage("Unknow MainKey", kProgramName, platform::MsgIcon::Exclamation);
    return false;
}

void ShowSetValueError() {
    platform::ShowMessage("SetValue Error", kProgramName, platform::MsgIcon::Exclamation);
}

bool QueryBytes(HKEY key, const std::string& name, std::string& bytes) {
    DWORD size = static_cast<DWORD>(bytes.size());
    auto* buffer = reinterpret_cast<BYTE*>(bytes.data());
    if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, buffer, &size) != ERROR_SUCCESS) return false;
    bytes.resize(size);
    return true;
}

bool QueryBinary(HKEY key, const std::string& name, std::string& bytes) {
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) return false;
    bytes.assign(size, '\0');
    return size == 0 || QueryBytes(key, name, bytes);
}

}  // namespace

bool RegisterClass::SetValue(const std::string& name, int type, const std::string& data) {
    if (!CheckHive(MainKey)) return false;
    // Converted before the key is touched: data that does not convert writes nothing.
    auto bytes = EncodeValueData(type, data);
    if (!bytes) {
        ShowSetValueError();
        return false;
    }
    win::UniqueHKey key;
    if (!Open(MainKey, SubKey, key)) {
        std::string saved = std::exchange(SubKey, std::string());
        AddSubKey(saved);
        SubKey = saved;
        if (!Open(MainKey, SubKey, key)) return false;
    }
    LONG rc = RegSetValueExA(key.get(), name.c_str(), 0, static_cast<DWORD>(type),
                             reinterpret_cast<const BYTE*>(bytes->data()), static_cast<DWORD>(bytes->size()));
    if (rc != ERROR_SUCCESS) {
        ShowSetValueError();
        return false;
    }
    return true;
}

bool RegisterClass::ReadValue(const std::string& name, int type, std::string& data) {
    if (!CheckHive(MainKey)) return false;
    win::UniqueHKey key;
    if (!Open(MainKey, SubKey, key)) return false;
    std::string bytes;
    switch (type) {
        case platform::kRegString: bytes.assign(kStringBufferChars, '\0'); break;
        case platform::kRegDword: bytes.assign(4, '\0'); break;
        case platform::kRegBinary:
            if (!QueryBinary(key.get(), name, bytes)) return false;
            data = DecodeValueData(type, bytes);
            return true;
        default: return true;
    }
    if (!QueryBytes(key.get(), name, bytes)) return false;
    data = DecodeValueData(type, bytes);
    return true;
}

platform::StoredRead RegisterClass::ReadStored(const std::string& name, std::uint32_t& type, std::string& bytes) {
    using platform::StoredRead;
    if (!CheckHive(MainKey)) return StoredRead::Failed;
    win::UniqueHKey key;
    LONG rc = RegOpenKeyExA(ToHkey(MainKey), SubKey.c_str(), 0, kAccess, key.put());
    if (rc == ERROR_FILE_NOT_FOUND) return StoredRead::Absent;
    if (rc != ERROR_SUCCESS) return StoredRead::Failed;
    // The value may grow between the size query and the read: ask again then.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD kind = 0, size = 0;
        rc = RegQueryValueExA(key.get(), name.c_str(), nullptr, &kind, nullptr, &size);
        if (rc == ERROR_FILE_NOT_FOUND) return StoredRead::Absent;
        if (rc != ERROR_SUCCESS) return StoredRead::Failed;
        bytes.assign(size, '\0');
        rc = RegQueryValueExA(key.get(), name.c_str(), nullptr, &kind, reinterpret_cast<BYTE*>(bytes.data()), &size);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS) return rc == ERROR_FILE_NOT_FOUND ? StoredRead::Absent : StoredRead::Failed;
        bytes.resize(size);
        type = kind;
        return StoredRead::Found;
    }
    return StoredRead::Failed;
}

bool RegisterClass::WriteStored(const std::string& name, std::uint32_t type, const std::string& bytes) {
    if (!platform::IsValueHive(MainKey)) return false;
    win::UniqueHKey key;
    DWORD disposition = 0;
    if (RegCreateKeyExA(ToHkey(MainKey), SubKey.c_str(), 0, nullptr, 0, kAccess, nullptr, key.put(), &disposition) !=
        ERROR_SUCCESS)
        return false;
    return RegSetValueExA(key.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool RegisterClass::DelValue(const std::string& name) {
    win::UniqueHKey key;
    if (!Open(MainKey, SubKey, key)) return false;
    return RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS;
}

bool RegisterClass::DelSubKey(const std::string& path) {
    // An empty path would name the hive itself.
    if (path.empty()) return false;
    win::UniqueHKey key;
    if (!Open(MainKey, path, key)) return false;
    return RegDeleteKeyA(key.get(), "") == ERROR_SUCCESS;
}

bool RegisterClass::AddSubKey(const std::string& path) {
    win::UniqueHKey key;
    return RegCreateKeyA(ToHkey(MainKey), JoinKey(SubKey, path).c_str(), key.put()) == ERROR_SUCCESS;
}

}  // namespace quen
