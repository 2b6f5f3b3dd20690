// Move-only owners of Win32 handles: registry keys, kernel and search handles, modules, GDI objects, shell item lists, dropped file lists.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shtypes.h>

#include <utility>

namespace quen::win {

// Owns one handle described by Traits (Type, Invalid(), IsValid(h), Close(h)).
// Closing results are ignored: there is nothing a destructor could do about them.
template <typename Traits>
class UniqueResource {
public:
    using Type = typename Traits::Type;

    UniqueResource() noexcept = default;
    explicit UniqueResource(Type h) noexcept : h_(h) {}
    ~UniqueResource() { reset(); }

    UniqueResource(UniqueResource&& other) noexcept : h_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    Type get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return Traits::IsValid(h_); }

    // Gives up ownership without closing.
    Type release() noexcept { return std::exchange(h_, Traits::Invalid()); }

    void reset(Type h = Traits::Invalid()) noexcept {
        Type old = std::exchange(h_, h);
        if (Traits::IsValid(old)) Traits::Close(old);
    }

    // For out parameters of API calls: closes what is held and returns the slot to fill.
    Type* put() noexcept {
        reset();
        return &h_;
    }

private:
    Type h_ = Traits::Invalid();
};

struct HKeyTraits {
    using Type = HKEY;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr; }
    static void Close(Type h) noexcept { RegCloseKey(h); }
};

// Kernel handles use two "no handle" values: null (threads, processes, events) and
// INVALID_HANDLE_VALUE (files); neither is closed.
struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { CloseHandle(h); }
};

// Search handles of FindFirstFile are closed with FindClose, not CloseHandle.
struct FindHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Type h) noexcept { return h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { FindClose(h); }
};

struct HModuleTraits {
    using Type = HMODULE;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr; }
    static void Close(Type h) noexcept { FreeLibrary(h); }
};

// Item lists returned by the shell are allocated with the COM task allocator.
struct PidlTraits {
    using Type = LPITEMIDLIST;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr; }
    static void Close(Type h) noexcept { CoTaskMemFree(h); }
};

template <typename T>
struct GdiObjectTraits {
    using Type = T;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr; }
    static void Close(Type h) noexcept { DeleteObject(h); }
};

// Icons loaded from files (LoadImage) are destroyed with DestroyIcon.
struct IconTraits {
    using Type = HICON;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr; }
    static void Close(Type h) noexcept { DestroyIcon(h); }
};

// The file list of a drop (WM_DROPFILES) goes back with DragFinish.
struct HDropTraits {
    using Type = HDROP;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr; }
    static void Close(Type h) noexcept { DragFinish(h); }
};

using UniqueHKey = UniqueResource<HKeyTraits>;
using UniqueHandle = UniqueResource<KernelHandleTraits>;
using UniqueFindHandle = UniqueResource<FindHandleTraits>;
using UniqueHModule = UniqueResource<HModuleTraits>;
using UniquePidl = UniqueResource<PidlTraits>;
template <typename T>
using UniqueGdiObject = UniqueResource<GdiObjectTraits<T>>;
using UniqueHFont = UniqueGdiObject<HFONT>;
using UniqueHBitmap = UniqueGdiObject<HBITMAP>;
using UniqueHBrush = UniqueGdiObject<HBRUSH>;
using UniqueHIcon = UniqueResource<IconTraits>;
using UniqueHPen = UniqueGdiObject<HPEN>;
using UniqueHDrop = UniqueResource<HDropTraits>;

}  // namespace quen::win
