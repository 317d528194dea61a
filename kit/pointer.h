// The mouse as the lessons read it: the code of the left button in a move event, and the
// distance from the pointer by which a press picks the point it takes.
#pragma once

#include "input.h"

namespace kit {

constexpr int kLeftButton = buttons::kLeft;

// From the pointer (x, y) to the point (px, py), in surface units.
double pointerDistance(float x, float y, double px, double py);

}  // namespace kit
