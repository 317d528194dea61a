// Reading the sum off the axes: the readiness message, the perpendiculars, the alternating
// components with their values, and the formula picture.
#include "scenario.h"

namespace {

class DecomposeTest : public Scenario {
 protected:
  // True when the button was refused with the message and started nothing.
  bool refused(const char* button) {
    run(std::string("click ") + button);
    return takeMessages() == std::vector<std::string>{"请在做完和向量后，再点击此按钮"} &&
           !form.Timer8.Enabled() && !form.Timer10.Enabled();
  }
};

TEST_F(DecomposeTest, BothButtonsWaitForAFinishedSum) {
  EXPECT_TRUE(refused("Command4"));  // no sum yet
  run("click Command3\ntick Timer6 60");
  EXPECT_TRUE(refused("Command5"));  // still growing
  run("tick Timer6 60\ntick Timer7");
  EXPECT_TRUE(refused("Command4"));  // blinking, hidden just now
  run("tick Timer7\nclick Command4");
  EXPECT_TRUE(takeMessages().empty());  // blinking, shown: accepted
  run("tick Timer7 2\ndown 1 0 2 6");
  EXPECT_TRUE(refused("Command5"));  // a press took the sum away
}

TEST_F(DecomposeTest, XPerpendicularsDropThenTheAxisAlternatesForEver) {
  drawSum();
  run("click Command4");
  expectLine(form.Line18, 6, 2, 6, 2);
  expectLine(form.Line19, 9, 7, 9, 7);
  run("tick Timer8 120");
  EXPECT_TRUE(form.Timer9.Enabled() && form.Line18.Visible && form.count8 == 0);
  expectAt(form.Line18.X2, form.Line18.Y2, 6, 0);
  expectAt(form.Line19.X2, form.Line19.Y2, 9, 0);

  run("tick Timer9");  // first M's x alone
  expectLine(form.Line22, 0, 0, 9, 0);
  EXPECT_TRUE(form.Line22.Visible && form.Label6.Visible);
  EXPECT_FALSE(form.Line16.Visible || form.Line17.Visible || form.Label4.Visible);
  EXPECT_EQ(form.Label6.Caption, "X=9");
  expectAt(form.Label6.Left, form.Label6.Top, 5.25, -0.5, 0);
  run("tick Timer9");  // then a's x from O, b's stacked after it
  expectLine(form.Line17, 0, 0, 6, 0);
  expectLine(form.Line16, 6, 0, 9, 0);
  EXPECT_TRUE(form.Line16.Visible && form.Label4.Visible && form.Label5.Visible);
  EXPECT_FALSE(form.Line22.Visible || form.Label6.Visible);
  EXPECT_EQ(form.Label5.Caption + " " + form.Label4.Caption, "X1=6 X2=3");
  expectAt(form.Label5.Left, form.Label5.Top, 3, -0.5, 0);
  expectAt(form.Label4.Left, form.Label4.Top, 7.5, -0.5, 0);
  run("tick Timer9 2");
  EXPECT_EQ(form.count9, 0);  // counts 1 to 4, then again
  run("tick Timer9 101");
  EXPECT_TRUE(form.Timer9.Enabled() && form.Line22.Visible);
}

TEST_F(DecomposeTest, YAxisShowsBsComponentFirstAndAsStackedOnIt) {
  drawSum();
  run("click Command5\ntick Timer10 120");
  expectAt(form.Line20.X2, form.Line20.Y2, 0, 5);
  expectAt(form.Line21.X2, form.Line21.Y2, 0, 7);
  run("tick Timer11");
  expectLine(form.Line23, 0, 0, 0, 7);
  EXPECT_TRUE(form.Line23.Visible && !form.Line24.Visible && !form.Label9.Visible);
  EXPECT_EQ(form.Label7.Caption, "Y=7");
  expectAt(form.Label7.Left, form.Label7.Top, -1.5, 4.25, 0);
  run("tick Timer11");
  expectLine(form.Line25, 0, 0, 0, 5);
  expectLine(form.Line24, 0, 5, 0, 7);
  EXPECT_TRUE(form.Line24.Visible && form.Label8.Visible && !form.Label7.Visible);
  EXPECT_EQ(form.Label9.Caption + " " + form.Label8.Caption, "Y2=5 Y1=2");
  expectAt(form.Label9.Left, form.Label9.Top, -1.5, 2.5, 0);
  expectAt(form.Label8.Left, form.Label8.Top, -1.5, 6, 0);
}

TEST_F(DecomposeTest, APressMidDropKeepsTheCountSoTheNextDropStopsShort) {
  drawSum();
  run("click Command4\ntick Timer8 50\ndown 1 0 6 2");  // on A: a press that moves nothing
  EXPECT_TRUE(!form.Timer8.Enabled() && form.count8 == 50);
  drawSum();
  run("click Command4\ntick Timer8 120\ntick Timer9 2");
  expectAt(form.Line18.X2, form.Line18.Y2, 6, 2 - 2 * 70 / 120.0);  // short of the axis
  expectLine(form.Line17, 0, 0, 6, 0);  // the components still lie on the axis
  expectLine(form.Line16, 6, 0, 9, 0);
}

TEST_F(DecomposeTest, TheFormulaButtonShowsAndHidesThePictureTitleAndHint) {
  run("click Command6");
  EXPECT_TRUE(form.Image1.Visible && form.Label10.Visible && form.Text1.Visible);
  EXPECT_EQ(form.Command6.Caption, "5.隐藏公式");
  EXPECT_EQ(form.Text1.Text(),
            "提示：在左侧窗口向量终点处，按住鼠标左键并拖动，可以改变向量位置,并重新演示.");
  run("click Command6");
  EXPECT_FALSE(form.Image1.Visible || form.Label10.Visible || form.Text1.Visible);
  EXPECT_EQ(form.Command6.Caption, "5.显示公式");
  run("down 1 0 4 4");  // a press does not bring it back
  EXPECT_FALSE(form.Image1.Visible);
}

}  // namespace
