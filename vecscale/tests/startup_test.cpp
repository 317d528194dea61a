// The window right after start: the designed controls and the start-up tick's figure.
#include <gtest/gtest.h>

#include <sstream>

#include "tools/vecprobe/scenario.h"
#include "vecscale/form2.h"

namespace {

using Startup = probe::ScenarioTest<vecscale::Form2>;  // loaded, before the first tick

TEST_F(Startup, LoadSetsUnitsAndTheMultiple) {
  EXPECT_EQ(form.beishu, 3);
  EXPECT_TRUE(form.Timer1.Enabled());
  EXPECT_EQ(form.Picture1.ScaleLeft(), -2);
  EXPECT_EQ(form.Picture1.ScaleTop(), 10);
  EXPECT_FALSE(form.Line1.Visible);
  EXPECT_TRUE(form.Label1.Visible);
  EXPECT_EQ(form.Command1.Caption, "作3倍向量");
  EXPECT_EQ(form.Text1.Text(), "3");
}

TEST_F(Startup, FirstTickDrawsTheAxesAndTheStartVector) {
  ASSERT_FALSE(script.runLine("run 20"));
  EXPECT_FALSE(form.Timer1.Enabled());
  EXPECT_EQ(float(form.Line1.X1), 0);
  EXPECT_EQ(float(form.Line1.Y1), 0);
  EXPECT_EQ(float(form.Line1.X2), 3);
  EXPECT_EQ(float(form.Line1.Y2), 2);
  EXPECT_TRUE(form.Line1.Visible && form.Line2.Visible && form.Line3.Visible);
  EXPECT_EQ(float(form.Line2.X1), 3);
  EXPECT_EQ(float(form.Line3.Y1), 2);
  EXPECT_LT(form.Line2.X2, 3);  // the head points back towards the origin
  EXPECT_NEAR(std::hypot(form.Line2.X2 - 3.0, form.Line2.Y2 - 2.0), 0.3, 1e-5);
  EXPECT_EQ(form.Label1.Caption, "A(3,2)");
  EXPECT_FLOAT_EQ(form.Label1.Left, 2.6f);
  EXPECT_FLOAT_EQ(form.Label1.Top, 2.4f);
  EXPECT_EQ(float(form.Label8.Left), 1.5f);
  EXPECT_EQ(float(form.Label8.Top), 1.0f);
  EXPECT_TRUE(form.Label8.Visible);
  EXPECT_FALSE(form.Line7.Visible);

  int numbers = 0, letters = 0;
  for (const kit::DrawOp& op : form.Picture1.drawing()) {
    if (op.kind != kit::DrawOp::Kind::Text) continue;
    if (op.text == "o" || op.text == "x" || op.text == "y") {
      ++letters;
      EXPECT_EQ(op.font.points, 16);
    } else {
      ++numbers;
      EXPECT_EQ(op.font.points, 9);
    }
  }
  EXPECT_EQ(numbers, 13 + 10);  // -1..12 on x and -1..9 on y, none at 0
  EXPECT_EQ(letters, 3);
}

TEST_F(Startup, TheStartTickNeverRunsAgain) {
  ASSERT_FALSE(script.runLine("run 1000"));
  const std::size_t drawn = form.Picture1.drawing().size();
  ASSERT_FALSE(script.runLine("tick Timer1 5"));
  EXPECT_EQ(form.Picture1.drawing().size(), drawn);
}

TEST_F(Startup, DumpListsControlsInDesignOrder) {
  ASSERT_FALSE(script.runLine("run 20"));
  const std::string all = state();
  // Every control in the order the form declares it, then the window, its variables, the
  // messages and the drawing.
  std::size_t last = 0;
  const auto expectNext = [&](const std::string& key) {
    const std::size_t at = all.find("\"" + key + "\":");
    ASSERT_NE(at, std::string::npos) << key;
    EXPECT_GT(at, last) << key << " out of order";
    last = at;
  };
  for (const kit::Control* control : form.controls()) expectNext(control->name());
  for (const char* key : {"form", "vars", "messages", "drawing"}) expectNext(key);

  out.str("");
  ASSERT_FALSE(
      script.runLine("dump Timer1 Line1 Label1"));  // named controls come in the order named
  const std::string named = out.str();
  EXPECT_EQ(
      named.rfind(
          R"j({"Timer1":{"Enabled":false,"Interval":1},"Line1":{"X1":0,"Y1":0,"X2":3,"Y2":2,"Visible":true},"Label1":{"Caption":"A(3,2)")j",
          0),
      0u)
      << named;
  EXPECT_NE(named.find(R"j("vars":{"beishu":3,)j"), std::string::npos);
  EXPECT_NE(
      named.find(
          R"j("form":{"Caption":"用向量的坐标进行向量的线性运算","Width":9405,"Height":7305})j"),
      std::string::npos);
  EXPECT_NE(named.find(R"j({"op":"text","x":)j"), std::string::npos);
}

TEST_F(Startup, UnknownNamesStopTheScript) {
  for (const char* line : {"dump Line99", "click Command9", "jump"})
    EXPECT_TRUE(script.runLine(line).has_value()) << line;
}

}  // namespace
