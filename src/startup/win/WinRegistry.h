// The registry seam on the real registry, through RegisterClass.
#pragma once

#include "platform/Registry.h"

namespace quen::win {

class WinRegistry final : public platform::IRegistry {
public:
    bool SetValue(std::uint32_t hive, const std::string& subKey, const std::string& name, int type,
                  const std::string& data) override;
    bool ReadValue(std::uint32_t hive, const std::string& subKey, const std::string& name, int type,
                   std::string& data) override;
    platform::StoredRead ReadStored(std::uint32_t hive, const std::string& subKey, const std::string& name,
                                    std::uint32_t& type, std::string& bytes) override;
    bool WriteStored(std::uint32_t hive, const std::string& subKey, const std::string& name, std::uint32_t type,
                     const std::string& bytes) override;
    bool DelValue(std::uint32_t hive, const std::string& subKey, const std::string& name) override;
    bool DelSubKey(std::uint32_t hive, const std::string& path) override;
    bool AddSubKey(std::uint32_t hive, const std::string& path) override;
};

}  // namespace quen::win
