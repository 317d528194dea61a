// The teacher's pause, step and pace in a page: on the test hook's virtual clock every lesson
// gives the dumps the driver's script runner gives for the same commands; on the page's clock a
// pause stops the frames and a resume or another pace moves them as the session says.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>

#include "kit/dump.h"
#include "kit/web/lesson.h"
#include "lessons/lessons.h"
#include "tools/vecprobe/script.h"

namespace {

using Clock = kitweb::Lesson::Clock;

std::unique_ptr<kitweb::Lesson> open(const std::string& program, Clock clock, double now = 0) {
  return std::make_unique<kitweb::Lesson>(lessons::find(program)->makeForm(), clock,
                                          lessons::find(program)->description, now);
}

// What the driver prints for a script.
std::string driverDumps(const std::string& program, const std::string& script) {
  auto form = lessons::find(program)->makeForm();
  std::ostringstream out;
  probe::Script driver(*form, out);
  std::istringstream lines(script);
  driver.run(lines);
  return out.str();
}

// The same script through the page's lesson, command by command as the test hook makes them.
// The page's own clock reads far from the lesson's, which must not matter.
std::string pageDumps(const std::string& program, const std::string& script) {
  auto lesson = open(program, Clock::Virtual);
  constexpr double kPageNow = 987654;
  std::string out;
  std::istringstream lines(script);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream args(line);
    std::string command, name;
    args >> command;
    if (command == "run") {
      double ms = 0;
      args >> ms;
      EXPECT_TRUE(lesson->run(ms)) << line;
    } else if (command == "click") {
      args >> name;
      EXPECT_TRUE(lesson->click(name, kPageNow)) << line;
    } else if (command == "down" || command == "move") {
      int button = 0, shift = 0;
      float x = 0, y = 0;
      args >> button >> shift >> x >> y;
      lesson->mouseAt("Picture1", command == "down", button, shift, x, y, kPageNow);
    } else if (command == "tick") {
      long count = 1;
      args >> name >> count;
      EXPECT_TRUE(lesson->tick(name, count)) << line;
    } else if (command == "pause") {
      lesson->pause(kPageNow);
    } else if (command == "resume") {
      lesson->resume(kPageNow);
    } else if (command == "step") {
      lesson->step();
    } else if (command == "speed") {
      double speed = 0;
      args >> speed;
      EXPECT_TRUE(lesson->setSpeed(speed, kPageNow)) << line;
    } else if (command == "dump") {
      out += kit::dumpState(lesson->form(), {}) + "\n";
    } else {
      ADD_FAILURE() << "no such command here: " << line;
    }
  }
  return out;
}

class PagePresenter : public ::testing::TestWithParam<const char*> {
 protected:
  void expectSameDumps(const std::string& script) {
    const std::string driver = driverDumps(GetParam(), script);
    ASSERT_FALSE(driver.empty());
    EXPECT_EQ(pageDumps(GetParam(), script), driver) << script;
  }
};

TEST_P(PagePresenter, PausesAndResumesAsTheDriver) {
  expectSameDumps(
      "run 100\nclick Command1\nrun 500\npause\nrun 5000\ndump\nresume\nrun 500\ndump\n"
      "pause\npause\nrun 70\nresume\nresume\nrun 2500\ndump\n");
  // A pause before anything runs, input while paused starting its animation paused, and a
  // timer's ticks delivered by hand all the same.
  expectSameDumps(
      "pause\nrun 100\ndown 1 0 300 300\nclick Command1\nrun 5000\ndump\ntick Timer1 2\n"
      "resume\nrun 800\ndump\n");
}

TEST_P(PagePresenter, StepsAsTheDriver) {
  // A step is refused unless paused; once paused, each one is the next tick.
  expectSameDumps(
      "run 100\nclick Command1\nstep\nrun 40\npause\nstep\ndump\nstep\nstep\nstep\ndump\n"
      "run 3000\nstep\ndump\nresume\nrun 700\ndump\npause\nstep\nstep\nresume\nrun 6000\ndump\n");
  // Stepping at another pace, and through a whole animation to the lesson's end of it.
  std::string many = "run 100\nclick Command1\nspeed 0.25\npause\n";
  for (int i = 0; i < 300; ++i) many += "step\n";
  expectSameDumps(many + "dump\nresume\nrun 900\ndump\nclick Command1\nrun 500\ndump\n");
}

TEST_P(PagePresenter, PacesAsTheDriver) {
  expectSameDumps(
      "run 100\nclick Command1\nspeed 0.5\nrun 999\ndump\nspeed 2\nrun 333\ndump\n"
      "speed 0.25\npause\nrun 100\nspeed 2\nresume\nrun 1234\ndump\nspeed 1\nrun 2000\ndump\n");
  // A pace set before any animation, kept through the pupil's input.
  expectSameDumps(
      "speed 2\nrun 50\ndown 1 0 300 300\nmove 1 0 320 280\nclick Command1\nrun 1500\ndump\n"
      "speed 0.5\nclick Command1\nrun 3000\ndump\n");
}

INSTANTIATE_TEST_SUITE_P(EveryLesson, PagePresenter,
                         ::testing::Values("vecintro", "vecadd", "vecsub", "veccoord", "vecscale"));

TEST(PagePresenterTest, RefusesPacesATeacherCannotChoose) {
  auto lesson = open("vecsub", Clock::Virtual);
  for (double speed : {3.0, 0.0, -1.0, 0.3, std::nan("")}) {
    EXPECT_FALSE(lesson->setSpeed(speed, 0)) << speed;
    EXPECT_EQ(lesson->speed(), 1);
  }
  EXPECT_TRUE(lesson->setSpeed(0.25, 0));
  EXPECT_EQ(lesson->speed(), 0.25);
}

TEST(PagePresenterTest, OnThePagesClockAPauseStopsTheFramesUntilResumed) {
  auto lesson = open("vecsub", Clock::Real, 1000);
  lesson->advance(1100);
  ASSERT_TRUE(lesson->click("Command1", 1100));
  const auto due = lesson->nextDue();
  ASSERT_TRUE(due);
  lesson->pause(1105);
  EXPECT_TRUE(lesson->paused());
  EXPECT_FALSE(lesson->nextDue());  // no frame is asked for while paused
  lesson->resume(4105);
  ASSERT_TRUE(lesson->nextDue());
  EXPECT_DOUBLE_EQ(*lesson->nextDue(), *due + 3000);  // the paused 3 s do not count

  // Half the pace: what was left until the next tick takes twice as long.
  EXPECT_TRUE(lesson->setSpeed(0.5, 4105));
  EXPECT_DOUBLE_EQ(*lesson->nextDue(), 4105 + 2 * (*due + 3000 - 4105));

  // A step while paused delivers one tick and stays paused.
  lesson->pause(4106);
  const std::string before = kit::dumpState(lesson->form(), {});
  EXPECT_TRUE(lesson->step());
  EXPECT_TRUE(lesson->paused());
  EXPECT_FALSE(lesson->nextDue());
  EXPECT_NE(kit::dumpState(lesson->form(), {}), before);
}

}  // namespace
