// The teacher's control of a lesson's time, for every lesson: a pause neither loses nor bunches
// ticks, a step is the next tick the running clock would have delivered, a slower or faster
// pace stretches or shrinks time alone, and the pupil's input still works while paused.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "kit/form.h"
#include "kit/json.h"
#include "kit/scriptrunner.h"
#include "lessons/lessons.h"

namespace {

// A fresh lesson driven by a script; what it printed, or why the script stopped.
class Lesson {
 public:
  explicit Lesson(const std::string& program)
      : form_(lessons::find(program)->makeForm()), script_(*form_, out_) {}
  std::string run(const std::string& lines) {
    std::istringstream in(lines);
    if (const kit::script::Stop stop = script_.run(in)) return "stopped: " + stop->message;
    return takeOut();
  }
  kit::script::Runner& script() { return script_; }

 private:
  std::string takeOut() {
    std::string text = out_.str();
    out_.str("");
    return text;
  }
  std::unique_ptr<kit::Form> form_;
  std::ostringstream out_;
  kit::script::Runner script_;
};

std::string after(const std::string& program, const std::string& lines) {
  return Lesson(program).run(lines);
}

class Presenter : public ::testing::TestWithParam<const char*> {};

TEST_P(Presenter, APauseNeitherLosesNorBunchesTicks) {
  const std::string program = GetParam();
  const std::string start = "run 100\nclick Command1\n";
  const std::string straight = after(program, start + "run 1000\ndump\nrun 2500\ndump\n");
  const std::string paused =
      after(program, start +
                         "run 500\npause\nrun 5000\nresume\nrun 500\ndump\n"
                         "pause\npause\nrun 70\nresume\nresume\nrun 2500\ndump\n");
  EXPECT_EQ(paused, straight);
}

TEST_P(Presenter, SlowAndFastPacesStretchOnlyTime) {
  const std::string program = GetParam();
  const std::string start = "run 100\nclick Command1\n";
  const std::string straight = after(program, start + "run 1000\ndump\nrun 1000\ndump\n");
  EXPECT_EQ(after(program, start + "speed 0.5\nrun 2000\ndump\nspeed 2\nrun 500\ndump\n"),
            straight);
  EXPECT_EQ(after(program, start + "speed 0.25\nrun 4000\ndump\nspeed 1\nrun 1000\ndump\n"),
            straight);
}

TEST_P(Presenter, StepsAreTheTicksOfTheRunningClockOneByOne) {
  const std::string program = GetParam();
  Lesson stepped(program);
  stepped.run("run 100\nclick Command1\npause\n");
  for (int step = 0; step < 40; ++step) {
    const std::string state = stepped.run("step\ndump\n");
    const double lessonTime = stepped.script().clock().now();
    EXPECT_EQ(after(program, "run 100\nclick Command1\nrun " + kit::jsonNumber(lessonTime - 100) +
                                 "\ndump\n"),
              state)
        << "step " << step;
  }
  // Resumed, the lesson goes on from the last step at its normal rhythm.
  const double lessonTime = stepped.script().clock().now();
  EXPECT_EQ(stepped.run("resume\nrun 700\ndump\n"),
            after(program, "run 100\nclick Command1\nrun " +
                               kit::jsonNumber(lessonTime - 100 + 700) + "\ndump\n"));
}

TEST_P(Presenter, InputReachesItsHandlersWhilePausedAndStartsAnimationsPaused) {
  const std::string program = GetParam();
  const std::string pressed = "run 100\npause\ndown 1 0 300 300\nclick Command1\n";
  EXPECT_EQ(after(program, pressed + "run 5000\ndump\n"),
            after(program, "run 100\ndown 1 0 300 300\nclick Command1\ndump\n"));
  EXPECT_EQ(after(program, pressed + "run 5000\nresume\nrun 800\ndump\n"),
            after(program, "run 100\ndown 1 0 300 300\nclick Command1\nrun 800\ndump\n"));
}

TEST_P(Presenter, BackUndoesStepsAndPressesAndReplayRunsTheChainAgain) {
  const std::string program = GetParam();
  const std::string paused = "run 100\nclick Command1\nrun 300\npause\n";
  const std::string later = "resume\nrun 700\ndump\n";
  const std::string atPause = after(program, paused + "dump\n" + later);
  EXPECT_EQ(after(program, paused + "step\nstep\nstep\nstep\nback 2\nback\nback\ndump\n" + later),
            atPause);
  // A press while paused is a step of its own; back while running pauses, then undoes the last
  // moment's ticks, which a step delivers again.
  EXPECT_EQ(after(program, paused + "down 1 0 300 300\nback\ndump\n" + later), atPause);
  EXPECT_EQ(after(program, "run 100\nclick Command1\nrun 300\nback\nstep\ndump\n"),
            after(program, paused + "dump\n"));
  const std::string chain = "run 300\ndump\nrun 2000\ndump\n";
  EXPECT_EQ(after(program, "run 100\nclick Command1\nrun 900\nreplay\n" + chain),
            after(program, "run 100\nclick Command1\n" + chain));
  // Nothing before the start: the lesson as loaded.
  EXPECT_EQ(after(program, "run 100\nclick Command1\nrun 300\nback 100000\ndump\n"),
            after(program, "pause\nback\ndump\n"));
}

INSTANTIATE_TEST_SUITE_P(EveryLesson, Presenter,
                         ::testing::Values("vecintro", "vecadd", "vecsub", "veccoord", "vecscale"));

TEST(PresenterScript, RefusesSpeedsAndStepCountsATeacherCannotChoose) {
  for (const char* line : {"speed 3", "speed 0", "speed -1", "speed nan", "speed", "back -1",
                           "back 1.5", "back x", "back 1e10"}) {
    EXPECT_EQ(after("vecsub", std::string(line) + "\n").rfind("stopped: line 1: ", 0), 0u) << line;
  }
}

}  // namespace
