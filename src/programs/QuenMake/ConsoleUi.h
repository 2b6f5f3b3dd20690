// Messages of the console maker: the core's message boxes become lines on standard error.
#pragma once

#include <iosfwd>

namespace quen {

// Where the console's message boxes are written (standard error by default).
void SetConsoleMessageStream(std::ostream* stream);

}  // namespace quen
