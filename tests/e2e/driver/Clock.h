// A deadline for the driver's waits, polled in short sleeps.
#pragma once
#include <windows.h>

namespace quen::driver {

class Deadline {
public:
    explicit Deadline(double seconds) : end_(GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000.0)) {}
    bool Passed() const { return GetTickCount64() >= end_; }
    // Sleeps one poll interval; false once the deadline has passed.
    bool Tick() const {
        if (Passed()) return false;
        Sleep(50);
        return true;
    }

private:
    ULONGLONG end_;
};

}  // namespace quen::driver
