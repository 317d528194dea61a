// The difference vectors: growth in 120 steps, six blink ticks, the guards between the two
// constructions, and what presses and drags do to a running one.
#include <cmath>

#include "scenario.h"

namespace {

class Difference : public Scenario {
 protected:
  // Where the tip of a-b stands after `steps` of the 120 steps from B to A.
  void expectTipAfter(int steps, double tolerance = 0.01) {
    expectAt(form.Line7.X2, form.Line7.Y2, kBx + (kAx - kBx) * steps / 120,
             kBy + (kAy - kBy) * steps / 120, tolerance);
  }
};

TEST_F(Difference, AMinusBGrowsFromBToAThenBlinksThreeTimesAndStaysShown) {
  run("click Command1");
  EXPECT_TRUE(form.Line7.Visible && form.Line8.Visible && form.Line9.Visible);
  EXPECT_EQ(runningTimer(), &form.Timer1);
  expectAt(form.Line7.X1, form.Line7.Y1, kBx, kBy);
  expectTipAfter(0);

  run("tick Timer1 60");
  expectTipAfter(60);
  expectHead(form.Line7, form.Line8, form.Line9);
  EXPECT_NEAR(form.jiao, std::atan((kAy - kBy) / (kAx - kBx)), 1e-5);
  EXPECT_TRUE(form.Label7.Visible);
  EXPECT_FALSE(form.Label6.Visible);
  expectAt(form.Label7.Left, form.Label7.Top, (kBx + (kAx + kBx) / 2) / 2,
           (kBy + (kAy + kBy) / 2) / 2);

  run("tick Timer1 60");
  EXPECT_EQ(runningTimer(), &form.Timer2);
  EXPECT_EQ(form.count1, 0);
  expectTipAfter(120);
  expectAt(form.Label7.Left, form.Label7.Top, (kAx + kBx) / 2, (kAy + kBy) / 2, 0.01);

  for (int k = 1; k <= 6; ++k) {
    run("tick Timer2");
    EXPECT_EQ(form.Line7.Visible, k % 2 == 0) << "blink " << k;
    EXPECT_EQ(form.Line9.Visible, k % 2 == 0) << "blink " << k;
    EXPECT_EQ(float(form.Line7.X2), float(form.Line1.X2));  // exactly on A
    EXPECT_EQ(float(form.Line7.Y2), float(form.Line1.Y2));
    EXPECT_TRUE(form.Label7.Visible);
  }
  EXPECT_EQ(runningTimer(), nullptr);
  EXPECT_EQ(form.count2, 0);
  expectHead(form.Line7, form.Line8, form.Line9);
}

TEST_F(Difference, BMinusAGrowsFromAToBWithItsOwnLetter) {
  run("click Command1\nrun 4000\nclick Command2");
  EXPECT_FALSE(form.Label7.Visible);
  expectAt(form.Line7.X1, form.Line7.Y1, kAx, kAy);
  run("tick Timer4 120");
  EXPECT_EQ(runningTimer(), &form.Timer5);
  EXPECT_EQ(form.count4, 0);
  expectAt(form.Line7.X2, form.Line7.Y2, kBx, kBy, 0.01);
  EXPECT_TRUE(form.Label6.Visible);
  expectAt(form.Label6.Left, form.Label6.Top, (kAx + kBx) / 2, (kAy + kBy) / 2, 0.01);
  EXPECT_EQ(ticksUntilStopped(form.Timer5), 6);
  EXPECT_TRUE(form.Line7.Visible);
  EXPECT_EQ(float(form.Line7.X2), float(form.Line4.X2));
  expectHead(form.Line7, form.Line8, form.Line9);
}

TEST_F(Difference, EachButtonIsRefusedWhileTheOtherConstructionRuns) {
  run("click Command1");
  for (const char* phase : {"tick Timer1 50", "tick Timer1 70", "tick Timer2 3"}) {
    run(phase);
    const std::string before = state();
    run("click Command2");
    EXPECT_EQ(state(), before) << "after " << phase;
  }
  run("tick Timer2 3\nclick Command2");  // a-b has ended: b-a may start
  EXPECT_EQ(runningTimer(), &form.Timer4);
  for (const char* phase : {"tick Timer4 1", "tick Timer4 119", "tick Timer5 5"}) {
    run(phase);
    const std::string before = state();
    run("click Command1");
    EXPECT_EQ(state(), before) << "after " << phase;
  }
}

TEST_F(Difference, PressingAgainDuringTheGrowthRestartsFromBButKeepsCounting) {
  run("click Command1\ntick Timer1 50\nclick Command1");
  expectTipAfter(0);
  EXPECT_EQ(form.count1, 50);
  EXPECT_EQ(runningTimer(), &form.Timer1);
  run("tick Timer1 120");  // stops after 70 more
  EXPECT_EQ(runningTimer(), &form.Timer2);
  expectTipAfter(70);  // short of A
  run("tick Timer2");
  EXPECT_EQ(float(form.Line7.X2), float(form.Line1.X2));  // the first blink snaps onto A
  EXPECT_EQ(float(form.Line7.Y2), float(form.Line1.Y2));
}

TEST_F(Difference, PressingAgainDuringTheBlinkLeavesFewerBlinksNextTime) {
  run("click Command1\ntick Timer1 120\ntick Timer2 3");
  EXPECT_FALSE(form.Line7.Visible);
  run("click Command1");
  EXPECT_EQ(runningTimer(), &form.Timer1);
  EXPECT_EQ(form.count2, 3);
  EXPECT_TRUE(form.Line7.Visible);
  run("tick Timer1 120");
  EXPECT_EQ(ticksUntilStopped(form.Timer2), 3);
  EXPECT_TRUE(form.Line7.Visible && form.Line8.Visible);
  EXPECT_EQ(form.count2, 0);
}

TEST_F(Difference, APointSizedDifferenceKeepsItsOldHeadEnds) {
  // The mouse cannot put B on A (the point under the pointer always wins), so set it directly.
  form.Line4.X2 = form.Line1.X2;
  form.Line4.Y2 = form.Line1.Y2;
  form.Line5.X1 = form.Line6.X1 = form.Line1.X2;
  form.Line5.Y1 = form.Line6.Y1 = form.Line1.Y2;
  const float p2x = form.Line8.X2, p2y = form.Line8.Y2, q2x = form.Line9.X2;
  run("click Command1\ntick Timer1 30");
  EXPECT_EQ(float(form.Line7.X2), float(form.Line1.X2));
  EXPECT_EQ(float(form.Line7.X1), float(form.Line7.X2));
  EXPECT_EQ(form.jiao, 0);
  EXPECT_EQ(float(form.Line8.X1), float(form.Line1.X2));  // the head starts at the point
  EXPECT_EQ(float(form.Line8.X2), p2x);                   // and keeps its old ends
  EXPECT_EQ(float(form.Line8.Y2), p2y);
  EXPECT_EQ(float(form.Line9.X2), q2x);
}

TEST_F(Difference, AVerticalDifferenceGetsTheNarrowHead) {
  run("down 1 0 " + at(form.Line4.X2, 800));  // A straight above B
  run("click Command1\nrun 4000");
  ASSERT_EQ(float(form.Line7.X1), float(form.Line7.X2));
  const double c75 = 30 * std::cos(75 / 180.0 * 3.14159), s75 = 30 * std::sin(75 / 180.0 * 3.14159);
  expectAt(form.Line8.X2, form.Line8.Y2, kBx - c75, 800 - s75);
  expectAt(form.Line9.X2, form.Line9.Y2, kBx + c75, 800 - s75);
  EXPECT_EQ(form.jiao, 0);
}

TEST_F(Difference, DraggingBDuringTheGrowthBendsTheRestAndTheBlinkSettlesOnA) {
  run("click Command1\ntick Timer1 60\ndown 1 0 700 200");  // B to (700, 200)
  EXPECT_EQ(runningTimer(), &form.Timer1);                  // a press stops nothing
  EXPECT_FALSE(form.Line7.Visible || form.Label7.Visible);
  expectAt(form.Line7.X1, form.Line7.Y1, kBx, kBy);  // the tail stays at the old B
  const float x = form.Line7.X2, y = form.Line7.Y2;
  run("tick Timer1");
  expectAt(form.Line7.X2, form.Line7.Y2, x + (kAx - 700) / 120, y + (kAy - 200) / 120);
  EXPECT_TRUE(form.Label7.Visible);
  EXPECT_FALSE(form.Line7.Visible);  // the growth shows only the letter
  run("tick Timer1 59");
  expectAt(form.Line7.X2, form.Line7.Y2, x + 60 * (kAx - 700) / 120, y + 60 * (kAy - 200) / 120,
           0.01);
  run("tick Timer2 2");
  EXPECT_TRUE(form.Line7.Visible);
  EXPECT_EQ(float(form.Line7.X2), float(form.Line1.X2));
  EXPECT_EQ(float(form.Line7.Y2), float(form.Line1.Y2));
}

TEST_F(Difference, TheClockPlaysAGrowthInAboutTwoSecondsAndTheBlinksInAboutTwoMore) {
  run("click Command1");
  script.clock().advanceTo(119 * 1000.0 / 64);
  EXPECT_EQ(runningTimer(), &form.Timer1);
  script.clock().advanceTo(120 * 1000.0 / 64);
  EXPECT_EQ(runningTimer(), &form.Timer2);
  script.clock().advanceTo(120 * 1000.0 / 64 + 6 * 300 - 1);
  EXPECT_EQ(runningTimer(), &form.Timer2);
  script.clock().advanceTo(120 * 1000.0 / 64 + 6 * 300);
  EXPECT_EQ(runningTimer(), nullptr);
}

}  // namespace
