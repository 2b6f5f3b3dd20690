// The picture and icon rules of the patch options: path forms, picture kinds, 32 x 32 icons.
#pragma once

#include <string>

namespace quen {

// "X:\..." is used as it is; ".\..." lies below the program folder; anything else is
// missing (empty result).
std::string ResolveOptionPath(const std::string& path, const std::string& programFolder);

// The text after the last "." upper-cased is BMP, JPG, JPEG, GIF, WMF, EMF or RLE.
bool IsPictureFileName(const std::string& path);

// The file name ends in ".ico" (any case).
bool IsIconFileName(const std::string& path);

// The one-line form of a text box: line breaks pasted into it are dropped.
std::string OneLine(const std::string& text);

// Text without double quotes, as the window title and text boxes take it.
std::string WithoutQuotes(const std::string& text);

}  // namespace quen
