// The state dump: one line of JSON with the named controls (or all), the window, the
// window-level variables, the messages shown since the previous dump and the drawing.
#pragma once

#include <string>
#include <vector>

namespace kit {
class Form;
}

namespace kit {

// Every control, or those named, which must be the form's (the script reader checks them).
std::string dumpState(kit::Form& form, const std::vector<std::string>& names);

}  // namespace kit
