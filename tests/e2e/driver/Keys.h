// The "keys" step: key presses posted to a control as the keyboard sends them.
#pragma once
#include "driver/Step.h"

namespace quen::driver {

// keys TITLE CONTROL TEXT: one key down, character and key up for each character of TEXT.
void KeysStep(const Step& step);

}  // namespace quen::driver
