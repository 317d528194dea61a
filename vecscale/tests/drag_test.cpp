// Placing the tip A: presses with any button, drags with the left button alone.
#include <cmath>

#include "scenario.h"

namespace {

using DragTest = Scenario;

TEST_F(DragTest, APressMovesTheTipAndCutsTheCaption) {
  run("down 2 0 3.508065 -1.234567");
  EXPECT_FLOAT_EQ(form.Line1.X2, 3.508065f);
  EXPECT_FLOAT_EQ(form.Line1.Y2, -1.234567f);
  EXPECT_EQ(form.Label1.Caption, "A(3.50,-1.2)");
  EXPECT_FLOAT_EQ(form.Label1.Left, 3.508065f - 0.4f);
  EXPECT_FLOAT_EQ(form.Label1.Top, -1.234567f);  // level with the tip, not above it
  EXPECT_FLOAT_EQ(form.Label8.Left, 3.508065f / 2);
  EXPECT_EQ(float(form.Line2.X1), float(form.Line1.X2));
  EXPECT_NEAR(std::hypot(form.Line3.X2 - form.Line1.X2, form.Line3.Y2 - form.Line1.Y2), 0.3, 1e-5);
}

TEST_F(DragTest, OnlyTheLeftButtonAloneDrags) {
  run("move 2 0 5 5\nmove 3 0 5 5\nmove 0 0 5 5");
  EXPECT_EQ(float(form.Line1.X2), 3);
  EXPECT_EQ(float(form.Line1.Y2), 2);
  run("move 1 1 5 5");  // shift does not matter
  EXPECT_EQ(float(form.Line1.X2), 5);
}

TEST_F(DragTest, TheLetterTrailsTheTipByOneMove) {
  run("down 1 0 4 4\nmove 1 0 6 2");
  EXPECT_EQ(float(form.Line1.X2), 6);
  EXPECT_EQ(float(form.Label8.Left), 2);  // the middle of (4, 4), where a stood before the move
  EXPECT_EQ(float(form.Label8.Top), 2);
  run("move 1 0 8 8");
  EXPECT_EQ(float(form.Label8.Left), 3);
  EXPECT_EQ(float(form.Label8.Top), 1);
}

TEST_F(DragTest, AZeroVectorKeepsItsOldHeadEnds) {
  const float oldX = form.Line2.X2, oldY = form.Line2.Y2;
  run("down 1 0 0 0");
  EXPECT_EQ(float(form.Line2.X1), 0);
  EXPECT_EQ(float(form.Line2.X2), oldX);
  EXPECT_EQ(float(form.Line2.Y2), oldY);
  EXPECT_EQ(float(form.Label8.Left), 0);
}

TEST_F(DragTest, StraightUpGetsTheNarrowHead) {
  run("down 1 0 0 5");
  const double k75 = 75 / 180.0 * 3.14159;
  EXPECT_NEAR(form.Line2.X2, -0.3 * std::cos(k75), 1e-6);
  EXPECT_NEAR(form.Line3.X2, 0.3 * std::cos(k75), 1e-6);
  EXPECT_NEAR(form.Line2.Y2, 5 - 0.3 * std::sin(k75), 1e-6);
}

TEST_F(DragTest, APressClearsTheMultipleAndStopsProjections) {
  run("click Command1\ntick Timer6 100\ntick Timer7 4\nclick Command2\nclick Command3\n"
      "tick Timer8 10\ntick Timer9 10\nclick Command4");
  EXPECT_TRUE(form.Timer8.Enabled() && form.Timer9.Enabled());
  run("down 1 0 2 3");
  EXPECT_FALSE(form.Timer8.Enabled());
  EXPECT_FALSE(form.Timer9.Enabled());
  for (const kit::Line* line : {&form.Line7, &form.Line8, &form.Line9, &form.Line18, &form.Line19,
                                &form.Line20, &form.Line21})
    EXPECT_FALSE(line->Visible) << line->name();
  for (const kit::Label* label :
       {&form.Label3, &form.Label4, &form.Label5, &form.Label6, &form.Label7, &form.Label9})
    EXPECT_FALSE(label->Visible) << label->name();
  EXPECT_TRUE(form.Line1.Visible && form.Label1.Visible && form.Label8.Visible);
  EXPECT_TRUE(form.Image1.Visible);  // the formula toggles on its own
  EXPECT_EQ(form.count8, 10);        // a stopped projection keeps its count
  EXPECT_EQ(form.Text1.Text(), "3");
}

TEST_F(DragTest, ADragLeavesTheMultiplesLetterToThePress) {
  run("click Command1\ntick Timer6 100\ntick Timer7 4");
  EXPECT_TRUE(form.Label9.Visible);
  run("move 1 0 2 2");
  EXPECT_TRUE(form.Label9.Visible);
  EXPECT_FALSE(form.Label3.Visible);
  EXPECT_FALSE(form.Line7.Visible);
}

TEST_F(DragTest, TheGrowthGoesOnFromTheMovedTip) {
  run("click Command1\ntick Timer6 50\ndown 1 0 1 1");
  EXPECT_FALSE(form.Line7.Visible);
  EXPECT_TRUE(form.Timer6.Enabled());
  run("tick Timer6 1");
  EXPECT_TRUE(form.Line7.Visible);
  run("tick Timer6 49\ntick Timer7 4");
  EXPECT_EQ(float(form.Line7.X2), 3);
  EXPECT_EQ(form.Label3.Caption, "M(3,3)");
}

}  // namespace
