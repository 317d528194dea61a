// Moving the tips: the nearer tip follows a press or a left-button drag, captions and middle
// letters read the tips after every event, a press clears the demonstrations, far-away tips
// stay finite.
#include <cfloat>

#include "kit/numtext.h"
#include "scenario.h"

namespace {

using DragTest = Scenario;

// Both captions and both middle letters say where the tips stand now.
void expectLettersMatchTips(const veccoord::Form1& form) {
  EXPECT_EQ(form.Label1.Caption, kit::pointCaption("B", form.Line1.X2, form.Line1.Y2));
  EXPECT_EQ(form.Label2.Caption, kit::pointCaption("A", form.Line4.X2, form.Line4.Y2));
  EXPECT_EQ(form.Label13.Left, float(form.Line1.X2 / 2.0));
  EXPECT_EQ(form.Label13.Top, float(form.Line1.Y2 / 2.0));
  EXPECT_EQ(form.Label12.Left, float(form.Line4.X2 / 2.0));
  EXPECT_EQ(form.Label12.Top, float(form.Line4.Y2 / 2.0));
}

TEST_F(DragTest, TheNearerTipFollowsAndItsCaptionReadsItAtOnce) {
  run("down 2 0 2 4");                          // any button; nearer B (3, 5) than A (6, 2)
  EXPECT_NEAR(form.aa, std::sqrt(2.0), 1e-12);  // distances to the tips before the move
  EXPECT_NEAR(form.bb, std::sqrt(20.0), 1e-12);
  expectLine(form.Line1, 0, 0, 2, 4);
  expectHead(form.Line1, form.Line2, form.Line3);
  expectAt(form.Label1.Left, form.Label1.Top, 1.6, 4, 1e-6);
  EXPECT_EQ(form.Label1.Caption, "B(2,4)");
  expectAt(form.Label13.Left, form.Label13.Top, 1, 2, 0);
  expectLettersMatchTips(form);
  run("move 2 0 5 5");  // only the left button drags
  EXPECT_EQ(form.Label1.Caption, "B(2,4)");
  run("move 1 0 -1.2 3.466667");
  EXPECT_EQ(form.Label1.Caption, "B(-1.2,3.46)");
  expectAt(form.Label13.Left, form.Label13.Top, -0.6, 1.7333335, 1e-6);
  expectLettersMatchTips(form);
  run("move 1 1 -1 3");  // shift does not matter
  EXPECT_EQ(form.Label1.Caption, "B(-1,3)");

  run("down 1 0 7 -0.5333");  // nearer A: it jumps, and its caption says so at once
  expectLine(form.Line4, 0, 0, 7, -0.5333f);
  expectHead(form.Line4, form.Line5, form.Line6);
  expectAt(form.Label2.Left, form.Label2.Top, 6.6, -0.5333, 1e-6);
  EXPECT_EQ(form.Label2.Caption, "A(7,-0.5)");
  expectLettersMatchTips(form);
}

TEST_F(DragTest, ATieMovesNeitherTipButStillClears) {
  translate();
  run("click Command6\ndown 1 0 4.5 3.5");  // as far from A (6, 2) as from B (3, 5)
  expectLine(form.Line1, 0, 0, 3, 5);
  expectLine(form.Line4, 0, 0, 6, 2);
  expectLettersMatchTips(form);
  EXPECT_FALSE(form.Line10.Visible || form.Line13.Visible || form.Image1.Visible);
}

TEST_F(DragTest, APressClearsEveryDemonstrationAndStopsOnlyTheDecompositions) {
  translate();
  drawSum();
  run("click Command4\nclick Command5\ntick Timer8 120\ntick Timer10 120\ntick Timer9 3\n"
      "click Command6\nclick Command1\ntick Timer2 30\ndown 1 0 6 3");
  for (const kit::Timer* timer : {&form.Timer8, &form.Timer9, &form.Timer10, &form.Timer11})
    EXPECT_FALSE(timer->Enabled()) << timer->name();
  EXPECT_TRUE(form.Timer2.Enabled());  // the translation goes on
  EXPECT_EQ(form.count9, 3);           // stopped counts are kept
  for (const kit::Control* control : form.controls()) {
    if (const auto* line = dynamic_cast<const kit::Line*>(control)) {
      const bool aOrB = line->name().size() == 5 && line->name()[4] <= '6';  // Line1 … Line6
      EXPECT_EQ(line->Visible, aOrB) << line->name();
    }
  }
  for (const kit::Label* label : {&form.Label3, &form.Label4, &form.Label5, &form.Label6,
                                  &form.Label7, &form.Label8, &form.Label9, &form.Label11})
    EXPECT_FALSE(label->Visible) << label->name();
  EXPECT_FALSE(form.Image1.Visible || form.Label10.Visible || form.Text1.Visible);
  EXPECT_EQ(form.Command6.Caption, "5.显示公式");
  run("tick Timer2 90\ntick Timer3");  // the copy stays hidden until its blink shows it
  EXPECT_FALSE(form.Line10.Visible);
  run("tick Timer3");
  EXPECT_TRUE(form.Line10.Visible);
  expectLine(form.Line10, 6, 3, 9, 8);  // on the new parallelogram
}

TEST_F(DragTest, ADragDuringTheGrowthChangesTheRemainingStepsAndTheBlinkSettlesOnM) {
  run("click Command3\ntick Timer6 60\ndown 1 0 3 7\ntick Timer6");  // M becomes (9, 9)
  EXPECT_TRUE(form.Label3.Visible && !form.Line7.Visible);  // the arrow waits for its blink
  expectAt(form.Line7.X2, form.Line7.Y2, 4.5 + 9 / 120.0, 3.5 + 9 / 120.0);
  run("tick Timer6 59\ntick Timer7 4");
  EXPECT_TRUE(form.Line7.Visible);
  expectLine(form.Line7, 0, 0, 9, 9);
  expectAt(form.Label3.Left, form.Label3.Top, 9, 8);  // where the growth left it
}

TEST_F(DragTest, TipsDraggedBeyondWhatACoordinateHoldsStayFinite) {
  form.Line1.X2 = 2e38, form.Line1.Y2 = 3e38;  // B, as far drags would leave it
  form.Line4.X2 = 3e38, form.Line4.Y2 = 1e38;  // A
  translate();
  drawSum();
  run("click Command4\nclick Command5\ntick Timer8 120\ntick Timer10 120\ntick Timer9 2");
  expectLine(form.Line7, 0, 0, FLT_MAX, FLT_MAX);  // the sum saturates
  expectLine(form.Line10, 3e38f, 1e38f, FLT_MAX, FLT_MAX);
  const auto finite = [](auto... values) { return (std::isfinite(float(values)) && ...); };
  for (const kit::Control* control : form.controls()) {
    if (const auto* line = dynamic_cast<const kit::Line*>(control)) {
      EXPECT_TRUE(finite(line->X1, line->Y1, line->X2, line->Y2)) << line->name();
    } else if (const auto* label = dynamic_cast<const kit::Label*>(control)) {
      EXPECT_TRUE(finite(label->Left, label->Top)) << label->name();
    }
  }
  EXPECT_EQ(form.Label6.Caption, "X=" + kit::shortText(FLT_MAX));
}

}  // namespace
