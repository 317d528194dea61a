// The difference vectors: "作a-b" grows the red arrow from B to A, "作 b-a" from A to B, each in
// 120 equal steps of the vector as it stands at every tick, then six blink ticks that leave it
// shown with its tip exactly on its target. One arrow serves both, so each button refuses to
// start while the other construction still runs.
#include "form1.h"
#include "kit/arrow.h"

namespace vecsub {

namespace {
constexpr int kGrowthTicks = 120;
constexpr int kBlinkTicks = 6;  // hidden on odd counts, shown on even ones: ends shown
}  // namespace

// Both constructions draw with the one red arrow, Line7 with its head Line8 and Line9.
kit::GrowThenBlink Form1::redArrow(kit::Timer& growth, kit::Timer& blink, int& grown,
                                   int& blinked) {
  return {Line7, Line8, Line9, growth, blink, grown, blinked, kGrowthTicks, kBlinkTicks};
}

Form1::Construction Form1::aMinusB() {
  return {Line4, Line1, Label7, Label6, redArrow(Timer1, Timer2, count1, count2)};
}

Form1::Construction Form1::bMinusA() {
  return {Line1, Line4, Label6, Label7, redArrow(Timer4, Timer5, count4, count5)};
}

void Form1::start(const Construction& c, const kit::Timer& otherGrowth,
                  const kit::Timer& otherBlink) {
  if (otherGrowth.Enabled() || otherBlink.Enabled()) return;
  c.otherLetter.Visible = false;
  c.arrow.start(c.from.X2, c.from.Y2);
}

void Form1::grow(const Construction& c) {
  // The step follows A and B as they are now, so a drag during the growth bends its course.
  const double dx = (double(c.to.X2) - c.from.X2) / kGrowthTicks;
  const double dy = (double(c.to.Y2) - c.from.Y2) / kGrowthTicks;
  c.arrow.growStep(dx, dy);
  c.letter.Visible = true;
  kit::placeVectorLetter(c.letter, Line7);
  kit::headAtTip(Line7, Line8, Line9, kHead, jiao);
}

void Form1::blink(const Construction& c) {
  c.arrow.blinkStep(c.to.X2, c.to.Y2);  // the growth may have ended short of the target
  kit::headAtTip(Line7, Line8, Line9, kHead, jiao);
}

void Form1::Command1_Click() {
  start(aMinusB(), Timer4, Timer5);
}
void Form1::Command2_Click() {
  start(bMinusA(), Timer1, Timer2);
}
void Form1::Timer1_Timer() {
  grow(aMinusB());
}
void Form1::Timer2_Timer() {
  blink(aMinusB());
}
void Form1::Timer4_Timer() {
  grow(bMinusA());
}
void Form1::Timer5_Timer() {
  blink(bMinusA());
}

}  // namespace vecsub
