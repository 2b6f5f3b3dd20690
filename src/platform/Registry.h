// Registry hives, value types, and the registry seam the patch engine is written against.
#pragma once

#include <cstdint>
#include <string>

namespace quen::platform {

// Hive handle values as the registry defines them (32-bit; the Win32 layer widens them).
inline constexpr std::uint32_t kHiveClassesRoot = 0x80000000u;
inline constexpr std::uint32_t kHiveCurrentUser = 0x80000001u;
inline constexpr std::uint32_t kHiveLocalMachine = 0x80000002u;
inline constexpr std::uint32_t kHiveUsers = 0x80000003u;
inline constexpr std::uint32_t kHivePerformanceData = 0x80000004u;
inline constexpr std::uint32_t kHiveCurrentConfig = 0x80000005u;
inline constexpr std::uint32_t kHiveDynData = 0x80000006u;

// Value types handled by number; any other number is written as text with that type.
inline constexpr int kRegString = 1;
inline constexpr int kRegBinary = 3;
inline constexpr int kRegDword = 4;

// True for the hives whose values may be set and read (HKCR .. HKU).
constexpr bool IsValueHive(std::uint32_t hive) { return hive >= kHiveClassesRoot && hive <= kHiveUsers; }

// Registry access with the text forms of RegisterClass: data is text (string; binary set as
// a decimal list and read as an upper-case hexadecimal list; 32-bit number as decimal).
// Implementations show the same messages as RegisterClass ("Unknow MainKey", "SetValue Error").
// How reading a value as stored ended: only a missing key or value counts as absent.
enum class StoredRead { Found, Absent, Failed };

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // Writes a value, creating the key when it is missing. An empty name is the default value.
    virtual bool SetValue(std::uint32_t hive, const std::string& subKey, const std::string& name, int type,
                          const std::string& data) = 0;
    // Reads a value as the given type; data is left unchanged on failure.
    virtual bool ReadValue(std::uint32_t hive, const std::string& subKey, const std::string& name, int type,
                           std::string& data) = 0;
    // Reads a value's registry type and bytes exactly as stored, whatever the type. A hive
    // outside HKCR..HKU gives the "Unknow MainKey" message and Failed.
    virtual StoredRead ReadStored(std::uint32_t hive, const std::string& subKey, const std::string& name,
                                  std::uint32_t& type, std::string& bytes) = 0;
    // Writes a value's registry type and bytes exactly as given (what ReadStored read),
    // creating the key when it is missing; no message.
    virtual bool WriteStored(std::uint32_t hive, const std::string& subKey, const std::string& name,
                             std::uint32_t type, const std::string& bytes) = 0;
    virtual bool DelValue(std::uint32_t hive, const std::string& subKey, const std::string& name) = 0;
    // Deletes hive\path itself; it must have no sub keys.
    virtual bool DelSubKey(std::uint32_t hive, const std::string& path) = 0;
    virtual bool AddSubKey(std::uint32_t hive, const std::string& path) = 0;
};

}  // namespace quen::platform
