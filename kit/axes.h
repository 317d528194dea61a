// The coordinate grid of the coordinate lessons: both axes with their arrowheads, a dot at
// every whole unit with its number, and the letters o, x and y, drawn once into a surface's
// retained drawing.
#pragma once

namespace kit {

class Canvas;

// Keeps the surface's drawing and draws the axes from x = -1.8 to 12.8 and y = -1.8 to 9.8,
// dots and numbers at -1 … 12 and -1 … 9. Leaves the drawing width at 3 and the font at 9 pt.
void drawCoordinateAxes(Canvas& surface);

}  // namespace kit
