// cabinet.dll's decompression interface (FDI), loaded from System32 at run time, and a
// move-only owner of an FDI context.
#pragma once

#include <windows.h>
#include <fdi.h>

#include "platform/win/Handles.h"
#include "win/SystemLibrary.h"

namespace quen::win {

// Not imported: a cabinet.dll beside the program would be loaded before it starts.
struct FdiFunctions {
    decltype(&::FDICreate) create = nullptr;
    decltype(&::FDICopy) copy = nullptr;
    decltype(&::FDIDestroy) destroy = nullptr;
    bool Loaded() const { return create && copy && destroy; }
};

inline const FdiFunctions& Fdi() {
    static const FdiFunctions f{SystemFunction<decltype(&::FDICreate)>("cabinet.dll", "FDICreate"),
                                SystemFunction<decltype(&::FDICopy)>("cabinet.dll", "FDICopy"),
                                SystemFunction<decltype(&::FDIDestroy)>("cabinet.dll", "FDIDestroy")};
    return f;
}

struct FdiTraits {
    using Type = HFDI;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr; }
    static void Close(Type h) noexcept { Fdi().destroy(h); }
};

using UniqueFdi = UniqueResource<FdiTraits>;

}  // namespace quen::win
