// The state dump: one line of JSON with the named controls (or all), the window, the
// window-level variables, the messages shown since the previous dump and the drawing.
#pragma once

#include <string>
#include <vector>

namespace kit {
class Form;
}

namespace kit {

// Throws std::invalid_argument naming an unknown control.
std::string dumpState(kit::Form& form, const std::vector<std::string>& names);

}  // namespace kit
