// An arrow grown in steps and blinked: where its tip stands, when the blink takes over, what
// each blink shows, and what a fresh start does to a run in progress.
#include <gtest/gtest.h>

#include <cmath>

#include "kit/form.h"
#include "kit/growblink.h"

namespace {

class GrowThenBlinkTest : public ::testing::Test {
 protected:
  kit::Form form{"test", 1000, 1000};
  kit::Canvas surface{form, "Picture1", {0, 0, 1000, 1000}, 0};
  kit::Line shaft{surface, "S"}, p{surface, "P"}, q{surface, "Q"};
  kit::Timer growth{form, "Grow", 1, false}, blink{form, "Blink", 300, false};
  int grown = 0, blinked = 0;
  kit::GrowThenBlink arrow{shaft, p, q, growth, blink, grown, blinked, 4, 6};

  bool shown() const { return shaft.Visible && p.Visible && q.Visible; }
};

TEST_F(GrowThenBlinkTest, GrowsInEqualStepsThenBlinksToRestOnTheTarget) {
  arrow.start(10, 20);
  EXPECT_TRUE(shown() && growth.Enabled());
  for (int step = 1; step <= 3; ++step) {
    arrow.growStep(25, -5);
    EXPECT_EQ(float(shaft.X2), 10.0f + 25 * step);
    EXPECT_EQ(float(shaft.Y2), 20.0f - 5 * step);
    EXPECT_TRUE(growth.Enabled() && !blink.Enabled());
  }
  arrow.growStep(25, -5);  // the last step hands over to the blink
  EXPECT_TRUE(!growth.Enabled() && blink.Enabled());
  EXPECT_EQ(grown, 0);
  EXPECT_EQ(float(shaft.X1), 10.0f);

  for (int k = 1; k <= 6; ++k) {
    arrow.blinkStep(111, 0);
    EXPECT_EQ(shown(), k % 2 == 0) << "blink " << k;
    EXPECT_EQ(float(shaft.X2), 111.0f) << "blink " << k;
    EXPECT_EQ(blink.Enabled(), k < 6) << "blink " << k;
  }
  EXPECT_EQ(blinked, 0);
}

TEST_F(GrowThenBlinkTest, AStartDuringARunStopsTheBlinkButKeepsTheCounts) {
  arrow.start(0, 0);
  for (int i = 0; i < 4; ++i) arrow.growStep(1, 1);
  arrow.blinkStep(4, 4);
  arrow.start(50, 60);
  EXPECT_TRUE(shown() && growth.Enabled() && !blink.Enabled());
  EXPECT_EQ(blinked, 1);

  arrow.growStep(1, 1);
  arrow.growStep(1, 1);
  const unsigned starts = growth.starts();
  arrow.start(0, 0);  // the growth runs on, with two of its steps already counted
  EXPECT_EQ(growth.starts(), starts);
  arrow.growStep(1, 1);
  arrow.growStep(1, 1);
  EXPECT_TRUE(blink.Enabled());
}

TEST_F(GrowThenBlinkTest, AStepIsAddedWholeAndOnlyTheSumIsStoredInSinglePrecision) {
  arrow.start(1, 0);
  // Just over half a float's spacing at 1: narrowed to a float first, the step would be an
  // exact half and the tip would round back to 1.
  arrow.growStep(std::ldexp(1.0, -24) + std::ldexp(1.0, -50), 0);
  EXPECT_EQ(float(shaft.X2), 1.0f + std::ldexp(1.0f, -23));
}

}  // namespace
