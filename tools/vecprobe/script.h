// Runs driver scripts against a form: mouse events, clicks, typing, keys, timer ticks, a
// virtual clock that can be paused, stepped and slowed, state dumps and pictures of the window.
#pragma once

#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>

#include "kit/session.h"

namespace kit {
class Form;
}

namespace probe {

// An unknown command or control; the script stops there.
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Script {
 public:
  // Creating the script runs the form's Form_Load.
  Script(kit::Form& form, std::ostream& out);

  // Renders the whole window into a PNG file; installed by whoever has a window toolkit.
  std::function<void(kit::Form&, const std::string& file)> renderPng;

  void runLine(const std::string& line);
  // Runs every line; on an error, throws ScriptError with the line number in its message.
  void run(std::istream& in);

  kit::TimerClock& clock() { return session_.clock(); }
  kit::Session& session() { return session_; }

 private:
  void handle(const std::function<void()>& handler);
  void answerBoxes();
  void mouse(bool down, std::istream& args);
  void click(const std::string& name);
  void type(const std::string& rest);
  void key(std::istream& args);
  void tick(std::istream& args);
  void speed(std::istream& args);

  kit::Form& form_;
  std::ostream& out_;
  kit::Session session_;
  double wall_ = 0;  // the driver's own clock: the lesson's time but for pauses and speed
};

}  // namespace probe
