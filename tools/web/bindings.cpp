// The page's way into its lesson: plain C functions the JavaScript runtime calls. A page holds
// one lesson; texts come back as UTF-8 kept alive until the next call that returns one.
#include <emscripten.h>

#include <cmath>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "kit/json.h"
#include "kit/script.h"
#include "kit/web/hookline.h"
#include "kit/web/lesson.h"
#include "tools/vecprobe/programs.h"

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

}  // namespace

extern "C" {

// Opens the lesson `program`: 1, or 0 for a name no lesson has. `test` runs it on its own
// clock (the page's test hook); otherwise its time starts at `now` on the page's clock.
EMSCRIPTEN_KEEPALIVE int vec_open(const char* program, int test, double now) {
  const auto& known = probe::programs();
  const auto factory = known.find(program);
  if (factory == known.end()) return 0;
  const auto description = probe::descriptions().find(program);
  lastState.clear();
  lastStrings.clear();
  lesson = std::make_unique<kitweb::Lesson>(
      factory->second(), test ? kitweb::Lesson::Clock::Virtual : kitweb::Lesson::Clock::Real,
      description == probe::descriptions().end() ? "" : description->second, now);
  return 1;
}

EMSCRIPTEN_KEEPALIVE const char* vec_describe(double zoom) {
  return give(lesson->describe(zoom));
}

EMSCRIPTEN_KEEPALIVE const char* vec_fit(double width, double height) {
  return give(lesson->fit(width, height));
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
