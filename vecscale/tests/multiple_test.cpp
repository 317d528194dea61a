// The multiple λa: reading λ, growth and blink, projections, messages and the formula.
#include <cfloat>
#include <cmath>

#include "scenario.h"

namespace {

using MultipleTest = Scenario;
const std::string kNotReady = "请在做完向量后，再点击此按钮";

TEST_F(MultipleTest, ThreeTimesAGrowsInAHundredTicksThenBlinksTwice) {
  run("click Command1\ntick Timer6 99");
  EXPECT_TRUE(form.Timer6.Enabled());
  EXPECT_EQ(form.count6, 99);
  EXPECT_EQ(form.Label3.Caption, "M");
  EXPECT_EQ(form.Label9.Caption, "3a");
  run("tick Timer6");
  EXPECT_FALSE(form.Timer6.Enabled());
  EXPECT_TRUE(form.Timer7.Enabled());
  EXPECT_EQ(form.count6, 0);
  EXPECT_NEAR(form.Line7.X2, 9, 1e-4);
  EXPECT_NEAR(form.Line7.Y2, 6, 1e-4);
  EXPECT_NEAR(form.Label3.Left, 9, 1e-4);

  const bool shownAfter[] = {false, true, false, true};
  for (bool shown : shownAfter) {
    run("tick Timer7");
    EXPECT_EQ(form.Line7.Visible, shown);
    EXPECT_EQ(form.Line9.Visible, shown);
  }
  EXPECT_FALSE(form.Timer7.Enabled());
  EXPECT_EQ(form.count7, 0);
  EXPECT_EQ(float(form.Line7.X2), 9);
  EXPECT_EQ(float(form.Line7.Y2), 6);
  EXPECT_EQ(float(form.Line8.X1), 9);
  EXPECT_EQ(form.Label3.Caption, "M(9,6)");
  EXPECT_EQ(form.Label9.Caption, "3a");
  EXPECT_NEAR(form.Label9.Left, 4.5, 1e-4);
}

TEST_F(MultipleTest, PacedTheGrowthTakesAboutOneAndAHalfSecondsAndTheBlinkOneMore) {
  run("click Command1\nrun 1550");
  EXPECT_TRUE(form.Timer6.Enabled());
  run("run 15");
  EXPECT_FALSE(form.Timer6.Enabled());
  run("run 1190");
  EXPECT_TRUE(form.Timer7.Enabled());
  run("run 20");
  EXPECT_FALSE(form.Timer7.Enabled());
  EXPECT_EQ(form.Label3.Caption, "M(9,6)");
}

TEST_F(MultipleTest, ZeroOrAnEmptyBoxLeavesAPointAtTheOrigin) {
  const float headX = form.Line8.X2, headY = form.Line8.Y2;
  run("type Text1 0");
  EXPECT_EQ(form.Command1.Caption, "作0倍向量");
  run("click Command1\ntick Timer6 100\ntick Timer7 4");
  EXPECT_EQ(float(form.Line7.X2), 0);
  EXPECT_EQ(float(form.Line7.Y2), 0);
  EXPECT_EQ(float(form.Line8.X2), headX);
  EXPECT_EQ(float(form.Line8.Y2), headY);
  EXPECT_EQ(form.Label9.Caption, "0a");
  EXPECT_EQ(form.Label3.Caption, "M(0,0)");

  run("type Text1 5\ntype Text1 ");
  EXPECT_EQ(form.Text1.Text(), "");
  EXPECT_EQ(form.Command1.Caption, "作0倍向量");
  run("click Command1");
  EXPECT_EQ(form.beishu, 0);
  EXPECT_TRUE(form.Timer6.Enabled());
  EXPECT_TRUE(takeMessages().empty());
}

TEST_F(MultipleTest, ANegativeMultiplePointsTheOtherWay) {
  run("type Text1 -2\nclick Command1\ntick Timer6 100\ntick Timer7 4");
  EXPECT_EQ(float(form.Line7.X2), -6);
  EXPECT_EQ(float(form.Line7.Y2), -4);
  EXPECT_GT(form.Line8.X2, -6);  // the head lies back towards the origin
  EXPECT_GT(form.Line9.X2, -6);
  EXPECT_EQ(form.Label3.Caption, "M(-6,-4)");
  EXPECT_EQ(form.Label9.Caption, "-2a");
}

TEST_F(MultipleTest, CoordinateButtonsWaitForAFinishedVector) {
  run("click Command2");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{kNotReady});
  EXPECT_FALSE(form.Timer8.Enabled());
  run("click Command1\ntick Timer6 100\ntick Timer7 2\nclick Command3");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{kNotReady});
  EXPECT_FALSE(form.Timer9.Enabled());
  run("tick Timer7 2\nclick Command1\ntick Timer6 10");
  run("click Command2");  // only the blink is waited for: a growing vector is projected
  EXPECT_TRUE(takeMessages().empty());
  EXPECT_TRUE(form.Timer8.Enabled());
  EXPECT_NEAR(form.Line19.X1, 0.9, 1e-5);
}

TEST_F(MultipleTest, PressingAgainDuringTheGrowthEndsShortThenTheBlinkSnaps) {
  run("click Command1\ntick Timer6 60\nclick Command1");
  EXPECT_EQ(float(form.Line7.X2), 0);
  EXPECT_EQ(form.count6, 60);
  run("tick Timer6 40");
  EXPECT_FALSE(form.Timer6.Enabled());
  EXPECT_NEAR(form.Line7.X2, 3.6, 1e-4);
  run("tick Timer7");
  EXPECT_EQ(float(form.Line7.X2), 9);
}

TEST_F(MultipleTest, ProjectionsDropToTheAxesAndLabelTheCoordinates) {
  run("down 1 0 2.5 1.5\ntype Text1 2\nclick Command1\ntick Timer6 100\ntick Timer7 4");
  run("click Command2\nclick Command3\ntick Timer8 99");
  EXPECT_FALSE(form.Label5.Visible);
  EXPECT_EQ(form.Label5.Caption, "2.5");
  EXPECT_EQ(form.Label4.Caption, "5");
  EXPECT_EQ(form.Label7.Caption, "1.5");
  EXPECT_EQ(form.Label6.Caption, "3");
  run("tick Timer8\ntick Timer9 100");
  EXPECT_NEAR(form.Line18.Y2, 0, 1e-5);
  EXPECT_NEAR(form.Line19.Y2, 0, 1e-5);
  EXPECT_EQ(float(form.Line18.X2), 2.5f);
  EXPECT_NEAR(form.Line20.X2, 0, 1e-5);
  EXPECT_NEAR(form.Line21.X2, 0, 1e-5);
  EXPECT_TRUE(form.Label4.Visible && form.Label5.Visible && form.Label6.Visible &&
              form.Label7.Visible);
  EXPECT_FLOAT_EQ(form.Label5.Left, 2.4f);
  EXPECT_FLOAT_EQ(form.Label4.Left, 4.9f);
  EXPECT_FLOAT_EQ(form.Label4.Top, -0.5f);
  EXPECT_FLOAT_EQ(form.Label6.Top, 3.2f);
  EXPECT_FLOAT_EQ(form.Label7.Left, -0.7f);
  EXPECT_EQ(form.count8, 0);
  EXPECT_EQ(form.count9, 0);
}

TEST_F(MultipleTest, PressingAProjectionAgainRestartsTheLinesButNotTheCount) {
  run("click Command1\ntick Timer6 100\ntick Timer7 4\nclick Command2\ntick Timer8 50");
  run("click Command2\ntick Timer8 50");
  EXPECT_FALSE(form.Timer8.Enabled());
  EXPECT_NEAR(form.Line18.Y2, 1, 1e-5);  // halfway down from A = (3, 2)
  EXPECT_NEAR(form.Line19.Y2, 3, 1e-4);
}

TEST_F(MultipleTest, TheBoxAdmitsOnlyNumbersAndTheCaptionFollowsIt) {
  run("type Text1 \ntype Text1 -");
  EXPECT_EQ(form.Text1.Text(), "");
  EXPECT_EQ(form.Command1.Caption, "作0倍向量");
  run("type Text1 2\ntype Text1 -2");
  EXPECT_EQ(form.Text1.Text(), "-2");
  EXPECT_EQ(form.Command1.Caption, "作-2倍向量");
  run("type Text1 -1.5");
  EXPECT_EQ(form.Command1.Caption, "作-1.5倍向量");
  run("type Text1 -1.5x");
  EXPECT_EQ(form.Text1.Text(), "");
  EXPECT_TRUE(takeMessages().empty());  // typing never shows a message
  EXPECT_EQ(form.beishu, 3);            // nor changes the multiple
}

TEST_F(MultipleTest, EnterBuildsTheMultipleAndOtherKeysDoNothing) {
  run("type Text1 0.5\nkey Text1 65");
  EXPECT_FALSE(form.Timer6.Enabled());
  run("key Text1 13");
  EXPECT_EQ(form.beishu, 0.5);
  EXPECT_TRUE(form.Timer6.Enabled());
  run("tick Timer6 100\ntick Timer7 4");
  EXPECT_EQ(form.Label3.Caption, "M(1.5,1)");
  EXPECT_EQ(form.Label9.Caption, "0.5a");
}

TEST_F(MultipleTest, ANonNumericTextIsEmptiedWithAMessage) {
  form.Text1.setDesignText("abc");  // only reachable if the box bypassed its change handler
  run("click Command1");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{"上面空格只能输入数字"});
  EXPECT_EQ(form.Text1.Text(), "");
  EXPECT_EQ(form.Command1.Caption, "作0倍向量");
  EXPECT_FALSE(form.Timer6.Enabled());
  form.Text1.setDesignText("abc");
  run("key Text1 13");
  EXPECT_EQ(takeMessages(), std::vector<std::string>{"只能输入数字"});
  EXPECT_FALSE(form.Timer6.Enabled());
}

TEST_F(MultipleTest, AMultipleBeyondSinglePrecisionChangesNothing) {
  run("click Command1\ntick Timer6 100\ntick Timer7 4");
  run("type Text1 1e39\nclick Command1\nkey Text1 13");
  EXPECT_EQ(takeMessages(),
            (std::vector<std::string>{"倍数太大，请输入较小的数", "倍数太大，请输入较小的数"}));
  EXPECT_EQ(form.Text1.Text(), "1e39");
  EXPECT_EQ(form.beishu, 3);
  EXPECT_FALSE(form.Timer6.Enabled());
  EXPECT_EQ(float(form.Line7.X2), 9);
  EXPECT_TRUE(form.Line7.Visible);
  EXPECT_EQ(form.Label3.Caption, "M(9,6)");
  run("type Text1 1e999\nclick Command1");
  EXPECT_EQ(takeMessages().size(), 1u);
  EXPECT_EQ(form.beishu, 3);
}

TEST_F(MultipleTest, LargeFiniteMultiplesAndALaterMoveStayFinite) {
  run("type Text1 1e6\nclick Command1\ntick Timer6 100\ntick Timer7 4");
  EXPECT_EQ(form.Label3.Caption, "M(3000000,2000000)");
  EXPECT_EQ(form.Label9.Caption, "1000000a");
  run("type Text1 1e38\nclick Command1\ntick Timer6 20\ndown 1 0 12 9\ntick Timer6 80");
  run("tick Timer7 4");
  for (const kit::Line* line : {&form.Line7, &form.Line8, &form.Line9}) {
    EXPECT_TRUE(std::isfinite(line->X2) && std::isfinite(line->Y2)) << line->name();
    EXPECT_LE(std::abs(line->X2), FLT_MAX);
  }
  EXPECT_TRUE(std::isfinite(form.Label3.Left));
  EXPECT_EQ(float(form.Line7.X2), FLT_MAX);
}

TEST_F(MultipleTest, TheFormulaToggles) {
  EXPECT_FALSE(form.Image1.Visible);
  run("click Command4");
  EXPECT_TRUE(form.Image1.Visible);
  run("click Command4");
  EXPECT_FALSE(form.Image1.Visible);
}

}  // namespace
