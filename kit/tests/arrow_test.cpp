// Head placement for every direction of a shaft, the letters of points and vectors, and a
// dragged tip with the pointer's distance that picks it.
#include <gtest/gtest.h>

#include <cmath>

#include "kit/arrow.h"
#include "kit/form.h"
#include "kit/pointer.h"

namespace {

class ArrowTest : public ::testing::Test {
 protected:
  kit::Form form{"test", 1000, 1000};
  kit::Canvas surface{form, "Picture1", {0, 0, 1000, 1000}, 0};
  kit::Line shaft{surface, "S"}, p{surface, "P"}, q{surface, "Q"};

  void shaftFrom(float x1, float y1, float x2, float y2) {
    shaft.place(x1, y1, x2, y2);
    p.X1 = q.X1 = x2;
    p.Y1 = q.Y1 = y2;
  }
  void expectEnds(double px, double py, double qx, double qy) {
    EXPECT_NEAR(p.X2, px, 1e-4);
    EXPECT_NEAR(p.Y2, py, 1e-4);
    EXPECT_NEAR(q.X2, qx, 1e-4);
    EXPECT_NEAR(q.Y2, qy, 1e-4);
  }
};

const double k25 = 25 / 180.0 * 3.14159, k75 = 75 / 180.0 * 3.14159;

TEST_F(ArrowTest, HorizontalShaftsPointBackTowardsTheTail) {
  shaftFrom(100, 500, 400, 500);
  kit::SetArrowHead(shaft, p, q, 30);
  expectEnds(400 - 30 * std::cos(k25), 500 - 30 * std::sin(k25), 400 - 30 * std::cos(k25),
             500 + 30 * std::sin(k25));
  shaftFrom(400, 500, 100, 500);
  kit::SetArrowHead(shaft, p, q, 30);
  expectEnds(100 + 30 * std::cos(k25), 500 + 30 * std::sin(k25), 100 + 30 * std::cos(k25),
             500 - 30 * std::sin(k25));
}

TEST_F(ArrowTest, DiagonalShaftsGetASymmetricHeadOnTheTailSide) {
  const double k70 = 70 / 180.0 * 3.14159, k20 = 20 / 180.0 * 3.14159;
  shaftFrom(0, 0, 3, 3);
  kit::SetArrowHead(shaft, p, q, 0.3);
  expectEnds(3 - 0.3 * std::cos(k70), 3 - 0.3 * std::sin(k70), 3 - 0.3 * std::cos(k20),
             3 - 0.3 * std::sin(k20));
  shaftFrom(3, 3, 0, 0);
  kit::SetArrowHead(shaft, p, q, 0.3);
  expectEnds(0.3 * std::cos(k70), 0.3 * std::sin(k70), 0.3 * std::cos(k20), 0.3 * std::sin(k20));
}

TEST_F(ArrowTest, VerticalShaftsGetTheNarrowHeadBothWays) {
  shaftFrom(200, 100, 200, 600);
  kit::SetArrowHead(shaft, p, q, 30);
  expectEnds(200 - 30 * std::cos(k75), 600 - 30 * std::sin(k75), 200 + 30 * std::cos(k75),
             600 - 30 * std::sin(k75));
  EXPECT_NEAR(200 - p.X2, 7.76, 0.01);
  EXPECT_NEAR(600 - p.Y2, 28.98, 0.01);
  shaftFrom(0, 5, 0, 1);
  kit::SetArrowHead(shaft, p, q, 0.3);
  expectEnds(-0.3 * std::cos(k75), 1 + 0.3 * std::sin(k75), 0.3 * std::cos(k75),
             1 + 0.3 * std::sin(k75));
}

TEST_F(ArrowTest, AZeroShaftLeavesTheHeadAlone) {
  p.place(1, 2, 3, 4);
  q.place(5, 6, 7, 8);
  shaft.place(9, 9, 9, 9);
  kit::SetArrowHead(shaft, p, q, 30);
  EXPECT_EQ(float(p.X1), 1.0f);
  expectEnds(3, 4, 7, 8);
}

TEST_F(ArrowTest, AGivenAngleIsUsedAsItIs) {
  shaftFrom(0, 0, 100, 0);
  kit::SetArrowHead(shaft, p, q, 30, 0.5);
  expectEnds(100 - 30 * std::cos(0.5 + k25), -30 * std::sin(0.5 + k25),
             100 - 30 * std::cos(0.5 - k25), -30 * std::sin(0.5 - k25));
  EXPECT_DOUBLE_EQ(kit::shaftAngle(shaft), 0.0);
}

TEST_F(ArrowTest, AHeadMovedToTheTipStartsThereAndTurnsWithTheShaft) {
  shaftFrom(0, 0, 100, 100);
  kit::SetArrowHead(shaft, p, q, 30);
  shaft.X2 = -50, shaft.Y2 = -50;  // the tip moves; its head lines are left behind
  EXPECT_NEAR(kit::headAtTip(shaft, p, q, 30), std::atan(1.0), 1e-12);
  EXPECT_EQ(float(p.X1), -50.0f);
  EXPECT_EQ(float(q.Y1), -50.0f);
  const double c = 30 * std::cos(std::atan(1.0) + k25), s = 30 * std::sin(std::atan(1.0) + k25);
  EXPECT_NEAR(p.X2, -50 + c, 1e-4);  // pointing left and down, the head lies up and right
  EXPECT_NEAR(p.Y2, -50 + s, 1e-4);
}

TEST_F(ArrowTest, AKeptAngleTurnsTheHeadAsKept) {
  shaftFrom(0, 0, 1, 2);
  float kept = 0;
  kit::headAtTip(shaft, p, q, 30, kept);
  EXPECT_EQ(kept, static_cast<float>(std::atan(2.0)));
  // Turned by the kept angle, not the exact one: for this shaft the two differ in p's x.
  kit::Line byKept{surface, "K"};
  kit::SetArrowHead(shaft, byKept, q, 30, double(kept));
  EXPECT_EQ(float(p.X2), float(byKept.X2));
}

TEST_F(ArrowTest, ADraggedTipTakesItsLetterAndHeadWithIt) {
  kit::Label letter{surface, "L"};
  letter.Visible = false;
  shaftFrom(0, 0, 100, 0);
  kit::moveTip(shaft, p, q, 30, letter, 50, 0, 200);
  EXPECT_EQ(float(shaft.Y2), 200.0f);
  EXPECT_TRUE(letter.Visible);
  EXPECT_EQ(float(letter.Left), -50.0f);
  EXPECT_EQ(float(p.Y1), 200.0f);
  expectEnds(-30 * std::cos(k75), 200 - 30 * std::sin(k75), 30 * std::cos(k75),
             200 - 30 * std::sin(k75));  // now pointing straight up
}

TEST(PointerDistance, MeasuresFromThePointerToThePoint) {
  EXPECT_DOUBLE_EQ(kit::pointerDistance(3, 4, 0, 0), 5.0);
  EXPECT_DOUBLE_EQ(kit::pointerDistance(0, 0, -3, 4), 5.0);
}

TEST_F(ArrowTest, LettersSitBelowLeftOfPointsAndMidwayAlongShafts) {
  kit::Label letter{surface, "L"};
  kit::placePointLetter(letter, 300, 700, 50);
  EXPECT_EQ(float(letter.Left), 250.0f);
  EXPECT_EQ(float(letter.Top), 700.0f);
  shaft.place(100, 200, 400, 800);
  kit::placeVectorLetter(letter, shaft);
  EXPECT_EQ(float(letter.Left), 250.0f);
  EXPECT_EQ(float(letter.Top), 500.0f);
}

}  // namespace
