// How the difference encoder reports progress: the make dialog and the console maker
// each implement it; the encoder itself shows nothing.
#pragma once

namespace quen {

class CompareProgress {
public:
    virtual ~CompareProgress() = default;
    // The share of the new file reached so far, 0 to 100; never falls, ends at 100.
    // Called about every 8192 positions; an implementation may pump window events here.
    virtual void Reached(double percent) = 0;
};

}  // namespace quen
