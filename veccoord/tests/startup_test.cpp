// The window right after start: units, the start-up tick's vectors, letters and captions.
#include "scenario.h"

namespace {

TEST(Loaded, LoadSetsTheUnitsAndTheFirstTickDrawsTheRest) {
  veccoord::Form1 form;
  form.Form_Load();
  EXPECT_EQ(form.Picture1.ScaleLeft(), -2);
  EXPECT_EQ(form.Picture1.ScaleTop(), 10);
  EXPECT_EQ(form.Picture1.ScaleWidth(), 15);
  EXPECT_EQ(form.Picture1.ScaleHeight(), -12);
  EXPECT_TRUE(form.Picture1.drawing().empty());
  EXPECT_TRUE(form.Timer1.Enabled());
}

using Startup = Scenario;

TEST_F(Startup, BothVectorsWithTheirHeadsLettersAndCaptions) {
  expectLine(form.Line1, 0, 0, 3, 5);
  expectLine(form.Line4, 0, 0, 6, 2);
  expectHead(form.Line1, form.Line2, form.Line3);
  expectHead(form.Line4, form.Line5, form.Line6);
  EXPECT_EQ(form.Label1.Caption, "B(3,5)");
  EXPECT_EQ(form.Label2.Caption, "A(6,2)");
  expectAt(form.Label1.Left, form.Label1.Top, 2.6, 5.4, 1e-6);  // up and left of B
  expectAt(form.Label2.Left, form.Label2.Top, 6, 1.8, 1e-6);    // just below A
  expectAt(form.Label12.Left, form.Label12.Top, 3, 1, 0);       // "a" midway along a
  expectAt(form.Label13.Left, form.Label13.Top, 1.5, 2.5, 0);
}

TEST_F(Startup, NothingMoreIsDrawnOrRunsUntilAsked) {
  const std::size_t drawn = form.Picture1.drawing().size();
  run("run 5000\ntick Timer1 3");
  EXPECT_EQ(form.Picture1.drawing().size(), drawn);
  for (const kit::Timer* timer : form.timers()) EXPECT_FALSE(timer->Enabled()) << timer->name();
  EXPECT_FALSE(form.Line7.Visible || form.Line10.Visible || form.Line22.Visible);
  EXPECT_FALSE(form.Image1.Visible || form.Label10.Visible || form.Text1.Visible);
  EXPECT_FALSE(form.Command2.Visible);
}

}  // namespace
