// What must hold after every event, whatever the pupil did: for every window, and for each
// program the rules its animations keep.
#pragma once

#include <functional>
#include <string>

namespace kit {
class Form;
}

namespace storm {

// Empty when all is well, otherwise what is wrong.
using Check = std::function<std::string(const kit::Form&)>;

// No handler still running or run inside another, every position and variable a finite
// number, the window a sensible size.
std::string checkWindow(const kit::Form& form);

// The program's own rules (which timers may run together, counter ranges, start-up timers
// that run once), after the window checks; a program without rules of its own gets those.
Check checkFor(const std::string& program);

}  // namespace storm
