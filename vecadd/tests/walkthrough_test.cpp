// The start-up window and the three legs of the walk: their figures, their pace, and what the
// buttons do while they play.
#include <cmath>

#include "scenario.h"

namespace {

using Walkthrough = Scenario;

TEST_F(Walkthrough, StartsWithTheSceneryInSurfaceUnitsAndNothingMoves) {
  expectAt(form.Line1.X1, form.Line1.Y1, 885 / 5.94, 1000 - 1080 / 5.94);
  EXPECT_TRUE(form.Image1.Visible && form.Image4.Visible && form.Command1.Visible);
  EXPECT_FALSE(form.Image5.Visible || form.Line1.Visible || form.Label1.Visible ||
               form.Shape1.Visible || form.Command2.Visible || form.Text1.Visible);
  const std::string before = state();
  run("run 5000\ndown 1 0 150 800\nmove 1 0 500 500\ndown 2 0 149 818");
  EXPECT_EQ(state(), before);
}

TEST_F(Walkthrough, VectorAComesIntoViewOnceTheWalkerLeavesTheHouse) {
  run("click Command1\ntick Timer1 60");
  EXPECT_EQ(float(form.Image4.Top), 800);
  EXPECT_FALSE(form.Line1.Visible);
  run("tick Timer1");
  EXPECT_TRUE(form.Line1.Visible && form.Line2.Visible && form.Shape1.Visible);
  expectAt(form.Line1.X2, form.Line1.Y2, 149, 797 + 30);
}

TEST_F(Walkthrough, PlaysItsThreeLegsInAboutFourThenThreeAndAHalfSecondsEach) {
  run("click Command1");
  const double leg1 = 277 * 1000.0 / 64, leg2 = leg1 + 210 * 17, leg3 = leg2 + 210 * 17;
  script.clock().advanceTo(leg1 - 0.01);
  EXPECT_TRUE(form.Timer1.Enabled());
  expectAt(form.Line1.X2, form.Line1.Y2, 149, 182);  // tick 276 moved a for the last time
  script.clock().advanceTo(leg1);
  EXPECT_EQ(float(form.Image4.Top), 149);
  expectAt(form.Line1.X2, form.Line1.Y2, 149, 182);
  EXPECT_TRUE(form.Timer2.Enabled() && form.Label2.Visible && form.Shape2.Visible);

  script.clock().advanceTo(leg2 - 0.01);
  EXPECT_TRUE(form.Timer2.Enabled());
  script.clock().advanceTo(leg2);
  EXPECT_TRUE(form.Timer3.Enabled() && form.Label3.Visible);
  expectAt(form.Line4.X1, form.Line4.Y1, 149, 188);
  expectAt(form.Line4.X2, form.Line4.Y2, 779, 285.9, 0.05);
  expectAt(form.Line6.X2, form.Line6.Y2, form.Line4.X2, form.Line4.Y2);
  expectAt(form.Image4.Left, form.Image4.Top, 815, 341.6, 0.05);
  EXPECT_EQ(form.s1 + form.s2, 0);

  script.clock().advanceTo(leg3 - 0.01);
  EXPECT_FALSE(form.Command2.Visible);
  script.clock().advanceTo(leg3);
  EXPECT_FALSE(form.Timer3.Enabled());
  expectAt(form.Line7.X1, form.Line7.Y1, 149, 810.6);
  expectAt(form.Line7.X2, form.Line7.Y2, 779, 285.8, 0.05);
  expectAt(form.Image5.Left, form.Image5.Top, 147 + 210 * 3.2,
           800 - 210 * 3.2 * 0.95 / std::sqrt(1 + 0.95 * 0.95));
  EXPECT_TRUE(form.Command2.Visible && form.Text1.Visible && form.Image5.Visible);
  EXPECT_EQ(form.s3 + form.s4, 0);
}

TEST_F(Walkthrough, ASecondPressStopsTheFirstLegAndAThirdStartsAgainFromTheHouse) {
  run("click Command1\ntick Timer1 100\nclick Command1");
  EXPECT_FALSE(form.Timer1.Enabled());
  EXPECT_EQ(float(form.Image4.Top), 680);  // left where it was
  EXPECT_FALSE(form.Line1.Visible || form.Label1.Visible);
  EXPECT_TRUE(form.Shape1.Visible);  // the marks are not cleared
  const std::string stopped = state();
  run("run 1000\ndown 1 0 149 700");
  EXPECT_EQ(state(), stopped);

  run("click Command1");
  EXPECT_TRUE(form.Timer1.Enabled());
  expectAt(form.Image4.Left, form.Image4.Top, 83, 980);
}

TEST_F(Walkthrough, ButtonsAndTheMouseAreIgnoredDuringTheSecondAndThirdLegs) {
  run("click Command1\nrun 4400");
  for (kit::Timer* leg : {&form.Timer2, &form.Timer3}) {
    ASSERT_TRUE(leg->Enabled());
    const std::string before = state();
    run("click Command1\nclick Command2\ndown 1 0 149 182\nmove 1 0 300 300");
    EXPECT_EQ(state(), before);
    run("run 3600");
  }
}

}  // namespace
