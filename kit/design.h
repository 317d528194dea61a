// One call per row of a window description: a label, a picture or a round mark with the
// properties the design gives it, so that a form's constructor reads like its design table.
// Positions are in the units the canvas has at that moment (twips before Form_Load scales it).
#pragma once

#include <string>

#include "controls.h"

namespace kit {

void describeLabel(Label& label, std::string caption, const Font& font, Color color, double left,
                   double top, bool visible);
// A picture drawn at its natural size in pixels.
void describePicture(Image& image, std::string picture, double left, double top, int widthPixels,
                     int heightPixels, bool visible);
// A small filled circle, hidden until a handler shows it.
void describeMark(Shape& shape, double left, double top, double sizeTwips, Color fill);

}  // namespace kit
