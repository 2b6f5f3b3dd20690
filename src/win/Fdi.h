// Move-only owner of an FDI context (cabinet.dll's decompression interface).
#pragma once

#include <windows.h>
#include <fdi.h>

#include "win/Handles.h"

namespace quen::win {

struct FdiTraits {
    using Type = HFDI;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr; }
    static void Close(Type h) noexcept { FDIDestroy(h); }
};

using UniqueFdi = UniqueResource<FdiTraits>;

}  // namespace quen::win
