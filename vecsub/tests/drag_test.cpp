// Reshaping a and b: the nearest of O, A and B jumps to the pointer and follows it.
#include <cmath>

#include "scenario.h"

namespace {

using Drag = Scenario;

TEST_F(Drag, APressFarAwayStillTakesTheNearestPointAndOCarriesBothTails) {
  run("click Command1\nrun 4000");  // a finished a-b, which the press clears
  run("down 2 0 0 0");              // any button; O is nearest to the corner
  expectAt(form.Line1.X1, form.Line1.Y1, 0, 0);
  expectAt(form.Line4.X1, form.Line4.Y1, 0, 0);
  expectAt(form.Line1.X2, form.Line1.Y2, kAx, kAy);  // A and B stay
  expectAt(form.Line4.X2, form.Line4.Y2, kBx, kBy);
  expectAt(form.Label2.Left, form.Label2.Top, -50, 0);
  expectHead(form.Line1, form.Line2, form.Line3);
  expectHead(form.Line4, form.Line5, form.Line6);
  EXPECT_NEAR(form.bb, std::hypot(kOx, kOy), 1e-3);
  EXPECT_NEAR(form.aa, std::hypot(kAx, kAy), 1e-3);
  // A press places the vector letters after the move.
  expectAt(form.Label4.Left, form.Label4.Top, kAx / 2, kAy / 2);
  expectAt(form.Label5.Left, form.Label5.Top, kBx / 2, kBy / 2);
  EXPECT_FALSE(form.Line7.Visible || form.Line8.Visible || form.Line9.Visible ||
               form.Label7.Visible);
}

TEST_F(Drag, APressExactlyOnAPointMovesOnlyItsLetterAndTurnsItsHead) {
  const float ax = form.Line1.X2, ay = form.Line1.Y2;
  const float oLeft = form.Label2.Left, bLeft = form.Label3.Left;
  const float b5x = form.Line5.X2;
  run("down 1 0 " + at(ax, ay));
  EXPECT_EQ(form.aa, 0);
  EXPECT_EQ(float(form.Line1.X2), ax);
  EXPECT_EQ(float(form.Line1.Y2), ay);
  expectAt(form.Label1.Left, form.Label1.Top, ax - 50.0, ay);
  expectHead(form.Line1, form.Line2, form.Line3);
  EXPECT_EQ(float(form.Label2.Left), oLeft);  // the letters of O and B stay
  EXPECT_EQ(float(form.Label3.Left), bLeft);
  EXPECT_EQ(float(form.Line5.X2), b5x);  // b's designed head is not touched
}

TEST_F(Drag, MovingAOrBLeavesTheOtherVectorAndTheLetterO) {
  const float oLeft = form.Label2.Left, oTop = form.Label2.Top;
  run("down 1 0 800 250");  // B
  expectAt(form.Line4.X2, form.Line4.Y2, 800, 250);
  expectAt(form.Label3.Left, form.Label3.Top, 750, 250);
  expectHead(form.Line4, form.Line5, form.Line6);
  run("down 1 0 300 800");  // A
  expectAt(form.Line1.X2, form.Line1.Y2, 300, 800);
  expectAt(form.Line4.X2, form.Line4.Y2, 800, 250);
  expectAt(form.Line1.X1, form.Line1.Y1, kOx, kOy);
  EXPECT_EQ(float(form.Label2.Left), oLeft);
  EXPECT_EQ(float(form.Label2.Top), oTop);
}

TEST_F(Drag, ATieMovesNothingButStillResetsTheScene) {
  run("down 1 0 300 600");                                      // A
  run("down 1 0 700 350\nmove 1 0 600 475\nmove 1 0 500 600");  // B, dragged in steps
  run("click Command2\nrun 4000");
  ASSERT_TRUE(form.Line7.Visible && form.Label6.Visible);
  const float labelLeft = form.Label1.Left;
  run("down 1 0 400 900");  // as far from A as from B, O further
  EXPECT_EQ(form.aa, form.cc);
  expectAt(form.Line1.X2, form.Line1.Y2, 300, 600);
  expectAt(form.Line4.X2, form.Line4.Y2, 500, 600);
  EXPECT_EQ(float(form.Label1.Left), labelLeft);
  EXPECT_FALSE(form.Line7.Visible || form.Label6.Visible);
}

TEST_F(Drag, TwoPointsOnOneSpotCanNoLongerBeTakenButTheThirdStillMoves) {
  // The mouse cannot bring two points together (the one under the pointer always wins), so the
  // state is set up directly: A lies on O.
  form.Line1.X2 = form.Line1.X1;
  form.Line1.Y2 = form.Line1.Y1;
  run("down 1 0 100 250");  // nearest to both A and O
  EXPECT_EQ(form.aa, form.bb);
  expectAt(form.Line1.X1, form.Line1.Y1, kOx, kOy);
  expectAt(form.Line1.X2, form.Line1.Y2, kOx, kOy);
  run("down 1 0 900 300");  // B is still free
  expectAt(form.Line4.X2, form.Line4.Y2, 900, 300);
}

TEST_F(Drag, OnlyTheLeftButtonAloneDragsAndTheLettersTrailByOneStep) {
  const std::string before = state();
  run("move 2 0 700 400\nmove 3 0 700 400\nmove 0 0 700 400");
  EXPECT_EQ(state(), before);

  run("down 1 0 760 320\nmove 1 0 780 400\nmove 1 0 800 450");
  expectAt(form.Line4.X2, form.Line4.Y2, 800, 450);
  expectAt(form.Label3.Left, form.Label3.Top, 750, 450);
  expectHead(form.Line4, form.Line5, form.Line6);
  // b's letter stands at the middle of b as it was with B at (780, 400).
  expectAt(form.Label5.Left, form.Label5.Top, (kOx + 780) / 2, (kOy + 400) / 2);
  run("down 1 0 800 450");
  expectAt(form.Label5.Left, form.Label5.Top, (kOx + 800) / 2, (kOy + 450) / 2);
}

TEST_F(Drag, OnlyAPressHidesTheLetterAMinusB) {
  run("click Command1\nrun 4000");
  ASSERT_TRUE(form.Label7.Visible);
  run("move 1 0 760 330");
  EXPECT_FALSE(form.Line7.Visible || form.Line8.Visible);
  EXPECT_TRUE(form.Label7.Visible);
  run("down 1 0 760 330");
  EXPECT_FALSE(form.Label7.Visible);
}

TEST_F(Drag, AVerticalVectorGetsTheNarrowHead) {
  run("down 1 0 " + at(form.Line1.X1, 800));  // A straight above O
  const double c75 = 30 * std::cos(75 / 180.0 * 3.14159), s75 = 30 * std::sin(75 / 180.0 * 3.14159);
  expectAt(form.Line2.X2, form.Line2.Y2, kOx - c75, 800 - s75);
  expectAt(form.Line3.X2, form.Line3.Y2, kOx + c75, 800 - s75);
}

}  // namespace
