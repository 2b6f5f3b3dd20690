// RegisterClass: the program's access to the registry through a current key (hive and sub key).
#pragma once

#include <cstdint>
#include <string>

#include "platform/Registry.h"

// windows.h maps RegisterClass to RegisterClassA; this class keeps its own name wherever
// the header is included.
#ifdef RegisterClass
#undef RegisterClass
#endif

namespace quen {

// Every operation opens MainKey\SubKey with access 2003F (hex) and closes it before
// returning; nothing stays open between calls. Callers set MainKey and SubKey first.
class RegisterClass {
public:
    std::uint32_t MainKey = 0;  // a platform::kHive... value
    std::string SubKey;         // empty: the hive itself

    // Writes value `name` (empty: the default value) of `type` from its text form,
    // creating the key when it is missing. Shows "Unknow MainKey" for a hive outside
    // HKCR..HKU and "SetValue Error" when the data does not convert or the registry
    // refuses the write; returns False then. A key that cannot be opened even after
    // creating it gives False without a message.
    bool SetValue(const std::string& name, int type, const std::string& data);

    // Reads value `name` as `type` into `data` (1: text up to 1023 characters, a longer
    // one gives False; 3: upper-case hexadecimal list; 4: signed decimal). Other types
    // read nothing and return True with `data` unchanged.
    bool ReadValue(const std::string& name, int type, std::string& data);

    // Reads value `name` as stored: its registry type and every byte of its data. Shows
    // "Unknow MainKey" for a hive outside HKCR..HKU and gives Failed then.
    platform::StoredRead ReadStored(const std::string& name, std::uint32_t& type, std::string& bytes);

    // Writes value `name` with exactly this registry type and these bytes, creating the key
    // when it is missing; no message (an undo reports what it could not put back).
    bool WriteStored(const std::string& name, std::uint32_t type, const std::string& bytes);

    bool DelValue(const std::string& name);

    // Deletes MainKey\path itself (not below SubKey); it must have no sub keys.
    bool DelSubKey(const std::string& path);

    // Creates MainKey\SubKey\path, or MainKey\path when SubKey is empty. Callers may
    // ignore the result.
    bool AddSubKey(const std::string& path);
};

}  // namespace quen
