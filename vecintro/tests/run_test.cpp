// The cart run: how far each motion tick carries the cart and what rides along, the end of a
// run with its result line, pausing and restarting, and many runs in a row.
#include <cmath>

#include "scenario.h"

namespace {

class RunTest : public Scenario {
 protected:
  // The result line a finished run writes, from the parts the lesson puts together.
  static std::string line(const std::string& run, const std::string& gap, const std::string& angle,
                          const std::string& afterDegree, const std::string& clock) {
    return "第" + run + "次:" + gap + "角度：" + angle + "°" + afterDegree + "      时间:" + clock;
  }
};

TEST_F(RunTest, ArrowLabelAndCartRideTogetherAndTheReferenceLineGoesPastH) {
  run("down 1 0 2700 1200\nclick Command1");
  const float arrowFromCart = form.Line1.X1, labelFromCart = form.Label4.Left;
  const float tipY = form.Line1.Y2;
  double expected = 0;
  float tau = 0;
  for (int tick = 1; tick <= 150; ++tick) {
    stepBoth();
    tau += 0.07f;
    expected += 0.5 * double(tau) * tau * std::cos(form.jiaodu);
    EXPECT_NEAR(form.Image2.Left, expected, 1e-3 * (1 + expected)) << "tick " << tick;
    EXPECT_EQ(form.Line4.Visible, form.Image2.Left <= 1200) << "tick " << tick;
  }
  EXPECT_NEAR(form.Line1.X1 - form.Image2.Left, arrowFromCart, 0.05);
  EXPECT_NEAR(form.Line3.X1, form.Line1.X2, 0.01);  // the head stays on the tip
  EXPECT_NEAR(form.Label4.Left - form.Image2.Left, labelFromCart, 0.05);
  EXPECT_EQ(float(form.Line1.Y2), tipY);  // nothing moves up or down
}

TEST_F(RunTest, AFinishedRunGrowsTheWindowAndWritesItsLineBelowTheSurface) {
  const float y = float(1800 - 1000 * std::sqrt(3.0));  // 60 degrees up
  run("down 1 0 2200 " + std::to_string(y) + "\nclick Command1");
  // Half the push of a level force, but not twice the time: 272 ticks against 216.
  EXPECT_EQ(stepsUntilRunEnds(), 272);
  EXPECT_EQ(form.tau, 0);
  EXPECT_TRUE(form.Text4.Visible);
  EXPECT_EQ(form.Height, 3135 + 300);
  const auto& drawing = form.window().drawing();
  ASSERT_EQ(drawing.size(), 2u);
  EXPECT_EQ(drawing[0].kind, kit::DrawOp::Kind::Point);
  EXPECT_EQ(drawing[0].color, kit::colors::kRed);
  EXPECT_EQ(drawing[0].y1, 3200);
  EXPECT_EQ(drawing[1].x1, 300);
  EXPECT_EQ(drawing[1].y1, 3200);
  EXPECT_EQ(drawing[1].color, kit::colors::kRed);
  EXPECT_EQ(drawing[1].font.points, 10.5);
  EXPECT_EQ(drawing[1].text, line("1", "     ", "60.0", " ", "00:4:40"));
  EXPECT_EQ(form.window().innerHeightTwips(), 3435);  // the window's drawing area grew with it
}

TEST_F(RunTest, ADownwardForceWritesItsAngleWithTheSign) {
  run("down 1 0 2700 2400\nclick Command1");
  stepsUntilRunEnds();
  ASSERT_EQ(windowTexts().size(), 1u);
  EXPECT_EQ(windowTexts()[0]->text.find(line("1", "     ", "-21.", " ", "")), 0u);
}

TEST_F(RunTest, PauseKeepsTheCartAndItsSpeedAndTheRestartedRunLeavesTwoLinesEmpty) {
  run("click Command1");
  stepsUntilRunEnds();
  run("down 1 0 600 900\nclick Command1");
  for (int i = 0; i < 100; ++i) stepBoth();
  const float left = form.Image2.Left, tau = form.tau;
  run("click Command1");  // pause
  EXPECT_FALSE(form.Timer1.Enabled() || form.Timer2.Enabled());
  EXPECT_EQ(clockReading(), "00:00:00");
  for (int i = 0; i < 10; ++i) stepBoth();
  EXPECT_EQ(float(form.Image2.Left), left);
  run("click Command1");  // on again, with the time the run had
  stepBoth();
  EXPECT_FLOAT_EQ(form.tau, tau + 0.07f);
  EXPECT_LT(stepsUntilRunEnds(), 216 - 100);
  EXPECT_EQ(form.n, 4);
  EXPECT_EQ(form.Height, 3135 + 2 * 300);  // two finished runs
  const auto texts = windowTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1]->y1 - texts[0]->y1, 3 * 300);  // placed by presses: 2 and 3 wrote nothing
  EXPECT_EQ(texts[1]->text.find("第4次:"), 0u);
}

TEST_F(RunTest, StartingAgainAfterTheEndFinishesAtTheNextTick) {
  run("click Command1");
  stepsUntilRunEnds();
  run("click Command1");
  EXPECT_EQ(stepsUntilRunEnds(), 1);
  EXPECT_EQ(form.Height, 3135 + 600);
  ASSERT_EQ(windowTexts().size(), 2u);
  EXPECT_EQ(windowTexts()[1]->y1, 3500);
  EXPECT_EQ(windowTexts()[1]->text.find("第2次:"), 0u);
}

TEST_F(RunTest, APressDuringARunSendsTheCartBackAndItSetsOffFaster) {
  run("click Command1");
  for (int i = 0; i < 120; ++i) stepBoth();
  run("down 1 0 3000 1800");
  EXPECT_EQ(float(form.Image2.Left), 0);
  stepBoth();
  const double tau = 121 * 0.07;  // the first step of a fresh run would be 0.00245
  EXPECT_NEAR(form.Image2.Left, 0.5 * tau * tau, 0.05);
  EXPECT_LT(stepsUntilRunEnds() + 1, 216);
}

TEST_F(RunTest, HundredsOfRunsEachWriteTheirLineAndGrowTheWindow) {
  constexpr int kRuns = 300;
  for (int i = 0; i < kRuns; ++i) {
    run("down 1 0 600 900\nclick Command1");
    ASSERT_LT(stepsUntilRunEnds(), 5000);
  }
  EXPECT_EQ(form.Height, 3135 + 300.0 * kRuns);
  const auto texts = windowTexts();
  ASSERT_EQ(texts.size(), std::size_t(kRuns));
  EXPECT_EQ(texts[8]->text, line("9", "     ", "0", "    ", "00:3:42"));
  // From the tenth run on the number takes two places: one blank less on each side of 0°.
  EXPECT_EQ(texts[9]->text, line("10", "    ", "0", " ", "00:3:42"));
  EXPECT_EQ(texts.back()->text, line("300", "    ", "0", " ", "00:3:42"));
  EXPECT_EQ(texts.back()->y1, 3200 + 300.0 * (kRuns - 1));
}

}  // namespace
