// Memory in another process, for the common-control messages that carry pointers.
#pragma once
#include <windows.h>

#include <cstddef>

namespace quen::driver {

// A block in the process that owns `window`; messages such as LVM_GETITEMTEXTW take
// pointers into it, since Windows does not copy their structures between processes.
class RemoteBlock {
public:
    explicit RemoteBlock(HWND window, size_t size = 65536);
    ~RemoteBlock();
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    LPARAM At(size_t offset) const { return reinterpret_cast<LPARAM>(static_cast<char*>(base_) + offset); }
    void Write(size_t offset, const void* data, size_t size);
    void Read(size_t offset, void* data, size_t size) const;
    // Leaves the block to the other process (it frees what a posted message hands it).
    void Keep() { base_ = nullptr; }

private:
    HANDLE process_ = nullptr;
    void* base_ = nullptr;
};

}  // namespace quen::driver
