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

  // Where the line's words are, for `type`, which keeps the text's own blanks.
  std::string_view line() const { return line_; }

 private:
  std::string_view line_;
  std::size_t at_ = 0;
};

// The words of a line with what they must be; the first thing wrong is kept as the error.
class Reader {
 public:
  explicit Reader(std::string_view line) : words_(line) {}

  std::optional<Error> error;

  std::nullopt_t fail(std::string message) {
    error = Error{std::move(message)};
    return std::nullopt;
  }

  bool next(std::string& word) { return words_.next(word); }
  std::string nextOrEmpty() { return words_.nextOrEmpty(); }
  std::string_view line() const { return words_.line(); }

  std::optional<std::string> required(const char* what) {
    std::string word;
    if (!words_.next(word)) return fail(std::string("missing ") + what);
    return word;
  }

  std::optional<double> number(const std::string& word, const char* what) {
    double value = 0;
    const auto [end, error] = kit::fromChars(word.data(), word.data() + word.size(), value);
    if (error == std::errc() && end == word.data() + word.size()) return value;
    return fail(std::string("not a number for ") + what + ": " + word);
  }

  std::optional<double> requiredNumber(const char* what) {
    const std::optional<std::string> word = required(what);
    return word ? number(*word, what) : std::nullopt;
  }

  // Buttons, shift states, key codes and tick counts reach the handlers as ints: anything
  // that is not a whole number an int can hold would wrap or be undefined on the way.
  std::optional<int> wholeNumber(const std::string& word, const char* what) {
    const std::optional<double> value = number(word, what);
    if (!value) return std::nullopt;
    if (!(*value >= 0 && *value <= INT_MAX && *value == std::trunc(*value)))
      return fail(std::string("not a whole number from 0 to ") + std::to_string(INT_MAX) + " for " +
                  what + ": " + word);
    return static_cast<int>(*value);
  }

  std::optional<int> requiredWholeNumber(const char* what) {
    const std::optional<std::string> word = required(what);
    return word ? wholeNumber(*word, what) : std::nullopt;
  }

  // A position on the surface, which the handlers take as a float: it must be finite as one.
  std::optional<float> coordinate(const char* what) {
    const std::optional<std::string> text = required(what);
    if (!text) return std::nullopt;
    const std::optional<double> value = number(*text, what);
    if (!value) return std::nullopt;
    const auto position = static_cast<float>(*value);
    if (!std::isfinite(*value) || !std::isfinite(position))
      return fail(std::string("not a finite position for ") + what + ": " + *text);
    return position;
  }

 private:
  Words words_;
};

std::optional<Mouse> mouse(bool down, Reader& words, const Names& names) {
  const std::optional<int> button = words.requiredWholeNumber("button");
  if (!button) return std::nullopt;
  const std::optional<int> shift = words.requiredWholeNumber("shift");
  if (!shift) return std::nullopt;
  const std::optional<float> x = words.coordinate("x");
  if (!x) return std::nullopt;
  const std::optional<float> y = words.coordinate("y");
  if (!y) return std::nullopt;
  if (!names.has(Names::Area, "Picture1")) return words.fail("this window has no Picture1");
  return Mouse{down, *button, *shift, *x, *y};
}

// NAME, one blank, then the text to the end of the line, blanks included.
std::optional<Type> type(Reader& words, const Names& names) {
  const std::string_view line = words.line();
  const std::string_view rest = line.substr(line.find("type") + 4);
  const std::size_t start = rest.find_first_not_of(' ');
  if (start == std::string_view::npos) return words.fail("type needs a text box");
  const std::size_t end = rest.find(' ', start);
  Type command{std::string(rest.substr(start, end - start)),
               end == std::string_view::npos ? "" : std::string(rest.substr(end + 1))};
  if (!names.has(Names::TextBox, command.name))
    return words.fail("unknown text box: " + command.name);
  return command;
}

std::optional<Run> stretch(Reader& words) {
  const std::optional<double> ms = words.requiredNumber("milliseconds");
  if (!ms) return std::nullopt;
  // An endless or undefined stretch of time would hang the clock or leave it unusable.
  if (!std::isfinite(*ms) || *ms < 0)
    return words.fail("not a stretch of time: " + std::to_string(*ms));
  return Run{*ms};
}

std::optional<Speed> pace(Reader& words) {
  const std::optional<double> factor = words.requiredNumber("speed");
  if (!factor) return std::nullopt;
  if (!kit::isSpeed(*factor))
    return words.fail("not a speed (0.25, 0.5, 1 or 2): " + std::to_string(*factor));
  return Speed{*factor};
}

std::optional<Click> click(Reader& words, const Names& names) {
  Click click{words.nextOrEmpty()};
  if (!names.has(Names::Button, click.name) &&
      !(click.name != "Form" && names.has(Names::Area, click.name)))
    return words.fail("unknown button: " + click.name);
  return click;
}

std::optional<Key> key(Reader& words, const Names& names) {
  Key key{words.nextOrEmpty(), 0};
  if (!names.has(Names::TextBox, key.name)) return words.fail("unknown text box: " + key.name);
  const std::optional<int> code = words.requiredWholeNumber("key code");
  if (!code) return std::nullopt;
  key.code = *code;
  return key;
}

std::optional<Tick> tick(Reader& words, const Names& names) {
  Tick tick{words.nextOrEmpty(), 1};
  if (!names.has(Names::Timer, tick.name)) return words.fail("unknown timer: " + tick.name);
  if (std::string count; words.next(count)) {
    const std::optional<int> ticks = words.wholeNumber(count, "tick count");
    if (!ticks) return std::nullopt;
    tick.count = *ticks;
  }
  return tick;
}

std::optional<Back> back(Reader& words) {
  Back back{1};
  if (std::string count; words.next(count)) {
    const std::optional<int> steps = words.wholeNumber(count, "step count");
    if (!steps) return std::nullopt;
    back.count = *steps;
  }
  return back;
}

std::optional<Dump> dump(Reader& words, const Names& names) {
  Dump dump;
  for (std::string name; words.next(name);) {
    if (!names.has(Names::Control, name)) return words.fail("unknown control: " + name);
    dump.names.push_back(name);
  }
  return dump;
}

std::optional<Png> png(Reader& words) {
  Png png;
  if (!words.next(png.file)) return words.fail("png needs a file name");
  return png;
}

// The command, or the error the reader kept.
template <typename T>
Reading reading(std::optional<T> command, Reader& words) {
  if (command) return Command(std::move(*command));
  return std::move(*words.error);
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

Reading parse(std::string_view line, const Names& names) {
  Reader words(line);
  std::string command;
  if (!words.next(command) || command[0] == '#') return Command();
  if (command == "down" || command == "move")
    return reading(mouse(command == "down", words, names), words);
  if (command == "click") return reading(click(words, names), words);
  if (command == "type") return reading(type(words, names), words);
  if (command == "key") return reading(key(words, names), words);
  if (command == "tick") return reading(tick(words, names), words);
  if (command == "run") return reading(stretch(words), words);
  if (command == "pause") return Command(Pause{});
  if (command == "resume") return Command(Resume{});
  if (command == "step") return Command(Step{});
  if (command == "back") return reading(back(words), words);
  if (command == "replay") return Command(Replay{});
  if (command == "speed") return reading(pace(words), words);
  if (command == "dump") return reading(dump(words, names), words);
  if (command == "png") return reading(png(words), words);
  return Error{"unknown command: " + command};
}

Stop execute(const Command& command, Executor& executor) {
  struct Visit {
    Executor& executor;
    Stop operator()(std::monostate) const { return {}; }
    Stop operator()(const Mouse& c) const { return executor.mouse(c), Stop(); }
    Stop operator()(const Click& c) const { return executor.click(c), Stop(); }
    Stop operator()(const Type& c) const { return executor.type(c), Stop(); }
    Stop operator()(const Key& c) const { return executor.key(c), Stop(); }
    Stop operator()(const Tick& c) const { return executor.tick(c), Stop(); }
    Stop operator()(const Run& c) const { return executor.run(c), Stop(); }
    Stop operator()(Pause) const { return executor.pause(), Stop(); }
    Stop operator()(Resume) const { return executor.resume(), Stop(); }
    Stop operator()(Step) const { return executor.step(), Stop(); }
    Stop operator()(const Back& c) const { return executor.back(c), Stop(); }
    Stop operator()(Replay) const { return executor.replay(), Stop(); }
    Stop operator()(const Speed& c) const { return executor.speed(c), Stop(); }
    Stop operator()(const Dump& c) const { return executor.dump(c), Stop(); }
    Stop operator()(const Png& c) const { return executor.png(c); }
  };
  return std::visit(Visit{executor}, command);
}

Stop execute(std::string_view line, const Names& names, Executor& executor) {
  Reading read = parse(line, names);
  if (Error* error = std::get_if<Error>(&read)) return std::move(*error);
  return execute(std::get<Command>(read), executor);
}

Stop runScript(std::istream& in, const Names& names, Executor& executor) {
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (Stop stop = execute(line, names, executor))
      return Error{"line " + std::to_string(number) + ": " + stop->message};
  }
  return {};
}

}  // namespace kit::script
