// The page's way into its lesson: plain C functions the JavaScript runtime calls. A page holds
// one lesson; texts come back as UTF-8 kept alive until the next call that returns one.
#include <emscripten.h>

#include <cmath>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kit/controls.h"
#include "kit/input.h"
#include "kit/json.h"
#include "kit/order.h"
#include "kit/presenting.h"
#include "kit/script.h"
#include "kit/web/hookline.h"
#include "kit/web/lesson.h"
#include "kit/zoom.h"
#include "lessons/lessons.h"

namespace {

std::unique_ptr<kitweb::Lesson> lesson;
std::string returned, paintStrings;
// What vec_state and vec_paint_strings last handed over (the latter per area): an animation's
// frame mostly changes neither, and then hands over "" instead of the same text again.
std::string lastState;
std::map<std::string, std::string, std::less<>> lastStrings;

const char* give(std::string text) {
  returned = std::move(text);
  return returned.c_str();
}

// Each pace with its label, its neighbours and the corner's note, running and paused.
std::string speedsJson() {
  kit::JsonArray out;
  for (const double speed : kit::kSpeeds) {
    out.raw(kit::JsonObject()
                .add("speed", speed)
                .add("label", kit::speedLabel(speed))
                .add("slower", kit::nextSpeed(speed, -1))
                .add("faster", kit::nextSpeed(speed, 1))
                .add("badge", kit::badgeText(false, speed))
                .add("pausedBadge", kit::badgeText(true, speed))
                .str());
  }
  return out.str();
}

std::string buttonJson(const kit::BarButton& button) {
  return kit::JsonObject()
      .add("label", button.label)
      .add("name", button.name)
      .add("keys", button.keys)
      .str();
}

std::string drawingJson() {
  using namespace kitweb;
  const std::pair<const char*, Op> ops[] = {
      {"FillRect", kFillRect}, {"Disc", kDisc},       {"Line", kLine}, {"Arc", kArc},
      {"Text", kText},         {"Picture", kPicture}, {"Mark", kMark}};
  kit::JsonObject codes, counts;
  for (const auto& [name, op] : ops) {
    codes.add(name, static_cast<int>(op));
    counts.add(std::to_string(op), operandCount(op));
  }
  return kit::JsonObject()
      .raw("opcodes", codes.str())
      .raw("operandCounts", counts.str())
      .raw("strokeFlags", kit::JsonObject()
                              .add("Dotted", static_cast<int>(kDotted))
                              .add("RoundCap", static_cast<int>(kRoundCap))
                              .add("Smooth", static_cast<int>(kSmooth))
                              .str())
      .str();
}

// The named keys under the names a browser's KeyboardEvent.key gives them.
std::string inputJson() {
  namespace keys = kit::keys;
  return kit::JsonObject()
      .raw("buttons", kit::JsonObject()
                          .add("left", kit::buttons::kLeft)
                          .add("right", kit::buttons::kRight)
                          .add("middle", kit::buttons::kMiddle)
                          .str())
      .raw("shifts", kit::JsonObject()
                         .add("shift", kit::shifts::kShift)
                         .add("control", kit::shifts::kControl)
                         .add("alt", kit::shifts::kAlt)
                         .str())
      .raw("keys", kit::JsonObject()
                       .add("Backspace", keys::kBackspace)
                       .add("Tab", keys::kTab)
                       .add("Enter", keys::kEnter)
                       .add("Shift", keys::kShift)
                       .add("Control", keys::kControl)
                       .add("Alt", keys::kAlt)
                       .add("Escape", keys::kEscape)
                       .add("Delete", keys::kDelete)
                       .str())
      // The keys a drawing area's keyboard pointer reads besides letters (kit/keypointer.h).
      .raw("pointerKeys", kit::JsonObject()
                              .add("ArrowLeft", keys::kLeft)
                              .add("ArrowUp", keys::kUp)
                              .add("ArrowRight", keys::kRight)
                              .add("ArrowDown", keys::kDown)
                              .add(" ", keys::kSpace)
                              .add("Enter", keys::kEnter)
                              .add("Escape", keys::kEscape)
                              .str())
      .str();
}

}  // namespace

extern "C" {

// The rules the page shares with the desktop, as JSON for it to read once at start-up: the
// teacher's paces ("speeds"), the drawing commands ("drawing") and the design's input codes
// ("input"). Needs no lesson.
EMSCRIPTEN_KEEPALIVE const char* vec_rules() {
  return give(kit::JsonObject()
                  .raw("speeds", speedsJson())
                  .raw("back", buttonJson(kit::kBackButton))
                  .raw("replay", buttonJson(kit::kReplayButton))
                  .raw("drawing", drawingJson())
                  .raw("input", inputJson())
                  .str());
}

// The design's code of a printable key, by its character's code point.
EMSCRIPTEN_KEEPALIVE int vec_character_key_code(int codePoint) {
  return codePoint < 0 ? 0 : kit::characterKeyCode(static_cast<char32_t>(codePoint));
}

// Opens the lesson `program`: 1, or 0 for a name no lesson has. `test` runs it on its own
// clock (the page's test hook); otherwise its time starts at `now` on the page's clock.
EMSCRIPTEN_KEEPALIVE int vec_open(const char* program, int test, double now) {
  const lessons::Lesson* found = lessons::find(program);
  if (!found) return 0;
  lastState.clear();
  lastStrings.clear();
  lesson = std::make_unique<kitweb::Lesson>(
      found->makeForm(), test ? kitweb::Lesson::Clock::Virtual : kitweb::Lesson::Clock::Real,
      found->description, now);
  return 1;
}

// The lessons in teaching order as JSON (lessons::json()), for site.mjs to lay the site out by.
EMSCRIPTEN_KEEPALIVE const char* vec_lessons() {
  return give(lessons::json());
}

EMSCRIPTEN_KEEPALIVE const char* vec_describe(double zoom) {
  return give(lesson->describe(zoom));
}

// The names of the window's own controls in the order Tab reaches them, as a JSON array.
EMSCRIPTEN_KEEPALIVE const char* vec_tab_order() {
  kit::JsonArray names;
  for (const kit::WindowControl* control : kit::tabOrder(lesson->form()))
    names.raw(kit::jsonString(control->name()));
  return give(names.str());
}

// `enlarged` is the teacher's zoom and the browser's on top of the fit.
EMSCRIPTEN_KEEPALIVE const char* vec_fit(double width, double height, double enlarged) {
  return give(lesson->fit(width, height, enlarged));
}

// The next of the kit's zoom steps from `zoom`, up (direction > 0) or down.
EMSCRIPTEN_KEEPALIVE double vec_zoom_step(double zoom, int direction) {
  return direction > 0 ? kit::zoomInFrom(zoom) : kit::zoomOutFrom(zoom);
}

// The controls' state; "" when it is what the last call handed over.
EMSCRIPTEN_KEEPALIVE const char* vec_state(double zoom) {
  std::string state = lesson->state(zoom);
  if (state == lastState) return give("");
  lastState = state;
  return give(std::move(state));
}

EMSCRIPTEN_KEEPALIVE int vec_mouse(const char* canvas, int down, int button, int shift, double x,
                                   double y, double zoom, double now) {
  return lesson->mouse(canvas, down != 0, button, shift, x, y, zoom, now);
}

// The same at a point in the area's units (the test hook's exact points).
EMSCRIPTEN_KEEPALIVE int vec_mouse_units(const char* canvas, int down, int button, int shift,
                                         double x, double y, double now) {
  return lesson->mouseAt(canvas, down != 0, button, shift, static_cast<float>(x),
                         static_cast<float>(y), now);
}

EMSCRIPTEN_KEEPALIVE int vec_click(const char* name, double now) {
  return lesson->click(name, now);
}

EMSCRIPTEN_KEEPALIVE int vec_type(const char* name, const char* text, double now) {
  return lesson->type(name, text, now);
}

EMSCRIPTEN_KEEPALIVE int vec_key(const char* name, int code, double now) {
  return lesson->key(name, code, now);
}

// A key on a drawing area for its keyboard pointer: 1 when the pointer took it.
EMSCRIPTEN_KEEPALIVE int vec_pointer_key(const char* canvas, int code, int shift, double now) {
  return lesson->pointerKey(canvas, code, shift, now);
}

// The area lost the keyboard: its pointer's held press is let go without a click.
EMSCRIPTEN_KEEPALIVE void vec_pointer_leave(const char* canvas) {
  lesson->pointerLeave(canvas);
}

// The keyboard pointer's place in pixels inside the area's border, as JSON x, y, held.
EMSCRIPTEN_KEEPALIVE const char* vec_pointer(const char* canvas, double zoom) {
  return give(lesson->pointer(canvas, zoom));
}

// The figure in words as JSON lines and say, or "" when nothing changed; `settled` when a
// press was just let go.
EMSCRIPTEN_KEEPALIVE const char* vec_figure(int settled) {
  return give(lesson->figure(settled != 0));
}

EMSCRIPTEN_KEEPALIVE void vec_advance(double now) {
  lesson->advance(now);
}

// When the next tick falls due on the page's clock; not a number when none will.
EMSCRIPTEN_KEEPALIVE double vec_next_due() {
  return lesson->nextDue().value_or(std::nan(""));
}

// The message boxes to show, as a JSON array of texts; the lesson holds until vec_release.
EMSCRIPTEN_KEEPALIVE const char* vec_take_boxes(double now) {
  kit::JsonArray boxes;
  for (const std::string& text : lesson->takeBoxes(now)) boxes.raw(kit::jsonString(text));
  return give(boxes.str());
}

EMSCRIPTEN_KEEPALIVE void vec_release(double now) {
  lesson->release(now);
}

// The teacher's pause, step and pace (the page's keys and bar, and the test hook).
EMSCRIPTEN_KEEPALIVE void vec_pause(double now) {
  lesson->pause(now);
}

EMSCRIPTEN_KEEPALIVE void vec_resume(double now) {
  lesson->resume(now);
}

// 1 when a tick was delivered; only while paused.
EMSCRIPTEN_KEEPALIVE int vec_step() {
  return lesson->step();
}

// One step back, pausing first, and the latest chain of animations again: 1 when done.
EMSCRIPTEN_KEEPALIVE int vec_back(double now) {
  return lesson->back(now);
}

EMSCRIPTEN_KEEPALIVE int vec_replay(double now) {
  return lesson->replay(now);
}

// 0 for a pace a teacher cannot choose (0.25, 0.5, 1 and 2 can be).
EMSCRIPTEN_KEEPALIVE int vec_set_speed(double speed, double now) {
  return lesson->setSpeed(speed, now);
}

EMSCRIPTEN_KEEPALIVE int vec_paused() {
  return lesson->paused();
}

EMSCRIPTEN_KEEPALIVE double vec_speed() {
  return lesson->speed();
}

// Paints an area ("Form" for the window itself) and gives the count of numbers written;
// vec_paint_numbers and vec_paint_strings hand them over, the strings as "" when they are the
// ones last handed over for this area.
EMSCRIPTEN_KEEPALIVE int vec_paint(const char* canvas, double zoom, double width, double height) {
  const kitweb::CommandBuffer& buffer = lesson->paint(canvas, zoom, width, height);
  kit::JsonArray strings;
  for (const std::string& text : buffer.strings()) strings.raw(kit::jsonString(text));
  std::string& last = lastStrings[canvas];
  paintStrings = strings.str();
  if (paintStrings == last) {
    paintStrings.clear();
  } else {
    last = paintStrings;
  }
  return static_cast<int>(buffer.numbers().size());
}

EMSCRIPTEN_KEEPALIVE const double* vec_paint_numbers() {
  return lesson->painted().numbers().data();
}

EMSCRIPTEN_KEEPALIVE const char* vec_paint_strings() {
  return paintStrings.c_str();
}

EMSCRIPTEN_KEEPALIVE double vec_fingerprint(const char* canvas) {
  return static_cast<double>(lesson->fingerprint(canvas));
}

// "[x,y]": the pixels inside an area's border of a point in its units; "" for no such area.
EMSCRIPTEN_KEEPALIVE const char* vec_to_pixels(const char* canvas, double x, double y,
                                               double zoom) {
  const auto pixel = lesson->toPixels(canvas, x, y, zoom);
  if (!pixel) return give("");
  return give(kit::JsonArray().raw(kit::jsonNumber(pixel->x)).raw(kit::jsonNumber(pixel->y)).str());
}

// One line of a driver's script, as the test hook takes it (kit/web/hookline.h): the line's
// bytes in, the answer as JSON out.
EMSCRIPTEN_KEEPALIVE const char* vec_script(const char* line, int length) {
  return give(kitweb::hookLine(*lesson, std::string_view(line, static_cast<std::size_t>(length))));
}

// The same line read against the names of a page that is no lesson ("KIND NAME" lines, as
// kit::script::Names has them): the browser driver's stand-in page reads its scripts so.
EMSCRIPTEN_KEEPALIVE const char* vec_parse(const char* line, int length, const char* names) {
  return give(kitweb::readLine(kit::script::Names::fromText(names),
                               std::string_view(line, static_cast<std::size_t>(length))));
}

}  // extern "C"
