// The grid is drawn in the lessons' own order: a white pixel moves the text position before a
// number is written, so each number sits just below and left of its dot.
#include "axes.h"

#include "canvas.h"

namespace kit {

void drawCoordinateAxes(Canvas& surface) {
  surface.AutoRedraw = true;
  surface.DrawWidth = 2;
  surface.Line(-1.8, 0, 12.8, 0);
  surface.Line(12.5, -0.1, 12.8, 0);
  surface.Line(12.5, 0.1, 12.8, 0);
  surface.Line(0, -1.8, 0, 9.8);
  surface.Line(0.1, 9.5, 0, 9.8);
  surface.Line(-0.1, 9.5, 0, 9.8);

  surface.DrawWidth = 3;
  for (int i = -1; i <= 12; ++i) {
    surface.PSet(i, 0);
    surface.DrawWidth = 1;
    surface.PSet(i - 0.2, -0.1, colors::kWhite);
    surface.DrawWidth = 3;
    if (i != 0) surface.Print(i);
  }
  for (int i = -1; i <= 9; ++i) {
    surface.PSet(0, i);
    if (i != 0) surface.Print(i);
    surface.setFontSize(16);
    if (i == 0) surface.Print("o");  // the origin's letter
    surface.setFontSize(9);
  }
  surface.setFontSize(16);
  surface.PSet(0.2, 9.8, colors::kWhite);
  surface.Print("y");
  surface.PSet(12.6, -0.1, colors::kWhite);
  surface.Print("x");
  surface.setFontSize(9);
}

}  // namespace kit
