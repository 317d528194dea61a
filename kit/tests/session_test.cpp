// The lesson's runtime loop: events after the timers catch up, message boxes hold the lesson,
// and the timers go on after a box at their own rhythm, neither losing nor bunching ticks.
#include <gtest/gtest.h>

#include "kit/controls.h"
#include "kit/form.h"
#include "kit/session.h"

namespace {

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    blink.onTick = [this] { ++ticks; };
  }
  kit::Form form{"test", 1000, 1000};
  kit::Timer blink{form, "blink", 300, true};
  int ticks = 0;
};

TEST_F(SessionTest, AnEventRunsAfterTheTicksDueBeforeIt) {
  kit::Session session(form, kit::Session::Lateness::DeliverAll);
  session.load();
  session.start(1000);  // the front end's clock need not start at 0
  int ticksSeenByHandler = -1;
  EXPECT_TRUE(session.deliver([&] { ticksSeenByHandler = ticks; }, 1000 + 950));
  EXPECT_EQ(ticksSeenByHandler, 3);  // due at 300, 600 and 900
  ASSERT_TRUE(session.nextDue());
  EXPECT_DOUBLE_EQ(*session.nextDue(), 1000 + 1200);
}

TEST_F(SessionTest, AMessageBoxHoldsTheLessonAndItGoesOnAfterwards) {
  kit::Session session(form, kit::Session::Lateness::SkipMissed);
  session.load();
  session.start(0);
  session.deliver([&] { form.MsgBox("请先作和向量"); }, 450);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(session.takeBoxes(450), std::vector<std::string>{"请先作和向量"});
  EXPECT_TRUE(session.holding());
  EXPECT_FALSE(session.nextDue());  // nothing wakes the front end while the box is up
  session.advance(20000);
  EXPECT_EQ(ticks, 1);
  bool ran = false;
  EXPECT_FALSE(session.deliver([&] { ran = true; }, 20000));  // no handler inside the box
  EXPECT_FALSE(ran);

  session.release(10450);  // answered ten seconds later
  ASSERT_TRUE(session.nextDue());
  EXPECT_DOUBLE_EQ(*session.nextDue(), 10600);  // the held 150 ms remain, not a new period
  for (int wake = 0; wake < 4; ++wake) session.advance(*session.nextDue());  // as a window
  EXPECT_EQ(ticks, 5);  // one tick a period, none bunched for the time the box was up
  EXPECT_DOUBLE_EQ(session.lessonTime(10600 + 900), 1500);
  EXPECT_DOUBLE_EQ(*session.nextDue(), 10600 + 1200);
}

TEST_F(SessionTest, NothingIsDueWhileNoTimerRuns) {
  kit::Session session(form, kit::Session::Lateness::DeliverAll);
  session.load();
  session.start(0);
  session.deliver([&] { blink.setEnabled(false); }, 10);
  EXPECT_FALSE(session.nextDue());
  session.deliver([&] { blink.setEnabled(true); }, 100);
  ASSERT_TRUE(session.nextDue());
  EXPECT_DOUBLE_EQ(*session.nextDue(), 400);  // a full period from being switched on
}

TEST_F(SessionTest, BeforeItStartsOnlyEventsRun) {
  kit::Session session(form, kit::Session::Lateness::DeliverAll);
  session.load();
  EXPECT_TRUE(session.deliver([] {}, 5000));
  EXPECT_EQ(ticks, 0);  // a window only pictured has no running time
  EXPECT_FALSE(session.nextDue());
}

}  // namespace
