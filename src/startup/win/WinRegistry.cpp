// The registry seam on the real registry, through RegisterClass.
#include "startup/win/WinRegistry.h"

#include "startup/RegisterClass.h"

namespace quen::win {
namespace {

RegisterClass At(std::uint32_t hive, const std::string& subKey) {
    RegisterClass reg;
    reg.MainKey = hive;
    reg.SubKey = subKey;
    return reg;
}

}  // namespace

bool WinRegistry::SetValue(std::uint32_t hive, const std::string& subKey, const std::string& name, int type,
                           const std::string& data) {
    return At(hive, subKey).SetValue(name, type, data);
}

bool WinRegistry::ReadValue(std::uint32_t hive, const std::string& subKey, const std::string& name, int type,
                            std::string& data) {
    return At(hive, subKey).ReadValue(name, type, data);
}

platform::StoredRead WinRegistry::ReadStored(std::uint32_t hive, const std::string& subKey, const std::string& name,
                                             std::uint32_t& type, std::string& bytes) {
    return At(hive, subKey).ReadStored(name, type, bytes);
}

bool WinRegistry::WriteStored(std::uint32_t hive, const std::string& subKey, const std::string& name,
                              std::uint32_t type, const std::string& bytes) {
    return At(hive, subKey).WriteStored(name, type, bytes);
}

bool WinRegistry::DelValue(std::uint32_t hive, const std::string& subKey, const std::string& name) {
    return At(hive, subKey).DelValue(name);
}

bool WinRegistry::DelSubKey(std::uint32_t hive, const std::string& path) { return At(hive, "").DelSubKey(path); }

bool WinRegistry::AddSubKey(std::uint32_t hive, const std::string& path) { return At(hive, "").AddSubKey(path); }

}  // namespace quen::win
