// Every handler runs through the session, and the message boxes it asks for are answered with
// OK at once: no box is ever up for any time.
#include "scriptrunner.h"

#include <ostream>
#include <utility>

#include "canvas.h"
#include "controls.h"
#include "dump.h"
#include "form.h"

namespace kit::script {
namespace {

template <typename T>
T& control(Form& form, const std::string& name) {
  return static_cast<T&>(*form.find(name));  // parse() checked its name and kind
}

}  // namespace

Runner::Runner(Form& form, std::ostream& out)
    : Runner(form, [&out](const std::string& text) { out << text; }) {}

Runner::Runner(Form& form, Print print)
    : form_(form), print_(std::move(print)), session_(form, Session::Lateness::DeliverAll) {
  session_.load();
  session_.start(0);
  answerBoxes();
  names_ = Names::of(form_);
}

void Runner::answerBoxes() {
  session_.takeBoxes(wall_);
  session_.release(wall_);
}

bool Runner::deliver(const std::function<void()>& handler) {
  // Even a control without a handler is an event: the timers catch up with it first.
  const bool ran = session_.deliver(handler, wall_);
  answerBoxes();
  return ran;
}

Stop Runner::runLine(std::string_view line) {
  return execute(line, names_, *this);
}

Stop Runner::run(std::istream& in) {
  return runScript(in, names_, *this);
}

void Runner::mouse(const Mouse& command) {
  Canvas& surface = *form_.findCanvas("Picture1");
  const auto& handler = command.down ? surface.onMouseDown : surface.onMouseMove;
  // Kept in the lesson's history to be played again: nothing taken from this call by reference.
  if (handler) deliver([&handler, c = command] { handler(c.button, c.shift, c.x, c.y); });
}

void Runner::click(const Click& command) {
  if (Canvas* canvas = form_.findCanvas(command.name); canvas && command.name != "Form")
    deliver(canvas->onClick);
  else
    deliver(control<Button>(form_, command.name).onClick);
}

void Runner::type(const Type& command) {
  auto& box = control<TextBox>(form_, command.name);
  deliver([&box, text = command.text] { box.type(text); });
}

void Runner::key(const Key& command) {
  auto& box = control<TextBox>(form_, command.name);
  if (box.onKeyDown) deliver([&box, code = command.code] { box.onKeyDown(code); });
}

void Runner::tick(const Tick& command) {
  auto& timer = control<Timer>(form_, command.name);
  for (int i = 0; i < command.count && timer.Enabled(); ++i) deliver(timer.onTick);
}

void Runner::run(const Run& command) {
  wall_ += command.ms;
  session_.advance(wall_);
  answerBoxes();
}

void Runner::pause() {
  session_.pause(wall_);
}

void Runner::resume() {
  session_.resume(wall_);
}

void Runner::step() {
  session_.step();
  answerBoxes();
}

void Runner::back(const Back& command) {
  if (command.count > 0) session_.back(wall_, command.count);
  answerBoxes();
}

void Runner::replay() {
  session_.replay(wall_);
  answerBoxes();
}

void Runner::speed(const Speed& command) {
  session_.setSpeed(command.factor, wall_);
}

void Runner::dump(const Dump& command) {
  print_(dumpState(form_, command.names) + "\n");
}

Stop Runner::png(const Png& command) {
  if (!renderPng) return Error{"png is not available here"};
  if (!renderPng(form_, command.file)) return Error{"cannot write " + command.file};
  return {};
}

}  // namespace kit::script
