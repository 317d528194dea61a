// The sum vector for the triangle as the pupil left it: a+b grows from A towards C in equal
// steps with its letter at the middle, then blinks and comes to rest exactly on C.
#include <cmath>

#include "form1.h"
#include "kit/arrow.h"
#include "kit/trig.h"

namespace vecadd {

namespace {
constexpr int kGrowthTicks = 120;
constexpr int kBlinkTicks = 6;  // three times off and on again
}  // namespace

kit::GrowThenBlink Form1::sum() {
  return {Line7, Line8, Line9, Timer4, Timer5, n, k, kGrowthTicks, kBlinkTicks};
}

void Form1::Command2_Click() {
  if (Timer1.Enabled() || Timer2.Enabled() || Timer3.Enabled()) return;
  const double ax = Line1.X1, ay = Line1.Y1, cx = Line4.X2, cy = Line4.Y2;
  sum().start(ax, ay);
  jiao = cx != ax ? static_cast<float>(kit::trig::atan((cy - ay) / (cx - ax))) : 0.0f;
}

void Form1::Timer4_Timer() {
  // The step follows A and C as they are now, so a drag during the growth bends its course.
  const float dx = static_cast<float>((double(Line4.X2) - Line1.X1) / kGrowthTicks);
  const double dy = (double(Line4.Y2) - Line1.Y1) / kGrowthTicks;
  sum().growStep(dx, dy);
  Label6.Visible = true;
  kit::placeVectorLetter(Label6, Line7);
  kit::headAtTip(Line7, Line8, Line9, kHead, jiao);
}

void Form1::Timer5_Timer() {
  sum().blinkStep(Line4.X2, Line4.Y2);  // the growth may have ended short of C: settle on it
  kit::headAtTip(Line7, Line8, Line9, kHead, jiao);
}

}  // namespace vecadd
