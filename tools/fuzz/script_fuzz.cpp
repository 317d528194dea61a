// Coverage-guided fuzzing of the driver's command reader and of the storm's event decoding.
// The first byte picks the program and the mode: the rest is either a script, line by line,
// or a stream of choices that the storm turns into a pupil's events. Every line and event is
// checked as in the storms; a failed check aborts, so the fuzzer keeps the input.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "kit/scriptrunner.h"
#include "lessons/lessons.h"
#include "tools/storm/storm.h"

namespace {

// Lines that only ask for a great deal of work (hours of virtual time, millions of ticks)
// would read as hangs; they are skipped, the rest runs as written.
bool asksTooMuch(std::string_view line) {
  std::istringstream words{std::string(line)};
  std::string command, first, second;
  words >> command >> first >> second;
  const std::string& amount = command == "run" ? first : command == "tick" ? second : "";
  if (amount.empty()) return false;
  double value = 0;
  const auto [end, error] = std::from_chars(amount.data(), amount.data() + amount.size(), value);
  return error == std::errc() && value > (command == "run" ? 60000 : 20000);
}

// The lessons by name, so that a first byte of the corpus keeps choosing the same program
// whatever the teaching order.
const std::vector<const lessons::Lesson*>& byName() {
  static const std::vector<const lessons::Lesson*> sorted = [] {
    std::vector<const lessons::Lesson*> list;
    for (const lessons::Lesson& lesson : lessons::all()) list.push_back(&lesson);
    std::sort(list.begin(), list.end(), [](auto* a, auto* b) { return a->name < b->name; });
    return list;
  }();
  return sorted;
}

[[noreturn]] void fail(const std::string& program, const std::string& failure) {
  std::fprintf(stderr, "%s: %s\n", program.c_str(), failure.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto& known = byName();
  const lessons::Lesson& lesson = *known[data[0] % known.size()];
  const bool asScript = (data[0] / known.size()) % 2 == 0;
  const std::string& program = lesson.name;

  std::unique_ptr<kit::Form> form = lesson.makeForm();
  std::ostringstream out;
  kit::script::Runner script(*form, out);
  const storm::Check check = storm::checkFor(program);
  if (asScript) {
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    for (std::size_t start = 0; start < text.size();) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      const std::string_view line = text.substr(start, end - start);
      start = end + 1;
      if (asksTooMuch(line)) continue;
      // A line the driver refuses is skipped, as a script would stop there.
      (void)script.runLine(line);
      if (const std::string failure = check(*form); !failure.empty()) fail(program, failure);
      out.str("");
    }
  } else {
    storm::ByteChoices choices(data + 1, size - 1);
    const storm::Outcome outcome = storm::blow(*form, script, choices, 1 << 20, check);
    if (!outcome.failure.empty()) fail(program, outcome.failure);
  }
  return 0;
}
