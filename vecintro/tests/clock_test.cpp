// The clock fields: the roll-overs of the last and middle fields, the first field that starts
// as "00:", texts that are not numbers, and the press that sets the tick count back.
#include <string>

#include "scenario.h"

namespace {

class ClockTest : public Scenario {
 protected:
  void SetUp() override { run("click Command1"); }  // both timers on; only the clock is ticked
  void clockTicks(int count) { run("tick Timer2 " + std::to_string(count)); }
};

TEST_F(ClockTest, FieldsRollOverAndNeverShowFiftyNine) {
  clockTicks(58);
  EXPECT_EQ(clockReading(), "00:00:58");
  clockTicks(1);
  EXPECT_EQ(clockReading(), "00:1:1");
  for (int tick = 59; tick < 58 * 59; ++tick) {
    clockTicks(1);
    ASSERT_NE(form.Text1.Text(), ":59") << "tick " << tick;
    ASSERT_NE(form.Text2.Text(), "59") << "tick " << tick;
  }
  EXPECT_EQ(clockReading(), "00:58:58");
  // The first field reads its start text "00:" as 0, and keeps its colon.
  clockTicks(1);
  EXPECT_EQ(clockReading(), "1:1:1");
  clockTicks(58 * 58);
  EXPECT_EQ(clockReading(), "2:1:1");
}

TEST_F(ClockTest, TypedFieldsCountOnFromTheirLeadingNumber) {
  run("type Text2  12 seconds\ntype Text3 abc");
  clockTicks(59);
  EXPECT_EQ(form.Text2.Text(), "13");
  run("type Text2 70");  // beyond the round: it rolls over at the next tick
  clockTicks(1);
  EXPECT_EQ(clockReading(), "1:1:2");
  run("type Text2 \ntype Text3 99999999999999999999999");  // empty, and far too long
  clockTicks(58);
  EXPECT_EQ(form.Text2.Text(), "1");
  run("type Text2 58");
  clockTicks(58);
  EXPECT_EQ(form.Text3.Text(), "999999999:");  // the largest field, no overflow
}

TEST_F(ClockTest, APressSetsTheTickCountBackButADragDoesNot) {
  clockTicks(30);
  run("move 1 0 2700 1200");
  EXPECT_EQ(form.ss, 30);
  run("down 1 0 2700 1200");
  EXPECT_EQ(form.ss, 0);
  clockTicks(1);
  EXPECT_EQ(form.Text1.Text(), ":1");
}

}  // namespace
