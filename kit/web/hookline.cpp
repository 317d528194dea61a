#include "hookline.h"

#include <variant>

#include "kit/dump.h"
#include "kit/json.h"
#include "kit/script.h"
#include "lesson.h"

namespace kitweb {
namespace {

namespace script = kit::script;

// A command as JSON, every text one character a byte.
struct Describe {
  kit::JsonObject& out;
  void operator()(std::monostate) const { out.raw("command", "null"); }
  void operator()(const script::Mouse& c) const {
    out.raw("command", c.down ? "\"down\"" : "\"move\"");
    out.add("button", c.button).add("shift", c.shift);
    out.add("x", static_cast<double>(c.x)).add("y", static_cast<double>(c.y));
  }
  void operator()(const script::Click& c) const { named("click", c.name); }
  void operator()(const script::Type& c) const { named("type", c.name).raw("text", bytes(c.text)); }
  void operator()(const script::Key& c) const { named("key", c.name).add("code", c.code); }
  void operator()(const script::Tick& c) const { named("tick", c.name).add("count", c.count); }
  void operator()(const script::Run& c) const { command("run").add("ms", c.ms); }
  void operator()(script::Pause) const { command("pause"); }
  void operator()(script::Resume) const { command("resume"); }
  void operator()(script::Step) const { command("step"); }
  void operator()(const script::Back& c) const { command("back").add("count", c.count); }
  void operator()(script::Replay) const { command("replay"); }
  void operator()(const script::Speed& c) const { command("speed").add("factor", c.factor); }
  void operator()(const script::Dump& c) const {
    kit::JsonArray names;
    for (const std::string& name : c.names) names.raw(bytes(name));
    command("dump").raw("names", names.str());
  }
  void operator()(const script::Png& c) const { command("png").raw("file", bytes(c.file)); }

  kit::JsonObject& command(const char* name) const { return out.add("command", name); }
  kit::JsonObject& named(const char* name, const std::string& control) const {
    return command(name).raw("name", bytes(control));
  }
  static std::string bytes(std::string_view text) { return kit::jsonBytes(text); }
};

// The pupil's input, and pictures: what the caller gives the page itself.
bool isInput(const script::Command& command) {
  return std::holds_alternative<script::Mouse>(command) ||
         std::holds_alternative<script::Click>(command) ||
         std::holds_alternative<script::Type>(command) ||
         std::holds_alternative<script::Key>(command) ||
         std::holds_alternative<script::Png>(command);
}

std::string errorAnswer(const script::Error& error) {
  return kit::JsonObject().raw("error", kit::jsonBytes(error.message)).str();
}

}  // namespace

std::string hookLine(Lesson& lesson, std::string_view line) {
  script::Runner* runner = lesson.runner();
  if (!runner) return R"({"error":"not a test page"})";
  const script::Reading read = script::parse(line, runner->names());
  if (const auto* error = std::get_if<script::Error>(&read)) return errorAnswer(*error);
  const script::Command& command = std::get<script::Command>(read);
  kit::JsonObject out;
  if (std::holds_alternative<std::monostate>(command) || isInput(command)) {
    std::visit(Describe{out}, command);
  } else if (const auto* dump = std::get_if<script::Dump>(&command)) {
    out.add("command", "dump").add("out", kit::dumpState(lesson.form(), dump->names));
  } else {
    if (const script::Stop stop = script::execute(command, *runner)) return errorAnswer(*stop);
    std::visit(Describe{out}, command);
    out.add("ran", true);
  }
  return out.str();
}

std::string readLine(const kit::script::Names& names, std::string_view line) {
  const script::Reading read = script::parse(line, names);
  if (const auto* error = std::get_if<script::Error>(&read)) return errorAnswer(*error);
  kit::JsonObject out;
  std::visit(Describe{out}, std::get<script::Command>(read));
  return out.str();
}

}  // namespace kitweb
