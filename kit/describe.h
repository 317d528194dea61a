// The figure in words, from the model's own state, for screen readers: the visible vectors with
// their ends and letters, the captions, the result lines, the clock and the last message box.
// FigureWatch decides when the words change and what is said aloud: when a press is let go, a
// box answered or an animation ends, never on every tick.
#pragma once

#include <string>
#include <vector>

namespace kit {

class Form;

// One short line each, in Chinese.
std::vector<std::string> describeFigure(const Form& form);

class FigureWatch {
 public:
  // After any event or tick. `settled`: a press was let go or a box answered. True when the
  // lines or the announcement changed. While an animation runs only its end is noted.
  bool note(const Form& form, bool settled);
  // A message box was answered: its text joins the figure's lines and is said.
  bool answered(const Form& form, const std::string& text);

  const std::vector<std::string>& lines() const { return lines_; }
  // What to say now (the lines that changed since the last time something was said), or "".
  const std::string& announcement() const { return announcement_; }

 private:
  std::vector<std::string> lines_, said_;
  std::string announcement_, message_;
  std::vector<const void*> running_;  // the timers that ran at the last note
  bool first_ = true;
};

}  // namespace kit
