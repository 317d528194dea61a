// The translation of b onto A and of a onto B, and the sum a + b = OM: steps, blinks, exact
// final places, and a button pressed again mid-run.
#include "scenario.h"

namespace {

using TranslationTest = Scenario;

TEST_F(TranslationTest, BSlidesToABlinksThenASlidesToBAndBlinks) {
  run("click Command1");
  expectLine(form.Line10, 0, 0, 3, 5);  // a copy on b
  run("tick Timer2 60");
  expectAt(form.Line10.X1, form.Line10.Y1, 3, 1);  // half-way along a
  expectHead(form.Line10, form.Line11, form.Line12);
  run("tick Timer2 60");
  EXPECT_TRUE(form.Timer3.Enabled() && !form.Timer2.Enabled() && form.count2 == 0);
  for (bool shown : {false, true, false, true}) {
    EXPECT_FALSE(form.Timer4.Enabled());  // a's copy waits for the blinks
    run("tick Timer3");
    EXPECT_EQ(form.Line10.Visible && form.Line12.Visible, shown);
    expectLine(form.Line10, 6, 2, 9, 7);
  }
  expectLine(form.Line13, 0, 0, 6, 2);  // the hidden button put a copy of a on a
  EXPECT_TRUE(form.Timer4.Enabled() && form.Line13.Visible && form.count3 == 0);
  run("tick Timer4 120\ntick Timer5 3");
  EXPECT_FALSE(form.Line13.Visible);
  run("tick Timer5");
  EXPECT_TRUE(form.Line13.Visible);
  expectLine(form.Line13, 3, 5, 9, 7);
  expectHead(form.Line13, form.Line14, form.Line15);
  for (const kit::Timer* timer : form.timers()) EXPECT_FALSE(timer->Enabled()) << timer->name();
}

TEST_F(TranslationTest, PressedAgainMidRunTheCopyRestartsOnBButTheCountGoesOn) {
  run("click Command1\ntick Timer2 50\nclick Command1");
  expectLine(form.Line10, 0, 0, 3, 5);
  run("tick Timer2 120");  // ends after the remaining 70, short of A
  expectAt(form.Line10.X1, form.Line10.Y1, 6 * 70 / 120.0, 2 * 70 / 120.0);
  run("tick Timer3");
  expectLine(form.Line10, 6, 2, 9, 7);
}

using SumTest = Scenario;

TEST_F(SumTest, OMGrowsToTheFourthCornerWithItsLettersThenBlinks) {
  run("click Command3");
  expectLine(form.Line7, 0, 0, 0, 0);
  run("tick Timer6 120");
  EXPECT_TRUE(form.Timer7.Enabled() && form.count6 == 0);
  expectAt(form.Line7.X2, form.Line7.Y2, 9, 7);
  expectHead(form.Line7, form.Line8, form.Line9);
  expectAt(form.Label3.Left, form.Label3.Top, 9, 7);  // "M"
  expectAt(form.Label11.Left, form.Label11.Top, 4.5, 3.5);
  EXPECT_TRUE(form.Label3.Visible && form.Label11.Visible);
  for (bool shown : {false, true, false, true}) {
    run("tick Timer7");
    EXPECT_EQ(form.Line7.Visible && form.Line8.Visible, shown);
    expectLine(form.Line7, 0, 0, 9, 7);
  }
  EXPECT_FALSE(form.Timer7.Enabled());
  expectHead(form.Line7, form.Line8, form.Line9);
}

TEST_F(SumTest, PressedAgainOMShrinksAtOnceButItsLettersWaitForTheNextStep) {
  run("click Command3\ntick Timer6 80\nclick Command3");
  expectLine(form.Line7, 0, 0, 0, 0);
  expectAt(form.Label3.Left, form.Label3.Top, 6, 7 * 80 / 120.0);
  run("tick Timer6 200");  // 40 steps in all
  expectAt(form.Line7.X2, form.Line7.Y2, 9 * 40 / 120.0, 7 * 40 / 120.0);
  run("tick Timer7");
  expectLine(form.Line7, 0, 0, 9, 7);
}

}  // namespace
