// The drivers' script language, read once for every driver: a line in, a command (or the exact
// message of the error that stops the script) out, and an executor that carries commands out.
// Names are checked against the lesson's window while reading, so a script stops on the same
// line with the same words whichever driver runs it.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace kit {

class Form;

namespace script {

// Stops the script; the message is what the driver prints after its name. Returned, never
// thrown: the page's module is built without exceptions.
struct Error {
  std::string message;
};
// What carrying out a line (or a script) gives: nothing, or the error that stops the script.
using Stop = std::optional<Error>;

// down B S X Y / move B S X Y: on Picture1, in its units.
struct Mouse {
  bool down;
  int button, shift;
  float x, y;
};
// click NAME: a button, or a drawing area other than the window.
struct Click {
  std::string name;
};
// type NAME TEXT: the box's whole new text, blanks included.
struct Type {
  std::string name, text;
};
// key NAME CODE: a key going down in a text box.
struct Key {
  std::string name;
  int code;
};
// tick NAME [N]: up to N ticks of a timer, stopping once it is off.
struct Tick {
  std::string name;
  int count;
};
// run MS: the virtual clock moved on.
struct Run {
  double ms;
};
struct Pause {};
struct Resume {};
struct Step {};
// back [N]: N steps back (default 1), pausing first.
struct Back {
  int count;
};
// replay: the latest chain of animations again, from the event that started it.
struct Replay {};
// speed F: one of the teacher's paces.
struct Speed {
  double factor;
};
// dump [NAME ...]: none for every control.
struct Dump {
  std::vector<std::string> names;
};
// png FILE: a picture of the whole window.
struct Png {
  std::string file;
};

// std::monostate for a blank line or a comment.
using Command = std::variant<std::monostate, Mouse, Click, Type, Key, Tick, Run, Pause, Resume,
                             Step, Back, Replay, Speed, Dump, Png>;

// What a script may name in a window, by kind: every control (for dump), and among them the
// buttons, text boxes and timers, and the drawing areas ("Form" is the window's own).
struct Names {
  enum Kind { Control, Button, TextBox, Timer, Area };
  std::vector<std::pair<Kind, std::string>> entries;

  static Names of(const Form& form);
  // One "KIND NAME" a line (control, button, textbox, timer, area): how a page that is no
  // lesson, such as the browser driver's stand-in, says what it has.
  static Names fromText(std::string_view text);
  std::string text() const;
  bool has(Kind kind, const std::string& name) const;
};

// A line's command, or the error that stops the script on it.
using Reading = std::variant<Command, Error>;

// What a line (without its line break) gives for this window.
Reading parse(std::string_view line, const Names& names);

// What a driver does with each command; only a picture can fail (no renderer, or no file).
class Executor {
 public:
  virtual ~Executor() = default;
  virtual void mouse(const Mouse& command) = 0;
  virtual void click(const Click& command) = 0;
  virtual void type(const Type& command) = 0;
  virtual void key(const Key& command) = 0;
  virtual void tick(const Tick& command) = 0;
  virtual void run(const Run& command) = 0;
  virtual void pause() = 0;
  virtual void resume() = 0;
  virtual void step() = 0;
  virtual void back(const Back& command) = 0;
  virtual void replay() = 0;
  virtual void speed(const Speed& command) = 0;
  virtual void dump(const Dump& command) = 0;
  virtual Stop png(const Png& command) = 0;
};

[[nodiscard]] Stop execute(const Command& command, Executor& executor);
// The line read, then carried out.
[[nodiscard]] Stop execute(std::string_view line, const Names& names, Executor& executor);

// Every line of `in`, read as std::getline splits it (a carriage return before a line feed
// dropped), up to the first error, which names its line: "line 3: unknown command: frobnicate".
[[nodiscard]] Stop runScript(std::istream& in, const Names& names, Executor& executor);

}  // namespace script
}  // namespace kit
