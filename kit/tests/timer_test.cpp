// Tick delivery: pacing, time order, no tick after a timer is switched off, no nested handlers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "kit/controls.h"
#include "kit/form.h"
#include "kit/pacing.h"
#include "kit/timerclock.h"

namespace {

TEST(Pacing, NoTimerTicksFasterThan64ASecond) {
  EXPECT_DOUBLE_EQ(kit::pacedPeriodMs(1), 15.625);
  EXPECT_DOUBLE_EQ(kit::pacedPeriodMs(17), 17);
  EXPECT_DOUBLE_EQ(kit::pacedPeriodMs(300), 300);
}

class ClockTest : public ::testing::Test {
 protected:
  kit::Form form{"test", 1000, 1000};
  kit::Timer fast{form, "fast", 1, false};
  kit::Timer slow{form, "slow", 300, false};
  std::vector<std::string> log;
};

TEST_F(ClockTest, DeliversAtThePacedPeriodInTimeOrder) {
  int fastTicks = 0;
  fast.onTick = [&] {
    log.push_back("fast");
    if (++fastTicks == 100) fast.setEnabled(false);
  };
  slow.onTick = [&] { log.push_back("slow"); };
  kit::TimerClock clock(form);
  fast.setEnabled(true);
  slow.setEnabled(true);
  clock.advanceTo(1000);
  EXPECT_EQ(fastTicks, 64);
  EXPECT_EQ(std::count(log.begin(), log.end(), "slow"), 3);
  // The 300 ms tick comes between the fast ticks due at 296.875 and 312.5.
  EXPECT_EQ(log[19], "slow");
  clock.advanceTo(2000);
  EXPECT_EQ(fastTicks, 100);  // switched itself off: no tick after that
  EXPECT_EQ(std::count(log.begin(), log.end(), "slow"), 6);
}

TEST_F(ClockTest, ASwitchedOffTimerGetsNoFurtherTick) {
  int ticks = 0;
  fast.onTick = [&] {
    ++ticks;
    slow.setEnabled(false);
  };
  slow.onTick = [&] { ADD_FAILURE() << "ticked after it was switched off"; };
  kit::TimerClock clock(form);
  slow.setEnabled(true);
  fast.setEnabled(true);
  clock.advanceTo(600);
  EXPECT_GT(ticks, 0);
}

TEST_F(ClockTest, ARestartedTimerWaitsAWholePeriod) {
  int ticks = 0;
  slow.onTick = [&] { ++ticks; };
  kit::TimerClock clock(form);
  slow.setEnabled(true);
  clock.advanceTo(250);
  slow.setEnabled(false);
  slow.setEnabled(true);  // switched off and on again between ticks: a fresh start at 250
  clock.advanceTo(500);
  EXPECT_EQ(ticks, 0);
  clock.advanceTo(550);
  EXPECT_EQ(ticks, 1);
}

TEST_F(ClockTest, WithoutCatchUpALateTimerSkipsMissedTicks) {
  int ticks = 0;
  fast.onTick = [&] { ++ticks; };
  kit::TimerClock clock(form);
  fast.setEnabled(true);
  clock.advanceTo(1000, false);
  EXPECT_EQ(ticks, 1);
  EXPECT_GT(*clock.nextDue(), 1000);
}

TEST(Dispatch, HandlersNeverNest) {
  kit::Form form("test", 100, 100);
  bool innerRan = false;
  EXPECT_TRUE(form.dispatch([&] { EXPECT_FALSE(form.dispatch([&] { innerRan = true; })); }));
  EXPECT_FALSE(innerRan);
  EXPECT_FALSE(form.busy());
  EXPECT_EQ(form.nestedCalls(), 1u);  // counted, so a storm can tell it happened
}

TEST(MessageBoxes, AreShownOnceAndLoggedForTheDump) {
  kit::Form form("test", 100, 100);
  form.MsgBox("one");
  form.MsgBox("two");
  EXPECT_EQ(form.takePendingBoxes(), (std::vector<std::string>{"one", "two"}));
  EXPECT_TRUE(form.takePendingBoxes().empty());
  EXPECT_EQ(form.takeMessageLog().size(), 2u);
  EXPECT_TRUE(form.takeMessageLog().empty());
}

}  // namespace
