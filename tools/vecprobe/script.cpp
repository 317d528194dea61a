// One command a line; every handler runs through the form's dispatch, and the message boxes it
// asks for are answered with OK at once.
#include "script.h"

#include <climits>
#include <cmath>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "kit/canvas.h"
#include "kit/controls.h"
#include "kit/dump.h"
#include "kit/form.h"
#include "kit/numconv.h"
#include "kit/presenting.h"

namespace probe {
namespace {

template <typename T>
T* findControl(kit::Form& form, const std::string& name, kit::Kind kind) {
  kit::Control* control = form.find(name);
  if (!control || control->kind() != kind) return nullptr;
  return static_cast<T*>(control);
}

std::string nextWord(std::istream& args, const char* what) {
  std::string word;
  if (!(args >> word)) throw ScriptError(std::string("missing ") + what);
  return word;
}

double number(const std::string& word, const char* what) {
  double value = 0;
  const auto [end, error] = kit::fromChars(word.data(), word.data() + word.size(), value);
  if (error == std::errc() && end == word.data() + word.size()) return value;
  throw ScriptError(std::string("not a number for ") + what + ": " + word);
}

double number(std::istream& args, const char* what) {
  return number(nextWord(args, what), what);
}

// Buttons, shift states, key codes and tick counts reach the handlers as ints: anything that
// is not a whole number an int can hold would wrap or be undefined on the way.
int wholeNumber(const std::string& word, const char* what) {
  const double value = number(word, what);
  if (!(value >= 0 && value <= INT_MAX && value == std::trunc(value)))
    throw ScriptError(std::string("not a whole number from 0 to ") + std::to_string(INT_MAX) +
                      " for " + what + ": " + word);
  return static_cast<int>(value);
}

int wholeNumber(std::istream& args, const char* what) {
  return wholeNumber(nextWord(args, what), what);
}

// A position on the surface, which the handlers take as a float: it must be finite as one.
float coordinate(std::istream& args, const char* what) {
  const std::string text = nextWord(args, what);
  const double value = number(text, what);
  const auto position = static_cast<float>(value);
  if (!std::isfinite(value) || !std::isfinite(position))
    throw ScriptError(std::string("not a finite position for ") + what + ": " + text);
  return position;
}

}  // namespace

Script::Script(kit::Form& form, std::ostream& out)
    : form_(form), out_(out), session_(form, kit::Session::Lateness::DeliverAll) {
  session_.load();
  session_.start(0);
  answerBoxes();
}

// The driver's time is the lesson's: no box is ever up for any time.
void Script::answerBoxes() {
  session_.takeBoxes(wall_);  // answered with OK at once
  session_.release(wall_);
}

void Script::handle(const std::function<void()>& handler) {
  session_.deliver(handler, wall_);
  answerBoxes();
}

void Script::runLine(const std::string& line) {
  std::istringstream args(line);
  std::string command;
  if (!(args >> command) || command[0] == '#') return;
  if (command == "down" || command == "move") {
    mouse(command == "down", args);
  } else if (command == "click") {
    std::string name;
    args >> name;
    click(name);
  } else if (command == "type") {
    type(line.substr(line.find("type") + 4));
  } else if (command == "key") {
    key(args);
  } else if (command == "tick") {
    tick(args);
  } else if (command == "run") {
    const double ms = number(args, "milliseconds");
    // An endless or undefined stretch of time would hang the clock or leave it unusable.
    if (!std::isfinite(ms) || ms < 0)
      throw ScriptError("not a stretch of time: " + std::to_string(ms));
    wall_ += ms;
    session_.advance(wall_);
    answerBoxes();
  } else if (command == "pause") {
    session_.pause(wall_);
  } else if (command == "resume") {
    session_.resume(wall_);
  } else if (command == "step") {
    session_.step();
    answerBoxes();
  } else if (command == "speed") {
    speed(args);
  } else if (command == "dump") {
    std::vector<std::string> names;
    for (std::string name; args >> name;) names.push_back(name);
    try {
      out_ << kit::dumpState(form_, names) << "\n";
    } catch (const std::invalid_argument& error) {
      throw ScriptError(error.what());
    }
  } else if (command == "png") {
    std::string file;
    if (!(args >> file)) throw ScriptError("png needs a file name");
    if (!renderPng) throw ScriptError("png is not available here");
    renderPng(form_, file);
  } else {
    throw ScriptError("unknown command: " + command);
  }
}

void Script::run(std::istream& in) {
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    try {
      runLine(line);
    } catch (const ScriptError& error) {
      throw ScriptError("line " + std::to_string(number) + ": " + error.what());
    }
  }
}

void Script::mouse(bool down, std::istream& args) {
  const int button = wholeNumber(args, "button");
  const int shift = wholeNumber(args, "shift");
  const float x = coordinate(args, "x");
  const float y = coordinate(args, "y");
  kit::Canvas* surface = form_.findCanvas("Picture1");
  if (!surface) throw ScriptError("this window has no Picture1");
  const auto& handler = down ? surface->onMouseDown : surface->onMouseMove;
  if (handler) handle([&] { handler(button, shift, x, y); });
}

void Script::click(const std::string& name) {
  if (kit::Canvas* canvas = form_.findCanvas(name); canvas && name != "Form") {
    handle(canvas->onClick);
  } else if (auto* button = findControl<kit::Button>(form_, name, kit::Kind::Button)) {
    handle(button->onClick);
  } else {
    throw ScriptError("unknown button: " + name);
  }
}

void Script::type(const std::string& rest) {
  // NAME, one blank, then the text to the end of the line, blanks included.
  std::size_t start = rest.find_first_not_of(' ');
  if (start == std::string::npos) throw ScriptError("type needs a text box");
  const std::size_t end = rest.find(' ', start);
  const std::string name = rest.substr(start, end - start);
  const std::string text = end == std::string::npos ? "" : rest.substr(end + 1);
  auto* box = findControl<kit::TextBox>(form_, name, kit::Kind::TextBox);
  if (!box) throw ScriptError("unknown text box: " + name);
  handle([&] { box->type(text); });
}

void Script::key(std::istream& args) {
  std::string name;
  args >> name;
  auto* box = findControl<kit::TextBox>(form_, name, kit::Kind::TextBox);
  if (!box) throw ScriptError("unknown text box: " + name);
  const int code = wholeNumber(args, "key code");
  if (box->onKeyDown) handle([&] { box->onKeyDown(code); });
}

void Script::speed(std::istream& args) {
  const double factor = number(args, "speed");
  if (!kit::isSpeed(factor))
    throw ScriptError("not a speed (0.25, 0.5, 1 or 2): " + std::to_string(factor));
  session_.setSpeed(factor, wall_);
}

void Script::tick(std::istream& args) {
  std::string name;
  args >> name;
  auto* timer = findControl<kit::Timer>(form_, name, kit::Kind::Timer);
  if (!timer) throw ScriptError("unknown timer: " + name);
  int count = 1;
  if (std::string text; args >> text) count = wholeNumber(text, "tick count");
  for (int i = 0; i < count && timer->Enabled(); ++i) handle(timer->onTick);
}

}  // namespace probe
