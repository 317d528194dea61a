// The tip is moved in double from the single-precision coordinates and stored back, so a
// step lands where the lessons' own arithmetic puts it.
#include "growblink.h"

namespace kit {

void GrowThenBlink::start(double x, double y) const {
  shaft.Visible = p.Visible = q.Visible = true;
  shaft.place(x, y, x, y);
  blink.setEnabled(false);
  growth.setEnabled(true);
}

void GrowThenBlink::growStep(double dx, double dy) const {
  ++grown;
  shaft.X2 = shaft.X2 + dx;
  shaft.Y2 = shaft.Y2 + dy;
  if (grown == growthTicks) {
    growth.setEnabled(false);
    blink.setEnabled(true);
    grown = 0;
  }
}

void GrowThenBlink::blinkStep(double x, double y) const {
  ++blinked;
  shaft.X2 = x;
  shaft.Y2 = y;
  shaft.Visible = p.Visible = q.Visible = blinked % 2 == 0;
  if (blinked == blinkTicks) {
    blink.setEnabled(false);
    blinked = 0;
  }
}

}  // namespace kit
