// The lesson behind a page.
#include "lesson.h"

#include <cmath>
#include <cstdio>

#include "kit/canvas.h"
#include "kit/controls.h"
#include "kit/json.h"
#include "kit/names.h"
#include "kit/order.h"
#include "kit/presenting.h"
#include "kit/scene.h"
#include "kit/zoom.h"

namespace kitweb {
namespace {

// Whole pixels of a length in twips, as the desktop rounds its widgets' places.
int wholePixels(double twips, double zoom) {
  return static_cast<int>(std::lround(kit::pixels(twips, zoom)));
}

std::string rectJson(const kit::TwipRect& rect, double zoom) {
  kit::JsonArray out;
  for (double value : {rect.left, rect.top, rect.width, rect.height})
    out.raw(std::to_string(wholePixels(value, zoom)));
  return out.str();
}

std::string colourJson(kit::Color color) {
  const kit::Rgb rgb = kit::rgbOf(color);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
  return kit::jsonString(text);
}

std::string sizeJson(double width, double height, double zoom) {
  return kit::JsonArray()
      .raw(std::to_string(wholePixels(width, zoom)))
      .raw(std::to_string(wholePixels(height, zoom)))
      .str();
}

// A button's or frame's caption, or a text box's text.
const std::string& wordsOf(const kit::WindowControl& control) {
  switch (control.kind()) {
    case kit::Kind::Button:
      return static_cast<const kit::Button&>(control).Caption;
    case kit::Kind::Frame:
      return static_cast<const kit::Frame&>(control).Caption;
    default:
      return static_cast<const kit::TextBox&>(control).Text();
  }
}

const char* kindName(kit::Kind kind) {
  switch (kind) {
    case kit::Kind::Button:
      return "button";
    case kit::Kind::Frame:
      return "frame";
    default:
      return "textbox";
  }
}

// The readings of the read-only boxes: each one's boxes by name, or what each reads now.
std::string readingsJson(const kit::Form& form, bool texts) {
  kit::JsonArray out;
  for (const kit::Reading& reading : kit::readings(form)) {
    if (texts) {
      out.raw(kit::jsonString(kit::readingText(reading)));
      continue;
    }
    kit::JsonArray boxes;
    for (const kit::TextBox* box : reading.boxes) boxes.raw(kit::jsonString(box->name()));
    out.raw(boxes.str());
  }
  return out.str();
}

std::string controlJson(const kit::Form& form, const kit::WindowControl& control, double zoom) {
  kit::JsonObject out;
  out.add("kind", kindName(control.kind())).add("name", control.name());
  out.raw("rect", rectJson(control.rect, zoom));
  kit::JsonArray families;
  for (const std::string& family : kit::familiesFor(control.font.face))
    families.raw(kit::jsonString(family));
  out.raw("families", families.str());
  out.add("px", kit::fontPixels(control.font, zoom)).add("bold", control.font.bold);
  out.add("font", cssFont(control.font, zoom));
  out.add("tabIndex", control.tabIndex).add("visible", control.Visible);
  out.add("takesFocus", kit::takesFocus(control));
  if (control.kind() == kit::Kind::TextBox) {
    const auto& box = static_cast<const kit::TextBox&>(control);
    out.raw("back", colourJson(box.BackColor)).raw("fore", colourJson(box.ForeColor));
    out.add("multiLine", box.multiLine).add("wordWrap", box.wordWrap);
    out.add("readOnly", box.readOnly).add("border", box.border);
    out.add("text", box.Text());
    const kit::Frame* label = kit::labelOf(form, box);
    out.add("label", label ? label->name() : std::string());
  } else {
    out.add("caption", wordsOf(control));
  }
  return out.str();
}

}  // namespace

Lesson::Lesson(std::unique_ptr<kit::Form> form, Clock clock, std::string description, double now)
    : form_(std::move(form)),
      description_(std::move(description)),
      designWidth_(form_->Width),
      designHeight_(form_->Height),
      // The test hook takes its dumps itself: the runner prints nothing here.
      runner_(clock == Clock::Virtual
                  ? std::make_unique<kit::script::Runner>(*form_, [](const std::string&) {})
                  : nullptr),
      own_(clock == Clock::Real
               ? std::make_unique<kit::Session>(*form_, kit::Session::Lateness::SkipMissed)
               : nullptr),
      session_(runner_ ? runner_->session() : *own_) {
  if (own_) {
    own_->load();
    own_->start(now);
  }
}

std::string Lesson::describe(double zoom) const {
  const kit::Form& form = *form_;
  kit::JsonObject out;
  out.add("caption", form.Caption).add("description", description_);
  out.raw("design", sizeJson(designWidth_, designHeight_, 1.0));
  out.raw("size", sizeJson(form.Width, form.Height, zoom));
  out.raw("back", colourJson(form.BackColor));
  out.add("font", cssFont(form.font, zoom));
  kit::JsonArray controls;
  for (const kit::WindowControl* control : kit::stackingOrder(form))
    controls.raw(controlJson(form, *control, zoom));
  out.raw("controls", controls.str());
  out.raw("readings", readingsJson(form, false));
  kit::JsonArray canvases;
  for (const kit::Canvas* canvas : form.canvases()) {
    if (canvas == &form_->window()) continue;
    canvases.raw(kit::JsonObject()
                     .add("name", canvas->name())
                     .raw("rect", rectJson(canvas->outer(), zoom))
                     .add("border", static_cast<int>(std::lround(canvas->borderPixels() * zoom)))
                     .raw("back", colourJson(canvas->BackColor))
                     .str());
  }
  out.raw("canvases", canvases.str());
  return out.str();
}

std::string Lesson::fit(double areaWidth, double areaHeight, double enlarged) const {
  const double zoom = kit::fitDesign(areaWidth, areaHeight, kit::pixels(designWidth_, 1),
                                     kit::pixels(designHeight_, 1))
                          .zoom *
                      (enlarged > 0 ? enlarged : 1);
  // A window grown taller since (result lines) keeps the zoom and runs on below.
  return kit::JsonObject()
      .add("zoom", zoom)
      .add("left", kit::centred(areaWidth, wholePixels(form_->Width, zoom)))
      .add("top", kit::centred(areaHeight, wholePixels(form_->Height, zoom)))
      .str();
}

std::string Lesson::state(double zoom) const {
  kit::JsonObject out;
  out.add("caption", form_->Caption);
  out.raw("size", sizeJson(form_->Width, form_->Height, zoom));
  kit::JsonObject controls;
  for (const kit::WindowControl* control : kit::stackingOrder(*form_)) {
    controls.raw(control->name(), kit::JsonArray()
                                      .raw(control->Visible ? "true" : "false")
                                      .raw(kit::jsonString(wordsOf(*control)))
                                      .str());
  }
  out.raw("controls", controls.str());
  out.raw("readings", readingsJson(*form_, true));
  return out.str();
}

double Lesson::timeOf(double now) {
  return runner_ ? runner_->now() : now;
}

bool Lesson::deliver(const std::function<void()>& handler, double now) {
  if (runner_) return runner_->deliver(handler);
  if (!handler) return false;
  return session_.deliver(handler, now);
}

bool Lesson::mouse(const std::string& canvas, bool down, int button, int shift, double x, double y,
                   double zoom, double now) {
  const kit::Canvas* area = form_->findCanvas(canvas);
  if (!area || !(zoom > 0)) return false;
  const kit::PixelPoint units = kit::View(*area, zoom).toUnits({x, y});
  return mouseAt(canvas, down, button, shift, static_cast<float>(units.x),
                 static_cast<float>(units.y), now);
}

bool Lesson::mouseAt(const std::string& canvas, bool down, int button, int shift, float x, float y,
                     double now) {
  kit::Canvas* area = form_->findCanvas(canvas);
  if (!area) return false;
  const auto& handler = down ? area->onMouseDown : area->onMouseMove;
  if (!handler) return false;
  // Kept in the lesson's history to be played again: nothing taken by reference but the handler.
  return deliver([&handler, button, shift, x, y] { handler(button, shift, x, y); }, now);
}

bool Lesson::click(const std::string& name, double now) {
  if (kit::Canvas* canvas = form_->findCanvas(name); canvas && canvas != &form_->window()) {
    letGo_ = true;  // a press let go on a surface: the figure's words are said
    return deliver(canvas->onClick, now);
  }
  kit::Control* control = form_->find(name);
  if (!control || control->kind() != kit::Kind::Button) return false;
  return deliver(static_cast<kit::Button*>(control)->onClick, now);
}

bool Lesson::type(const std::string& name, const std::string& text, double now) {
  kit::Control* control = form_->find(name);
  if (!control || control->kind() != kit::Kind::TextBox) return false;
  auto* box = static_cast<kit::TextBox*>(control);
  return deliver([box, text] { box->type(text); }, now);
}

bool Lesson::key(const std::string& name, int code, double now) {
  kit::Control* control = form_->find(name);
  if (!control || control->kind() != kit::Kind::TextBox) return false;
  auto* box = static_cast<kit::TextBox*>(control);
  if (!box->onKeyDown) return false;
  return deliver([box, code] { box->onKeyDown(code); }, now);
}

kit::KeyPointer& Lesson::pointerOf(const kit::Canvas& canvas) {
  return pointers_.try_emplace(&canvas, canvas).first->second;
}

bool Lesson::pointerKey(const std::string& canvas, int code, int shift, double now) {
  const kit::Canvas* area = form_->findCanvas(canvas);
  if (!area || area == &form_->window()) return false;
  const kit::KeyPointer::Outcome outcome = pointerOf(*area).key(code, shift);
  if (const auto& sent = outcome.event) {
    using Kind = kit::KeyPointer::Event::Kind;
    if (sent->kind == Kind::Click)
      click(canvas, now);
    else
      mouseAt(canvas, sent->kind == Kind::Down, sent->button, sent->shift, sent->x, sent->y, now);
  }
  return outcome.used;
}

void Lesson::pointerLeave(const std::string& canvas) {
  const kit::Canvas* area = form_->findCanvas(canvas);
  if (!area || area == &form_->window() || !pointerOf(*area).held()) return;
  pointerOf(*area).leave();
  letGo_ = true;
}

std::string Lesson::pointer(const std::string& canvas, double zoom) {
  const kit::Canvas* area = form_->findCanvas(canvas);
  if (!area || area == &form_->window() || !(zoom > 0)) return "";
  const kit::KeyPointer& at = pointerOf(*area);
  const kit::PixelPoint pixel = kit::View(*area, zoom).toPixels(at.x(), at.y());
  return kit::JsonObject().add("x", pixel.x).add("y", pixel.y).add("held", at.held()).str();
}

std::string Lesson::figure(bool settled) {
  settled = settled || letGo_;
  letGo_ = false;
  bool changed = false;
  for (const std::string& text : answered_) changed = figure_.answered(*form_, text) || changed;
  if (answered_.empty() || settled) changed = figure_.note(*form_, settled) || changed;
  answered_.clear();
  if (!changed) return "";
  kit::JsonArray lines;
  for (const std::string& line : figure_.lines()) lines.raw(kit::jsonString(line));
  return kit::JsonObject().raw("lines", lines.str()).add("say", figure_.announcement()).str();
}

void Lesson::advance(double now) {
  if (!runner_) session_.advance(now);
}

std::optional<double> Lesson::nextDue() {
  if (runner_) return std::nullopt;
  return session_.nextDue();
}

std::vector<std::string> Lesson::takeBoxes(double now) {
  std::vector<std::string> boxes = session_.takeBoxes(timeOf(now));
  showing_.insert(showing_.end(), boxes.begin(), boxes.end());
  return boxes;
}

void Lesson::release(double now) {
  session_.release(timeOf(now));
  answered_.insert(answered_.end(), showing_.begin(), showing_.end());
  showing_.clear();
}

void Lesson::pause(double now) {
  session_.pause(timeOf(now));
}

void Lesson::resume(double now) {
  session_.resume(timeOf(now));
}

bool Lesson::step() {
  const bool stepped = session_.step();
  if (runner_) runner_->answerBoxes();
  return stepped;
}

bool Lesson::back(double now) {
  const bool went = session_.back(timeOf(now));
  if (runner_) runner_->answerBoxes();
  return went;
}

bool Lesson::replay(double now) {
  const bool played = session_.replay(timeOf(now));
  if (runner_) runner_->answerBoxes();
  return played;
}

bool Lesson::setSpeed(double speed, double now) {
  if (!kit::isSpeed(speed)) return false;
  session_.setSpeed(speed, timeOf(now));
  return true;
}

const CommandBuffer& Lesson::paint(const std::string& canvas, double zoom, double width,
                                   double height) {
  buffer_ = CommandBuffer(zoom);
  kit::Canvas* area = canvas == "Form" ? &form_->window() : form_->findCanvas(canvas);
  if (!area || !(zoom > 0)) return buffer_;
  // The window's own background is the form's colour, as the desktop's window shows it.
  const kit::Color back = area == &form_->window() ? form_->BackColor : area->BackColor;
  buffer_.fillRect(0, 0, width, height, kit::rgbOf(back));
  const kit::View view(*area, zoom);
  kit::paintDrawing(view, width, height, buffer_);
  kit::paintObjects(view, width, height, buffer_);
  return buffer_;
}

std::size_t Lesson::fingerprint(const std::string& canvas) const {
  const kit::Canvas* area = canvas == "Form" ? &form_->window() : form_->findCanvas(canvas);
  return area ? kit::fingerprint(*area) : 0;
}

std::optional<kit::PixelPoint> Lesson::toPixels(const std::string& canvas, double x, double y,
                                                double zoom) const {
  const kit::Canvas* area = form_->findCanvas(canvas);
  if (!area || !(zoom > 0)) return std::nullopt;
  return kit::View(*area, zoom).toPixels(x, y);
}

}  // namespace kitweb
