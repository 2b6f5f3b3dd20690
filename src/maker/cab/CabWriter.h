// Writes one Microsoft Cabinet, from files held in memory or added one at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "maker/CompFormat.h"
#include "maker/cab/CabFormat.h"

namespace quen::cab {

struct CabEntry {
    std::string name;             // stored name, in the system code page
    Bytes data;
    std::uint16_t dosDate = 0x21;  // 1980-01-01
    std::uint16_t dosTime = 0;
};

struct CabSettings {
    CompressionMethod method = kLzx;
    int lzxWindowBits = kLzxWindowMax;  // kLzxWindowMin..kLzxWindowMax
    int level = 7;                     // 1 (fastest) .. 7 (smallest)
    bool lzxE8 = true;                 // translate x86 call targets before LZX
    // A new folder starts before a file that would take the folder past this size; a
    // larger file gets a folder of its own. Folders are what a writer holds at once (and
    // encodes side by side), so the default keeps them small against the compression
    // window, whose history a new folder loses.
    std::uint32_t folderThreshold = kDefaultFolderBytes;
    unsigned threads = 1;  // folders encoded side by side
};

// A cabinet built file by file: each full folder is encoded (up to `threads` at once) and
// its data blocks handed to `sink` in order, so no more than `threads` folders' files are
// held at once. Finish() gives the header, folder and file records, which go before
// everything the sink received. Throws quen::Error for a file or a cabinet over the
// format's limits.
class CabinetBuilder {
public:
    using Sink = std::function<void(const Bytes& blocks)>;
    CabinetBuilder(const CabSettings& settings, Sink sink);
    void Add(CabEntry file);
    Bytes Finish();

private:
    struct Folder {
        std::vector<CabEntry> files;
        std::uint64_t bytes = 0;
    };
    struct Record {
        std::string name;
        std::uint32_t size, offset;
        std::uint16_t folder, dosDate, dosTime;
    };
    void CloseFolder();
    void EncodePending();

    CabSettings settings_;
    Sink sink_;
    Folder open_;
    std::vector<Folder> pending_;
    std::vector<Record> records_;
    std::vector<std::pair<std::uint64_t, std::uint16_t>> folders_;  // data offset, block count
    std::uint64_t dataBytes_ = 0;
};

// The whole cabinet. Throws quen::Error for a file or a cabinet over the format's limits.
Bytes WriteCabinet(const std::vector<CabEntry>& files, const CabSettings& settings);

// The data blocks of one folder, compressed with the settings' method: one payload per
// kBlockSize bytes of `data`, the last one shorter.
std::vector<Bytes> EncodeFolder(ByteView data, const CabSettings& settings);

}  // namespace quen::cab
