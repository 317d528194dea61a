// The window right after loading, and a run started at once with the level force.
#include "scenario.h"

namespace {

using Startup = Scenario;

TEST_F(Startup, ShowsTheLevelForceTheCartAtTheStartAndAZeroClock) {
  EXPECT_EQ(form.jiaodu, 0);
  EXPECT_FALSE(form.Timer1.Enabled() || form.Timer2.Enabled());
  EXPECT_EQ(clockReading(), "00:00:00");
  EXPECT_EQ(float(form.Line1.Y2), float(form.Line1.Y1));  // level
  EXPECT_TRUE(form.Line1.Visible && form.Line2.Visible && form.Line3.Visible);
  EXPECT_FALSE(form.Line4.Visible || form.Text4.Visible);
  // The hint lies on the surface, in front of it.
  EXPECT_LT(form.Text4.rect.top + form.Text4.rect.height, form.Picture1.outer().height);
}

TEST_F(Startup, StartingAtOnceRunsTheLevelForceToTheFarEnd) {
  run("click Command1");
  EXPECT_TRUE(form.Timer1.Enabled() && form.Timer2.Enabled());
  EXPECT_EQ(form.n, 1);
  EXPECT_EQ(stepsUntilRunEnds(), 216);
  EXPECT_FALSE(form.Timer2.Enabled());
  EXPECT_EQ(clockReading(), "00:3:42");  // 216 ticks: three rounds of 58 and 42
  const auto texts = windowTexts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->text, "第1次:     角度：0°          时间:00:3:42");
}

}  // namespace
