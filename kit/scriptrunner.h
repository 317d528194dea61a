// A lesson driven by a script on a clock of the script's own: the window's Form_Load, then each
// command carried out as the drivers define it. The desktop driver runs whole scripts with it,
// and a page's test hook runs every command the page itself does not take as the pupil's input.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "script.h"
#include "session.h"

namespace kit::script {

class Runner : public Executor {
 public:
  // What a dump prints, line break included.
  using Print = std::function<void(const std::string& text)>;

  // Runs the form's Form_Load; the script's clock starts at 0. Dumps go to `out`.
  Runner(Form& form, std::ostream& out);
  // The same, dumps given to `print`: no streams, which would make a page's module a fifth
  // larger.
  Runner(Form& form, Print print);

  Form& form() { return form_; }
  Session& session() { return session_; }
  TimerClock& clock() { return session_.clock(); }
  const Names& names() const { return names_; }
  // The script's clock: the lesson's time, but for pauses and the teacher's speed.
  double now() const { return wall_; }

  // Renders the whole window into a PNG file, false when it cannot write it; installed by
  // whoever has a window toolkit.
  std::function<bool(Form&, const std::string& file)> renderPng;

  // Delivers a handler now, answering the message boxes it asks for with OK at once; false when
  // the session refused it or there is none.
  bool deliver(const std::function<void()>& handler);

  // Answers the message boxes the lesson asked for since, with OK.
  void answerBoxes();

  [[nodiscard]] Stop runLine(std::string_view line);
  // Every line up to the first error, which names its line.
  [[nodiscard]] Stop run(std::istream& in);

  void mouse(const Mouse& command) override;
  void click(const Click& command) override;
  void type(const Type& command) override;
  void key(const Key& command) override;
  void tick(const Tick& command) override;
  void run(const Run& command) override;
  void pause() override;
  void resume() override;
  void step() override;
  void back(const Back& command) override;
  void replay() override;
  void speed(const Speed& command) override;
  void dump(const Dump& command) override;
  Stop png(const Png& command) override;

 private:
  Form& form_;
  Print print_;
  Session session_;
  Names names_;
  double wall_ = 0;
};

}  // namespace kit::script
