// Every program under a fixed-seed storm of presses, drags, clicks, pastes, keys and time,
// checked after every event; and the checks themselves, which must catch what they look for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>

#include "kit/scriptrunner.h"
#include "lessons/lessons.h"
#include "tools/storm/events.h"
#include "tools/storm/storm.h"
#include "vecsub/form1.h"

namespace {

long stormLength() {
  const char* events = std::getenv("VEC_STORM_EVENTS");
  return events ? std::strtol(events, nullptr, 10) : 40000;
}

class Storm : public ::testing::TestWithParam<std::string> {};

TEST_P(Storm, HoldsThroughAFixedSeed) {
  std::unique_ptr<kit::Form> form = lessons::find(GetParam())->makeForm();
  std::ostringstream ignored;
  kit::script::Runner script(*form, ignored);
  storm::SeededChoices choices(20261207);
  const storm::Outcome outcome =
      storm::blow(*form, script, choices, stormLength(), storm::checkFor(GetParam()));
  std::string trail;
  for (const std::string& line : outcome.trail) trail += line.substr(0, 120) + "\n";
  EXPECT_EQ(outcome.failure, "") << "after event " << outcome.events << ":\n" << trail;
  EXPECT_EQ(outcome.events, stormLength());
}

std::vector<std::string> programNames() {
  std::vector<std::string> names;
  for (const lessons::Lesson& lesson : lessons::all()) names.push_back(lesson.name);
  return names;
}

INSTANTIATE_TEST_SUITE_P(Programs, Storm, ::testing::ValuesIn(programNames()),
                         [](const auto& info) { return info.param; });

TEST(StormChecks, CatchTimersRunningTogetherAndCountersOutOfRange) {
  vecsub::Form1 form;
  const storm::Check check = storm::checkFor("vecsub");
  EXPECT_EQ(check(form), "");
  form.Timer1.setEnabled(true);
  form.Timer5.setEnabled(true);
  EXPECT_EQ(check(form), "Timer1 and Timer5 run together");
  form.Timer5.setEnabled(false);
  form.count2 = 6;
  EXPECT_EQ(check(form), "count2 is 6, outside 0..5");
}

TEST(StormChecks, CatchANestedHandlerAndAVariableThatIsNotANumber) {
  vecsub::Form1 form;
  form.dispatch([&] { form.dispatch([] {}); });
  EXPECT_EQ(storm::checkWindow(form), "a handler ran inside another");
  vecsub::Form1 other;
  other.aa = std::nan("");
  EXPECT_EQ(storm::checkWindow(other), "variable aa is not a number");
}

TEST(StormEvents, AreValidDriverLinesThatReachEveryKindOfEvent) {
  std::unique_ptr<kit::Form> form = lessons::find("vecscale")->makeForm();
  std::ostringstream ignored;
  kit::script::Runner script(*form, ignored);
  storm::SeededChoices choices(7);
  std::map<std::string, int> kinds;
  for (int i = 0; i < 3000; ++i) {
    const std::string line = storm::nextEvent(*form, choices);
    kinds[line.substr(0, line.find(' '))]++;
    ASSERT_FALSE(script.runLine(line).has_value()) << line;
  }
  for (const char* kind : {"down", "move", "click", "type", "key", "tick", "run"})
    EXPECT_GT(kinds[kind], 0) << kind;
}

TEST(StormEvents, ARunOutOfBytesEndsTheStorm) {
  std::unique_ptr<kit::Form> form = lessons::find("vecadd")->makeForm();
  std::ostringstream ignored;
  kit::script::Runner script(*form, ignored);
  const std::uint8_t bytes[] = {0, 1, 2, 3, 250, 251, 7, 9, 11, 13};
  storm::ByteChoices choices(bytes, sizeof bytes);
  const storm::Outcome outcome = storm::blow(*form, script, choices, 1000, storm::checkWindow);
  EXPECT_EQ(outcome.failure, "");
  EXPECT_GT(outcome.events, 0);
  EXPECT_LT(outcome.events, 10);
}

}  // namespace
