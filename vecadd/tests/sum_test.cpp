// The sum vector for a reshaped triangle: growth from A to C, the blinks, and what a second press
// or a drag does to them.
#include <cmath>

#include "scenario.h"

namespace {

class SumTest : public Scenario {
 protected:
  void SetUp() override {
    walkThrough();
    run("down 1 0 300 700\ndown 1 0 600 150");  // A to (300, 700), C to (600, 150)
  }
  // Where the tip of a+b stands after `steps` of the 120 steps from A to C.
  void expectTipAfter(int steps) {
    expectAt(form.Line7.X2, form.Line7.Y2, 300 + 300.0 * steps / 120, 700 - 550.0 * steps / 120);
  }
  int ticksUntilTimer5Stops() {
    int ticks = 0;
    for (; form.Timer5.Enabled() && ticks < 100; ++ticks) run("tick Timer5");
    return ticks;
  }
};

TEST_F(SumTest, GrowsFromAToCThenBlinksThreeTimesAndRestsOnC) {
  run("click Command2");
  EXPECT_TRUE(form.Line7.Visible && form.Line9.Visible);
  expectAt(form.Line7.X2, form.Line7.Y2, 300, 700);  // collapsed onto A
  EXPECT_FLOAT_EQ(form.jiao, float(std::atan(-550.0 / 300)));

  run("tick Timer4 60");
  expectTipAfter(60);
  expectHead(form.Line7, form.Line8, form.Line9);
  EXPECT_TRUE(form.Label6.Visible);
  expectAt(form.Label6.Left, form.Label6.Top, 375, 562.5);

  run("tick Timer4 60");
  EXPECT_TRUE(!form.Timer4.Enabled() && form.Timer5.Enabled());
  EXPECT_EQ(form.n, 0);
  expectTipAfter(120);

  for (int k = 1; k <= 6; ++k) {
    run("tick Timer5");
    EXPECT_EQ(form.Line7.Visible, k % 2 == 0) << "blink " << k;
    EXPECT_EQ(form.Line8.Visible, k % 2 == 0) << "blink " << k;
    expectAt(form.Line7.X2, form.Line7.Y2, 600, 150, 0);
  }
  EXPECT_FALSE(form.Timer5.Enabled());
  EXPECT_EQ(form.k, 0);
  expectHead(form.Line7, form.Line8, form.Line9);
}

TEST_F(SumTest, PressingAgainDuringGrowthRestartsFromAButKeepsCounting) {
  run("click Command2\ntick Timer4 50\nclick Command2");
  EXPECT_EQ(float(form.Line7.X2), 300);
  EXPECT_EQ(form.n, 50);
  run("tick Timer4 120");  // stops after 70 more
  EXPECT_TRUE(form.Timer5.Enabled());
  expectTipAfter(70);  // short of C
  run("tick Timer5");
  expectAt(form.Line7.X2, form.Line7.Y2, 600, 150, 0);  // the first blink puts it on C
}

TEST_F(SumTest, PressingAgainDuringTheBlinksLeavesFewerBlinks) {
  run("click Command2\ntick Timer4 120\ntick Timer5 3");
  EXPECT_FALSE(form.Line7.Visible);
  run("click Command2");
  EXPECT_FALSE(form.Timer5.Enabled());
  EXPECT_EQ(form.k, 3);
  EXPECT_TRUE(form.Line7.Visible);
  run("tick Timer4 120");
  EXPECT_EQ(ticksUntilTimer5Stops(), 3);
  EXPECT_TRUE(form.Line7.Visible);
  EXPECT_EQ(float(form.Line7.X2), 600);
}

TEST_F(SumTest, ADragDuringGrowthHidesTheSumButTheGrowthFollowsTheNewC) {
  run("click Command2\ntick Timer4 60\ndown 1 0 650 100");  // C to (650, 100)
  EXPECT_TRUE(form.Timer4.Enabled());
  EXPECT_FALSE(form.Line7.Visible || form.Label6.Visible);
  const float before = form.Line7.X2;
  run("tick Timer4");
  EXPECT_NEAR(form.Line7.X2, before + 350.0 / 120, 1e-3);
  EXPECT_TRUE(form.Label6.Visible);
  run("tick Timer4 59");
  EXPECT_EQ(ticksUntilTimer5Stops(), 6);
  EXPECT_TRUE(form.Line7.Visible);
  expectAt(form.Line7.X2, form.Line7.Y2, 650, 100, 0);
}

TEST_F(SumTest, OnlyAPressClearsTheFinishedSumAMoveKeepsItsLines) {
  run("click Command2\nrun 4000\nmove 1 0 650 100");
  EXPECT_EQ(float(form.Line4.X2), 650);
  EXPECT_TRUE(form.Line7.Visible && form.Line8.Visible);
  EXPECT_FALSE(form.Label6.Visible);
  run("down 1 0 650 100");
  EXPECT_FALSE(form.Line7.Visible || form.Line9.Visible);
}

}  // namespace
