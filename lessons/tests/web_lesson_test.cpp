// A lesson behind a page: its window described at a zoom, the state a page syncs, input in the
// page's pixels, the two clocks, message boxes, paint lists and change detection; on the real
// programs, and the test hook's script lines.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "kit/controls.h"
#include "kit/dump.h"
#include "kit/form.h"
#include "kit/json.h"
#include "kit/web/hookline.h"
#include "kit/web/lesson.h"
#include "lessons/lessons.h"

namespace {

using Clock = kitweb::Lesson::Clock;

std::unique_ptr<kitweb::Lesson> open(const std::string& program, Clock clock, double now = 0) {
  const lessons::Lesson& lesson = *lessons::find(program);
  return std::make_unique<kitweb::Lesson>(lesson.makeForm(), clock, lesson.description, now);
}

TEST(LessonTest, DescribesTheWindowAtAZoomWithFramesFirstAndItsSurface) {
  auto lesson = open("vecsub", Clock::Virtual);
  const std::string json = lesson->describe(2.0);
  // 7620 x 6285 twips: 508 x 419 pixels designed, twice that at zoom 2.
  EXPECT_NE(json.find("\"design\":[508,419],\"size\":[1016,838]"), std::string::npos) << json;
  const auto frame = json.find("\"name\":\"Frame1\"");
  const auto button = json.find("\"name\":\"Command1\"");
  ASSERT_NE(frame, std::string::npos);
  ASSERT_NE(button, std::string::npos);
  EXPECT_LT(frame, button);
  // Command1 at (6240, 480) 1335 x 495 twips.
  EXPECT_NE(json.find("\"rect\":[832,64,178,66]", button), std::string::npos);
  EXPECT_NE(json.find("\"canvases\":[{\"name\":\"Picture1\""), std::string::npos);
  EXPECT_NE(json.find("\"border\":4"), std::string::npos);
  EXPECT_NE(json.find("\"multiLine\":true"), std::string::npos);
  EXPECT_NE(json.find("\"readOnly\":true"), std::string::npos);
  EXPECT_NE(json.find(lessons::find("vecsub")->description), std::string::npos);
  EXPECT_EQ(json.find("\"name\":\"Timer"), std::string::npos);  // timers are no elements
}

TEST(LessonTest, FitsTheDesignedWindowAndCentresItsCurrentSize) {
  auto lesson = open("vecsub", Clock::Virtual);
  // Twice the design's width and three times its height: the width decides.
  EXPECT_EQ(lesson->fit(1016, 1257), "{\"zoom\":2,\"left\":0,\"top\":209.5}");
  auto intro = open("vecintro", Clock::Virtual);
  intro->form().Height += 3000;  // result lines make the window taller, not smaller
  EXPECT_EQ(intro->fit(639, 2000), "{\"zoom\":1,\"left\":0,\"top\":795.5}");
}

TEST(LessonTest, StateFollowsTheHandlers) {
  auto lesson = open("vecscale", Clock::Virtual);
  EXPECT_NE(lesson->state(1.0).find("\"Command1\":[true,\"作3倍向量\"]"), std::string::npos);
  EXPECT_TRUE(lesson->type("Text1", "2", 0));
  EXPECT_NE(lesson->state(1.0).find("\"Command1\":[true,\"作2倍向量\"]"), std::string::npos);
  EXPECT_NE(lesson->state(1.0).find("\"Text1\":[true,\"2\"]"), std::string::npos);

  auto intro = open("vecintro", Clock::Virtual);
  EXPECT_NE(intro->state(1.0).find("\"size\":[639,209]"), std::string::npos);
  EXPECT_NE(intro->state(1.0).find("\"Text4\":[false,"), std::string::npos);
}

TEST(LessonTest, UnknownNamesAndKindsAreRefused) {
  auto lesson = open("vecscale", Clock::Virtual);
  EXPECT_FALSE(lesson->click("NoSuchButton", 0));
  EXPECT_FALSE(lesson->click("Text1", 0));
  EXPECT_FALSE(lesson->type("Command1", "1", 0));
  EXPECT_FALSE(lesson->key("Frame1", 13, 0));
  EXPECT_FALSE(lesson->mouse("NoSuchArea", true, 1, 0, 10, 10, 1.0, 0));
  EXPECT_EQ(lesson->fingerprint("NoSuchArea"), 0u);
  EXPECT_FALSE(lesson->toPixels("NoSuchArea", 0, 0, 1.0));
}

// The test hook's lines: the clock and dumps carried out by the driver's runner, the pupil's
// input handed back untouched for the browser to give, and every text one character a byte.
TEST(LessonTest, TheTestHookRunsTheClockAndHandsBackTheInput) {
  auto lesson = open("vecsub", Clock::Virtual);
  EXPECT_EQ(kitweb::hookLine(*lesson, "run 20"), R"({"command":"run","ms":20,"ran":true})");
  const std::string before = kit::dumpState(lesson->form(), {});
  EXPECT_EQ(kitweb::hookLine(*lesson, "click Command1"),
            R"({"command":"click","name":"Command1"})");
  EXPECT_EQ(kitweb::hookLine(*lesson, "down 1 0 0.1 -2"),
            R"({"command":"down","button":1,"shift":0,"x":0.10000000149011612,"y":-2})");
  EXPECT_EQ(kit::dumpState(lesson->form(), {}), before);
  EXPECT_EQ(kitweb::hookLine(*lesson, "  # a comment"), R"({"command":null})");
  EXPECT_EQ(kitweb::hookLine(*lesson, "dump Line1"),
            kit::JsonObject()
                .add("command", "dump")
                .add("out", kit::dumpState(lesson->form(), {"Line1"}))
                .str());
  EXPECT_EQ(kitweb::hookLine(*lesson, "type Text1 \xe4\"\x01"),
            R"({"command":"type","name":"Text1","text":"\u00e4\"\u0001"})");
  EXPECT_EQ(kitweb::hookLine(*lesson, "frob\xffnicate"),
            R"({"error":"unknown command: frob\u00ffnicate"})");
  EXPECT_EQ(kitweb::hookLine(*open("vecsub", Clock::Real), "run 20"),
            R"({"error":"not a test page"})");
}

TEST(LessonTest, RefusesPacesATeacherCannotChoose) {
  auto lesson = open("vecsub", Clock::Virtual);
  for (double speed : {3.0, 0.0, -1.0, 0.3, std::nan("")}) {
    EXPECT_FALSE(lesson->setSpeed(speed, 0)) << speed;
    EXPECT_EQ(lesson->speed(), 1);
  }
  EXPECT_TRUE(lesson->setSpeed(0.25, 0));
  EXPECT_EQ(lesson->speed(), 0.25);
}

TEST(LessonTest, OnThePagesClockAPauseStopsTheFramesUntilResumed) {
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

// A form with one surface in the lessons' coordinate units that notes where it was pressed.
class PressedForm : public kit::Form {
 public:
  PressedForm() : kit::Form("test", 9000, 7000) {
    Picture1.Scale(-2, 10, 13, -2);
    Picture1.onMouseDown = [this](int b, int s, float x, float y) {
      button = b, shift = s, at = {x, y};
    };
  }
  kit::Canvas Picture1{*this, "Picture1", {120, 120, 7500, 6000}, 2};
  int button = 0, shift = 0;
  kit::PixelPoint at;
};

TEST(LessonTest, PixelsInsideTheBorderMeetTheUnitsAtAnyZoom) {
  auto owned = std::make_unique<PressedForm>();
  PressedForm& form = *owned;
  kitweb::Lesson lesson(std::move(owned), Clock::Virtual, "");
  for (double zoom : {0.75, 1.0, 2.5}) {
    const auto pixel = lesson.toPixels("Picture1", 6, 2, zoom);
    ASSERT_TRUE(pixel);
    // (-2, 10) is the inner top-left corner; 15 units span the inner 496 pixels at zoom 1.
    EXPECT_NEAR(pixel->x, 8.0 / 15 * 496 * zoom, 1e-9);
    EXPECT_TRUE(lesson.mouse("Picture1", true, 2, 1, pixel->x, pixel->y, zoom, 0));
    EXPECT_NEAR(form.at.x, 6, 1e-5);
    EXPECT_NEAR(form.at.y, 2, 1e-5);
    EXPECT_EQ(form.button, 2);
    EXPECT_EQ(form.shift, 1);
  }
  EXPECT_TRUE(lesson.mouseAt("Picture1", true, 1, 0, 0.1f, 0.2f, 0));
  EXPECT_EQ(form.at.x, 0.1f);  // the test hook's points arrive as they were given
  EXPECT_EQ(form.at.y, 0.2f);
  EXPECT_FALSE(lesson.mouse("Picture1", false, 1, 0, 0, 0, 1.0, 0));  // no move handler
}

TEST(LessonTest, OnTheVirtualClockMessageBoxesAreAnsweredAtOnce) {
  auto lesson = open("vecscale", Clock::Virtual);
  EXPECT_TRUE(lesson->click("Command2", 0));  // nothing drawn yet to project
  EXPECT_TRUE(lesson->takeBoxes(0).empty());
  EXPECT_NE(kit::dumpState(lesson->form(), {"Command2"}).find("\"messages\":[\""),
            std::string::npos);
  EXPECT_TRUE(lesson->click("Command1", 0));  // not held
}

TEST(LessonTest, OnRealTimeABoxHoldsTheLessonUntilReleased) {
  auto lesson = open("vecscale", Clock::Real, 1000);
  ASSERT_TRUE(lesson->nextDue());
  EXPECT_DOUBLE_EQ(*lesson->nextDue(), 1000 + 1000.0 / 64);  // the start-up timer, paced
  lesson->advance(1100);
  EXPECT_TRUE(lesson->click("Command1", 1100));  // λa grows on a timer
  EXPECT_TRUE(lesson->type("Text1", "1e300", 1110));
  EXPECT_TRUE(lesson->key("Text1", 13, 1120));  // a multiple too large: a message
  EXPECT_EQ(lesson->takeBoxes(1120).size(), 1u);
  EXPECT_FALSE(lesson->nextDue());  // no frames while the box is up
  EXPECT_FALSE(lesson->click("Command1", 1300));
  lesson->release(5120);
  ASSERT_TRUE(lesson->nextDue());
  // Its second tick, due 1131.25 when the box came up at 1120: the 4 s the box was up do not
  // count.
  EXPECT_DOUBLE_EQ(*lesson->nextDue(), 1100 + 2 * 1000.0 / 64 + 4000);
}

TEST(LessonTest, PaintsTheBackgroundFirstAndSeesEveryChange) {
  auto lesson = open("vecsub", Clock::Virtual);
  const std::size_t before = lesson->fingerprint("Picture1");
  const auto& buffer = lesson->paint("Picture1", 1.0, 500, 400);
  ASSERT_GE(buffer.numbers().size(), 6u);
  EXPECT_EQ(buffer.numbers()[0], kitweb::kFillRect);
  EXPECT_EQ(buffer.numbers()[3], 500);
  EXPECT_EQ(buffer.numbers()[5], 0xffffff);  // the white surface
  bool letters = false;
  for (const std::string& text : buffer.strings()) letters = letters || text == "a";
  EXPECT_TRUE(letters);

  EXPECT_EQ(lesson->fingerprint("Picture1"), before);
  lesson->click("Command1", 0);
  kitweb::hookLine(*lesson, "run 4000");
  EXPECT_NE(lesson->fingerprint("Picture1"), before);

  // The window's own canvas: the form's colour, and vecintro's result lines once written.
  auto intro = open("vecintro", Clock::Virtual);
  const std::size_t empty = intro->fingerprint("Form");
  EXPECT_EQ(intro->paint("Form", 1.0, 639, 209).numbers().size(), 6u);
  intro->click("Command1", 0);
  kitweb::hookLine(*intro, "run 10000");
  EXPECT_NE(intro->fingerprint("Form"), empty);
  EXPECT_GT(intro->paint("Form", 1.0, 639, 229).strings().size(), 0u);
}

}  // namespace
