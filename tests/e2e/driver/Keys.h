// The "keys" step: key presses posted to a control as the keyboard sends them.
#pragma once
#include "driver/Step.h"

namespace quen::driver {
void KeysStep(const Step& step);  // keys TITLE CONTROL TEXT
}
