// The parallelogram rule: a copy of b slides along a to A and blinks, then a copy of a slides
// along b to B and blinks; the sum a + b = OM grows from the origin to the fourth corner,
// with "M" at its tip and "a+b" at its middle, and blinks. Every step is one 120th of the
// vectors as they stand at that tick, so a drag during a run bends its course; each blink
// puts its arrow exactly in place.
#include "form1.h"
#include "kit/arrow.h"

namespace veccoord {

namespace {
constexpr int kSteps = 120;
constexpr float kStepsF = 120.0f;  // steps are worked out in single precision
constexpr int kBlinks = 4;         // hidden, shown, hidden, shown

void showArrow(kit::Line& shaft, kit::Line& p, kit::Line& q, bool shown) {
  shaft.Visible = p.Visible = q.Visible = shown;
}

// One of the equal steps of a copy sliding along the vector `along`, its head turned to match;
// returns the shaft angle it used.
float slide(kit::Line& copy, kit::Line& p, kit::Line& q, const kit::Line& along) {
  const float dx = along.X2 / kStepsF, dy = along.Y2 / kStepsF;
  copy.place(copy.X1 + dx, copy.Y1 + dy, copy.X2 + dx, copy.Y2 + dy);
  return static_cast<float>(kit::headAtTip(copy, p, q, kHead));
}

// One blink of a slid copy: hidden on odd counts, shown on even ones, and put exactly from the
// tip of `start` to the fourth corner of the parallelogram, start + other.
void blink(kit::Line& copy, kit::Line& p, kit::Line& q, const kit::Line& start,
           const kit::Line& other, int count) {
  showArrow(copy, p, q, count % 2 == 0);
  copy.place(start.X2, start.Y2, start.X2 + other.X2, start.Y2 + other.Y2);
  kit::headAtTip(copy, p, q, kHead);
}

}  // namespace

void Form1::Command1_Click() {
  Line10.place(0, 0, Line1.X2, Line1.Y2);  // a copy of b, on b
  showArrow(Line10, Line11, Line12, true);
  Timer2.setEnabled(true);
}

void Form1::Timer2_Timer() {
  ++count2;
  angle2 = slide(Line10, Line11, Line12, Line4);
  if (count2 == kSteps) {
    Timer2.setEnabled(false);
    Timer3.setEnabled(true);
    count2 = 0;
  }
}

void Form1::Timer3_Timer() {
  ++count3;
  blink(Line10, Line11, Line12, Line4, Line1, count3);
  if (count3 == kBlinks) {
    Timer3.setEnabled(false);
    Command2_Click();
    count3 = 0;
  }
}

void Form1::Command2_Click() {
  Line13.place(0, 0, Line4.X2, Line4.Y2);  // a copy of a, on a
  showArrow(Line13, Line14, Line15, true);
  Timer4.setEnabled(true);
}

void Form1::Timer4_Timer() {
  ++count4;
  angle4 = slide(Line13, Line14, Line15, Line1);
  if (count4 == kSteps) {
    Timer4.setEnabled(false);
    Timer5.setEnabled(true);
    count4 = 0;
  }
}

void Form1::Timer5_Timer() {
  ++count5;
  blink(Line13, Line14, Line15, Line1, Line4, count5);
  if (count5 == kBlinks) {
    Timer5.setEnabled(false);
    count5 = 0;
  }
}

kit::GrowThenBlink Form1::sum() {
  return {Line7, Line8, Line9, Timer6, Timer7, count6, count7, kSteps, kBlinks};
}

void Form1::Command3_Click() {
  Line7.place(0, 0, 0, 0);
  showArrow(Line7, Line8, Line9, true);
  Timer6.setEnabled(true);
}

void Form1::Timer6_Timer() {
  const float dx = (Line4.X2 + Line1.X2) / kStepsF, dy = (Line4.Y2 + Line1.Y2) / kStepsF;
  sum().growStep(dx, dy);
  Label3.Left = Line7.X2;
  Label3.Top = Line7.Y2;
  Label3.Visible = true;
  Label11.Top = Line7.Y2 / 2.0;
  Label11.Left = Line7.X2 / 2.0;
  Label11.Visible = true;
  kit::headAtTip(Line7, Line8, Line9, kHead);
}

void Form1::Timer7_Timer() {
  sum().blinkStep(Line1.X2 + Line4.X2, Line1.Y2 + Line4.Y2);
  kit::headAtTip(Line7, Line8, Line9, kHead);
}

}  // namespace veccoord
