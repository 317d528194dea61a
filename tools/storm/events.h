// The events a pupil can cause, drawn for one window's controls and written as driver command
// lines, so that any failing sequence replays as a script.
#pragma once

#include <string>
#include <vector>

#include "choices.h"

namespace kit {
class Form;
}

namespace storm {

// Texts a pupil might type or paste: empty, stray signs and points, numbers beyond every
// range, words, full-width digits, very long texts and bytes that are not UTF-8.
const std::vector<std::string>& hostileTexts();

// One press, move, click, keystroke, paste or stretch of time.
std::string nextEvent(const kit::Form& form, Choices& choices);

}  // namespace storm
