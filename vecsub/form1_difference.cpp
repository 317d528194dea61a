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

Form1::Construction Form1::aMinusB() {
  return {Line4, Line1, Label7, Label6, Timer1, Timer2, count1, count2};
}

Form1::Construction Form1::bMinusA() {
  return {Line1, Line4, Label6, Label7, Timer4, Timer5, count4, count5};
}

void Form1::start(const Construction& c, const kit::Timer& otherGrowth,
                  const kit::Timer& otherBlink) {
  if (otherGrowth.Enabled() || otherBlink.Enabled()) return;
  Line7.Visible = Line8.Visible = Line9.Visible = true;
  c.otherLetter.Visible = false;
  // The counters are kept: a press during a run shortens the rest of it.
  Line7.X1 = c.from.X2;
  Line7.X2 = c.from.X2;
  Line7.Y1 = c.from.Y2;
  Line7.Y2 = c.from.Y2;
  c.blink.setEnabled(false);
  c.growth.setEnabled(true);
}

void Form1::grow(const Construction& c) {
  ++c.grown;
  // The step follows A and B as they are now, so a drag during the growth bends its course.
  const double dx = (double(c.to.X2) - c.from.X2) / kGrowthTicks;
  const double dy = (double(c.to.Y2) - c.from.Y2) / kGrowthTicks;
  Line7.X2 = Line7.X2 + dx;
  Line7.Y2 = Line7.Y2 + dy;
  if (c.grown == kGrowthTicks) {
    c.growth.setEnabled(false);
    c.blink.setEnabled(true);
    c.grown = 0;
  }
  c.letter.Visible = true;
  kit::placeVectorLetter(c.letter, Line7);
  kit::headAtTip(Line7, Line8, Line9, kHead, jiao);
}

void Form1::blink(const Construction& c) {
  ++c.blinked;
  Line7.X2 = c.to.X2;  // the growth may have ended short of the target: settle on it
  Line7.Y2 = c.to.Y2;
  Line7.Visible = Line8.Visible = Line9.Visible = c.blinked % 2 == 0;
  kit::headAtTip(Line7, Line8, Line9, kHead, jiao);
  if (c.blinked == kBlinkTicks) {
    c.blink.setEnabled(false);
    c.blinked = 0;
  }
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
