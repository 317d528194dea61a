// An arrow constructed before the pupil's eyes: it grows from its tail in equal steps, one a
// tick of its growth timer, then blinks on its blink timer and comes to rest on its target.
// The handlers work out each step and turn the head; this keeps the counting and the hand-over.
#pragma once

#include "controls.h"

namespace kit {

struct GrowThenBlink {
  Line& shaft;
  Line& p;  // the head lines, shown and hidden with the shaft
  Line& q;
  Timer& growth;
  Timer& blink;
  int& grown;    // growth ticks so far; back to 0 when the growth ends
  int& blinked;  // blink ticks so far; back to 0 when the blink ends
  int growthTicks;
  int blinkTicks;  // hidden on odd counts, shown on even ones: an even count ends shown

  // Shows the arrow as a point at (x, y) and starts its growth, stopping a blink that still
  // runs. The counters are kept: a start during a run shortens the rest of it.
  void start(double x, double y) const;
  // One growth tick: the tip moves on by (dx, dy); the last one hands over to the blink.
  void growStep(double dx, double dy) const;
  // One blink tick: the tip settles on (x, y), where the growth may have ended short of it.
  void blinkStep(double x, double y) const;
};

}  // namespace kit
