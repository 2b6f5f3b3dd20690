// Scoped COM initialization of the calling thread (single-threaded apartment).
#pragma once

#include <objbase.h>

namespace quen::win {

// Initializes COM for this thread and balances it on destruction; a thread already in
// another apartment keeps it (the call then fails and nothing is undone).
class ScopedComInit {
public:
    ScopedComInit() noexcept : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ScopedComInit() {
        if (ok_) CoUninitialize();
    }
    ScopedComInit(const ScopedComInit&) = delete;
    ScopedComInit& operator=(const ScopedComInit&) = delete;

private:
    bool ok_;
};

}  // namespace quen::win
