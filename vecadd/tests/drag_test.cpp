// Reshaping the triangle after the walk-through: the nearest of A, B and C follows the mouse.
#include <cmath>

#include "scenario.h"

namespace {

class DragTest : public Scenario {
 protected:
  void SetUp() override { walkThrough(); }  // A (149, 818), B (149, 182), C (779, 285.9)
};

TEST_F(DragTest, PressingNearAMovesOnlyVectorAAndClearsTheScenery) {
  const float cx = form.Line4.X2, cy = form.Line4.Y2;
  run("down 2 0 300 700");  // any button presses
  expectAt(form.Line1.X1, form.Line1.Y1, 300, 700);
  expectAt(form.Label1.Left, form.Label1.Top, 250, 700);
  expectAt(form.Line4.X1, form.Line4.Y1, 149, 182);  // b now starts exactly at B
  expectAt(form.Line4.X2, form.Line4.Y2, cx, cy);
  expectHead(form.Line1, form.Line2, form.Line3);
  EXPECT_NEAR(form.aa, std::hypot(300 - 149, 700 - 818), 1e-9);
  expectAt(form.Label4.Left, form.Label4.Top, (300 + 149) / 2.0, (700 + 182) / 2.0);
  EXPECT_FALSE(form.Image1.Visible || form.Image5.Visible || form.Shape3.Visible ||
               form.Line7.Visible || form.Line8.Visible || form.Label6.Visible);
  EXPECT_TRUE(form.Line6.Visible && form.Label3.Visible && form.Label5.Visible);
}

TEST_F(DragTest, DraggingBTurnsBothVectorsAndTheLettersTrailByOneMove) {
  run("down 1 0 200 200\nmove 1 0 260 150");
  expectAt(form.Line1.X2, form.Line1.Y2, 260, 150);
  expectAt(form.Line4.X1, form.Line4.Y1, 260, 150);
  expectAt(form.Label2.Left, form.Label2.Top, 210, 150);
  expectHead(form.Line1, form.Line2, form.Line3);
  expectHead(form.Line4, form.Line5, form.Line6);  // whole at C, though C itself never moved
  // a's letter shows the middle of a as it stood with B at (200, 200).
  expectAt(form.Label4.Left, form.Label4.Top, (149 + 200) / 2.0, (818 + 200) / 2.0);
}

TEST_F(DragTest, DraggingCMovesOnlyVectorB) {
  run("down 1 0 700 300\nmove 1 0 600 400");
  expectAt(form.Line4.X2, form.Line4.Y2, 600, 400);
  expectAt(form.Label3.Left, form.Label3.Top, 550, 400);
  expectAt(form.Line1.X1, form.Line1.Y1, 149, 818);
  expectAt(form.Line1.X2, form.Line1.Y2, 149, 182);
  expectHead(form.Line4, form.Line5, form.Line6);
}

TEST_F(DragTest, OnlyTheLeftButtonAloneDragsAndATieMovesNothing) {
  run("move 2 0 700 300\nmove 3 0 700 300\nmove 0 0 700 300");
  EXPECT_TRUE(form.Image1.Visible);  // no move handled: the scenery is still up
  EXPECT_EQ(float(form.Line4.X2), 779);

  run("down 1 0 149 500");  // as far from A as from B, C further
  EXPECT_EQ(form.aa, form.bb);
  expectAt(form.Line1.X1, form.Line1.Y1, 149, 818);
  expectAt(form.Line1.X2, form.Line1.Y2, 149, 182);
  EXPECT_FALSE(form.Image1.Visible);  // the scene is reset even so
}

TEST_F(DragTest, TheNearestPointIsChosenAfreshOnEveryMove) {
  run("down 1 0 149 520");  // A is nearer and follows
  run("move 1 0 149 340");  // now B is nearer: it takes over, A stays
  EXPECT_EQ(float(form.Line1.Y1), 520);
  EXPECT_EQ(float(form.Line1.Y2), 340);
}

TEST_F(DragTest, AVerticalShaftGetsTheNarrowHead) {
  run("down 1 0 149 900");  // a runs straight down from (149, 900) to B
  const double c75 = 30 * std::cos(75 / 180.0 * 3.14159), s75 = 30 * std::sin(75 / 180.0 * 3.14159);
  expectAt(form.Line2.X2, form.Line2.Y2, 149 - c75, 182 + s75);
  expectAt(form.Line3.X2, form.Line3.Y2, 149 + c75, 182 + s75);
}

}  // namespace
