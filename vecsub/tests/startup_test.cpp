// The window right after start: a and b from O, their letters, and nothing else moving.
#include "scenario.h"

namespace {

using Startup = Scenario;

TEST_F(Startup, ShowsAAndBFromOWithTheirLettersOnly) {
  expectAt(form.Line1.X1, form.Line1.Y1, kOx, kOy);
  expectAt(form.Line1.X2, form.Line1.Y2, kAx, kAy);
  expectAt(form.Line4.X1, form.Line4.Y1, kOx, kOy);
  expectAt(form.Line4.X2, form.Line4.Y2, kBx, kBy);
  for (kit::Line* line :
       {&form.Line1, &form.Line2, &form.Line3, &form.Line4, &form.Line5, &form.Line6})
    EXPECT_TRUE(line->Visible) << line->name();
  for (kit::Label* label : {&form.Label1, &form.Label2, &form.Label3, &form.Label4, &form.Label5})
    EXPECT_TRUE(label->Visible) << label->name();
  EXPECT_FALSE(form.Line7.Visible || form.Line8.Visible || form.Line9.Visible);
  EXPECT_FALSE(form.Label6.Visible || form.Label7.Visible);
  EXPECT_FALSE(form.Shape1.Visible || form.Shape2.Visible || form.Shape3.Visible);
  EXPECT_TRUE(form.Command1.Visible && form.Command2.Visible && form.Frame1.Visible &&
              form.Text1.Visible);
  expectAt(form.Label1.Left, form.Label1.Top, 1920 / kUnit, 1000 - 1560 / kUnit);
  expectAt(form.Label4.Left, form.Label4.Top, 1440 / kUnit, 1000 - 2640 / kUnit);
  // The head lines keep their designed places until the first press.
  expectAt(form.Line3.X2, form.Line3.Y2, kAx, 1000 - 2000 / kUnit);
  EXPECT_EQ(form.Text1.Text().find("在左侧窗中\r\n，用左键在\r\n"), 0u);
  EXPECT_EQ(form.Text1.Text().size() - form.Text1.Text().rfind("做差向量。\r\n"),
            std::string("做差向量。\r\n").size());

  const std::string dump = state();
  EXPECT_NE(dump.find(R"("form":{"Caption":"向量的减法 ","Width":7620,"Height":6285})"),
            std::string::npos);
  EXPECT_NE(dump.find(R"("Command2":{"Caption":"作 b-a","Visible":true})"), std::string::npos);
  EXPECT_NE(dump.find(R"("vars":{"aa":0,"bb":0,"cc":0,"jiao":0,"count1":0,)"), std::string::npos);
}

TEST_F(Startup, NothingMovesUntilThePupilActsAndTimer3NeverRuns) {
  const std::string before = state();
  run("run 5000");
  EXPECT_EQ(state(), before);

  run("click Command1\nrun 4000\nclick Command2\nrun 4000\ndown 1 0 500 500\nrun 1000");
  EXPECT_EQ(form.Timer3.starts(), 0u);
  EXPECT_FALSE(form.Timer3.Enabled());
}

}  // namespace
