// Loads a picture file (BMP, JPEG, GIF, WMF, EMF, ICO) into a bitmap of a given size.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win/Handles.h"

namespace quen::win {

// The picture scaled to fit width x height (its proportions kept, centred on the window
// colour); empty when the file cannot be read as a picture. COM must be initialized.
UniqueHBitmap LoadPictureFitted(const std::string& path, int width, int height);

}  // namespace quen::win
