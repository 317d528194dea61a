// Words are read as `std::istream >> std::string` reads them (any of the C locale's blanks
// between), numbers as std::from_chars reads a whole word.
#include "script.h"

#include <climits>
#include <cmath>
#include <istream>

#include "canvas.h"
#include "controls.h"
#include "form.h"
#include "numconv.h"
#include "presenting.h"

namespace kit::script {
namespace {

bool isBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

class Words {
 public:
  explicit Words(std::string_view line) : line_(line) {}

  // The next word, or false at the end of the line.
  bool next(std::string& word) {
    while (at_ < line_.size() && isBlank(line_[at_])) ++at_;
    if (at_ == line_.size()) return false;
    const std::size_t start = at_;
    while (at_ < line_.size() && !isBlank(line_[at_])) ++at_;
    word.assign(line_.substr(start, at_ - start));
    return true;
  }

  // The next word, or "" at the end of the line.
  std::string nextOrEmpty() {
    std::string word;
    next(word);
    return word;
  }

  std::string required(const char* what) {
    std::string word;
    if (!next(word)) throw Error(std::string("missing ") + what);
    return word;
  }

 private:
  std::string_view line_;
  std::size_t at_ = 0;
};

double number(const std::string& word, const char* what) {
  double value = 0;
  const auto [end, error] = kit::fromChars(word.data(), word.data() + word.size(), value);
  if (error == std::errc() && end == word.data() + word.size()) return value;
  throw Error(std::string("not a number for ") + what + ": " + word);
}

// Buttons, shift states, key codes and tick counts reach the handlers as ints: anything that
// is not a whole number an int can hold would wrap or be undefined on the way.
int wholeNumber(const std::string& word, const char* what) {
  const double value = number(word, what);
  if (!(value >= 0 && value <= INT_MAX && value == std::trunc(value)))
    throw Error(std::string("not a whole number from 0 to ") + std::to_string(INT_MAX) + " for " +
                what + ": " + word);
  return static_cast<int>(value);
}

// A position on the surface, which the handlers take as a float: it must be finite as one.
float coordinate(Words& words, const char* what) {
  const std::string text = words.required(what);
  const double value = number(text, what);
  const auto position = static_cast<float>(value);
  if (!std::isfinite(value) || !std::isfinite(position))
    throw Error(std::string("not a finite position for ") + what + ": " + text);
  return position;
}

Mouse mouse(bool down, Words& words, const Names& names) {
  Mouse command{down, 0, 0, 0, 0};
  command.button = wholeNumber(words.required("button"), "button");
  command.shift = wholeNumber(words.required("shift"), "shift");
  command.x = coordinate(words, "x");
  command.y = coordinate(words, "y");
  if (!names.has(Names::Area, "Picture1")) throw Error("this window has no Picture1");
  return command;
}

// NAME, one blank, then the text to the end of the line, blanks included.
Type type(std::string_view line, const Names& names) {
  const std::string_view rest = line.substr(line.find("type") + 4);
  const std::size_t start = rest.find_first_not_of(' ');
  if (start == std::string_view::npos) throw Error("type needs a text box");
  const std::size_t end = rest.find(' ', start);
  Type command{std::string(rest.substr(start, end - start)),
               end == std::string_view::npos ? "" : std::string(rest.substr(end + 1))};
  if (!names.has(Names::TextBox, command.name)) throw Error("unknown text box: " + command.name);
  return command;
}

double stretch(Words& words) {
  const double ms = number(words.required("milliseconds"), "milliseconds");
  // An endless or undefined stretch of time would hang the clock or leave it unusable.
  if (!std::isfinite(ms) || ms < 0) throw Error("not a stretch of time: " + std::to_string(ms));
  return ms;
}

double pace(Words& words) {
  const double factor = number(words.required("speed"), "speed");
  if (!kit::isSpeed(factor))
    throw Error("not a speed (0.25, 0.5, 1 or 2): " + std::to_string(factor));
  return factor;
}

}  // namespace

namespace {

constexpr std::pair<Names::Kind, std::string_view> kKindWords[] = {
    {Names::Control, "control"}, {Names::Button, "button"}, {Names::TextBox, "textbox"},
    {Names::Timer, "timer"},     {Names::Area, "area"},
};

}  // namespace

Names Names::of(const Form& form) {
  Names names;
  for (const kit::Control* control : form.controls()) {
    names.entries.emplace_back(Control, control->name());
    if (control->kind() == kit::Kind::Button) names.entries.emplace_back(Button, control->name());
    if (control->kind() == kit::Kind::TextBox) names.entries.emplace_back(TextBox, control->name());
    if (control->kind() == kit::Kind::Timer) names.entries.emplace_back(Timer, control->name());
  }
  for (const Canvas* canvas : form.canvases()) names.entries.emplace_back(Area, canvas->name());
  return names;
}

Names Names::fromText(std::string_view text) {
  Names names;
  Words words(text);
  for (std::string kind, name; words.next(kind) && words.next(name);)
    for (const auto& [known, word] : kKindWords)
      if (word == kind) names.entries.emplace_back(known, name);
  return names;
}

std::string Names::text() const {
  std::string out;
  for (const auto& [kind, name] : entries)
    for (const auto& [known, word] : kKindWords)
      if (known == kind) out.append(word).append(" ").append(name).append("\n");
  return out;
}

bool Names::has(Kind kind, const std::string& name) const {
  for (const auto& [known, entry] : entries)
    if (known == kind && entry == name) return true;
  return false;
}

Command parse(std::string_view line, const Names& names) {
  Words words(line);
  std::string command;
  if (!words.next(command) || command[0] == '#') return std::monostate();
  if (command == "down" || command == "move") return mouse(command == "down", words, names);
  if (command == "click") {
    Click click{words.nextOrEmpty()};
    if (!names.has(Names::Button, click.name) &&
        !(click.name != "Form" && names.has(Names::Area, click.name)))
      throw Error("unknown button: " + click.name);
    return click;
  }
  if (command == "type") return type(line, names);
  if (command == "key") {
    Key key{words.nextOrEmpty(), 0};
    if (!names.has(Names::TextBox, key.name)) throw Error("unknown text box: " + key.name);
    key.code = wholeNumber(words.required("key code"), "key code");
    return key;
  }
  if (command == "tick") {
    Tick tick{words.nextOrEmpty(), 1};
    if (!names.has(Names::Timer, tick.name)) throw Error("unknown timer: " + tick.name);
    if (std::string count; words.next(count)) tick.count = wholeNumber(count, "tick count");
    return tick;
  }
  if (command == "run") return Run{stretch(words)};
  if (command == "pause") return Pause{};
  if (command == "resume") return Resume{};
  if (command == "step") return Step{};
  if (command == "speed") return Speed{pace(words)};
  if (command == "dump") {
    Dump dump;
    for (std::string name; words.next(name);) {
      if (!names.has(Names::Control, name)) throw Error("unknown control: " + name);
      dump.names.push_back(name);
    }
    return dump;
  }
  if (command == "png") {
    Png png;
    if (!words.next(png.file)) throw Error("png needs a file name");
    return png;
  }
  throw Error("unknown command: " + command);
}

void execute(const Command& command, Executor& executor) {
  struct Visit {
    Executor& executor;
    void operator()(std::monostate) const {}
    void operator()(const Mouse& c) const { executor.mouse(c); }
    void operator()(const Click& c) const { executor.click(c); }
    void operator()(const Type& c) const { executor.type(c); }
    void operator()(const Key& c) const { executor.key(c); }
    void operator()(const Tick& c) const { executor.tick(c); }
    void operator()(const Run& c) const { executor.run(c); }
    void operator()(Pause) const { executor.pause(); }
    void operator()(Resume) const { executor.resume(); }
    void operator()(Step) const { executor.step(); }
    void operator()(const Speed& c) const { executor.speed(c); }
    void operator()(const Dump& c) const { executor.dump(c); }
    void operator()(const Png& c) const { executor.png(c); }
  };
  std::visit(Visit{executor}, command);
}

void runScript(std::istream& in, const Names& names, Executor& executor) {
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    try {
      execute(parse(line, names), executor);
    } catch (const Error& error) {
      throw Error("line " + std::to_string(number) + ": " + error.what());
    }
  }
}

}  // namespace kit::script
