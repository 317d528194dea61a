// Aiming the force with the mouse: the tip on its ellipse round H, the head, the label, the arc
// and the angle text on the right side of the ground line, the reset left of H, and drags.
#include <cmath>

#include "scenario.h"

namespace {

class AimTest : public Scenario {
 protected:
  const kit::DrawOp& drawn(std::size_t i) { return form.Picture1.drawing().at(i); }
  // Tip, head and label for the angle j, as the lesson draws them.
  void expectForceAt(double j) {
    const double tipX = 1200 + 1500 * std::cos(j), tipY = 1800 - 1200 * std::sin(j);
    EXPECT_EQ(float(form.Line1.X1), 1200);
    EXPECT_NEAR(form.Line1.X2, tipX, 1e-3);
    EXPECT_NEAR(form.Line1.Y2, tipY, 1e-3);
    // Each head line starts at the tip and leans back from the direction j by pi/7.
    const double spread[] = {-3.14159 / 7, 3.14159 / 7};
    const kit::Line* heads[] = {&form.Line2, &form.Line3};
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(float(heads[i]->X1), float(form.Line1.X2));
      EXPECT_EQ(float(heads[i]->Y1), float(form.Line1.Y2));
      EXPECT_NEAR(heads[i]->X2, tipX - 200 * std::cos(j + spread[i]), 1e-2);
      EXPECT_NEAR(heads[i]->Y2, tipY + 200 * std::sin(j + spread[i]), 1e-2);
    }
    EXPECT_NEAR(form.Label4.Left, tipX + 100, 1e-3);
    EXPECT_NEAR(form.Label4.Top, tipY, 1e-3);
  }
  // The mark: one arc round H, the white dot that placed the text, and the text.
  void expectMark(double start, double end, const std::string& text) {
    ASSERT_EQ(form.Picture1.drawing().size(), 3u);
    EXPECT_EQ(drawn(0).kind, kit::DrawOp::Kind::Arc);
    EXPECT_EQ(drawn(0).x1, 1200);
    EXPECT_EQ(drawn(0).y1, 1800);
    EXPECT_EQ(drawn(0).radius, 200);
    EXPECT_NEAR(drawn(0).start, start, 1e-9);
    EXPECT_NEAR(drawn(0).end, end, 1e-9);
    EXPECT_EQ(drawn(1).color, kit::colors::kWhite);
    EXPECT_EQ(drawn(2).text, text);
    EXPECT_EQ(drawn(2).x1, drawn(1).x1);
    EXPECT_EQ(drawn(2).y1, drawn(1).y1);
  }
};

TEST_F(AimTest, PressAboveTheGroundTurnsTheForceUpAndMarksTheAngle) {
  run("down 1 0 2700 1200");
  EXPECT_NEAR(form.jiaodu, 0.3805, 1e-4);
  EXPECT_NEAR(form.Line1.X2, 2593, 1);
  EXPECT_NEAR(form.Line1.Y2, 1354, 1);
  expectForceAt(form.jiaodu);
  expectMark(0, form.jiaodu, "α=21.8°");
  EXPECT_NEAR(drawn(2).x1, 1200 + 300 * std::cos(2 * form.jiaodu / 3), 1e-9);
  EXPECT_NEAR(drawn(2).y1, 1800 - 300 * std::sin(form.jiaodu), 1e-9);  // above the ground
  EXPECT_TRUE(form.Line4.Visible);
  EXPECT_EQ(float(form.Line4.X2), 2700);

  run("down 1 0 1215 600");  // just right of H and high up: nearly vertical
  expectForceAt(form.jiaodu);
  EXPECT_NEAR(form.Line1.X2, 1219, 0.5);
  EXPECT_NEAR(form.Line1.Y2, 600, 0.5);
  expectMark(0, form.jiaodu, "α=89.2°");
}

TEST_F(AimTest, PressBelowTheGroundShowsTheSizeOfTheAngleAndAnArcBelow) {
  run("down 2 0 2700 2400");
  const double j = angleTowards(2700, 2400);
  expectForceAt(j);
  expectMark(j + 6.28318, 6.28318, "α=21.8°");
  // Counter-clockwise from start to end runs below the ground direction (y grows down).
  EXPECT_LT(std::sin((drawn(0).start + drawn(0).end) / 2), 0);
  EXPECT_GT(drawn(2).y1, 1800);
}

TEST_F(AimTest, PressLevelWithHOrExactlyAboveOrBelowItKeepsTheMark) {
  run("down 1 0 2700 1200");
  const double j = form.jiaodu;
  const unsigned version = form.Picture1.drawingVersion();
  // Exactly below H the press aims nowhere: the force and its mark stay as they are.
  run("down 1 0 1200 2500");
  EXPECT_EQ(form.jiaodu, j);
  expectForceAt(j);
  EXPECT_EQ(form.Picture1.drawingVersion(), version);
  EXPECT_TRUE(form.Line4.Visible);
  // Level with H the force becomes level, and the old arc stays.
  run("down 1 0 3000 1800");
  EXPECT_EQ(form.jiaodu, 0);
  expectForceAt(0);
  EXPECT_EQ(form.Picture1.drawingVersion(), version);
}

TEST_F(AimTest, PressLeftOfHResetsForceLabelCartAndClockAndClearsTheMark) {
  run("down 1 0 2700 1200\nclick Command1");
  for (int i = 0; i < 100; ++i) stepBoth();
  run("down 1 0 600 900");
  EXPECT_EQ(form.jiaodu, 0);
  EXPECT_EQ(form.ss, 0);
  EXPECT_EQ(float(form.Image2.Left), 0);
  EXPECT_TRUE(form.Picture1.drawing().empty());
  EXPECT_EQ(float(form.Line1.X2), 2700);
  EXPECT_EQ(float(form.Line1.Y2), 1800);
  EXPECT_EQ(float(form.Line2.Y2), 1910);
  EXPECT_EQ(float(form.Line3.Y2), 1690);
  EXPECT_EQ(float(form.Label4.Left), 2880);
  EXPECT_EQ(float(form.Label4.Top), 1680);
  EXPECT_EQ(clockReading(), "00:00 :00");  // the last field gets a leading blank here
  EXPECT_TRUE(form.Line4.Visible);
  EXPECT_TRUE(form.Timer1.Enabled());  // the run goes on from the start
}

TEST_F(AimTest, DragFollowsTheLeftButtonRightOfHOnlyAndLeavesTheClock) {
  run("click Command1");
  for (int i = 0; i < 70; ++i) stepBoth();
  const std::string reading = clockReading();
  run("move 1 0 2500 2000");
  const double j = angleTowards(2500, 2000);
  expectForceAt(j);
  expectMark(j + 6.28318, 6.28318, "α=8.74°");
  EXPECT_EQ(float(form.Image2.Left), 0);
  EXPECT_EQ(clockReading(), reading);
  EXPECT_EQ(form.ss, 70 - 58);
  const unsigned version = form.Picture1.drawingVersion();
  for (const char* ignored :
       {"move 1 0 1100 500", "move 1 0 1200 500", "move 2 0 3000 500", "move 3 0 3000 500"}) {
    run(ignored);
    expectForceAt(j);
    EXPECT_EQ(form.Picture1.drawingVersion(), version) << ignored;
  }
}

TEST_F(AimTest, ClickOnTheSurfacePutsTheCartBack) {
  run("click Command1");
  for (int i = 0; i < 50; ++i) stepBoth();
  ASSERT_GT(form.Image2.Left, 0);
  run("click Picture1");
  EXPECT_EQ(float(form.Image2.Left), 0);
}

}  // namespace
