// vecstorm PROGRAM [--events N] [--seed S]: the long soak of one program (or "all"). Prints
// what ran and how long it took; on a failed check, the last events as a replayable script.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "kit/scriptrunner.h"
#include "lessons/lessons.h"
#include "storm.h"

namespace {

bool soak(const std::string& program, long events, std::uint64_t seed) {
  std::unique_ptr<kit::Form> form = lessons::find(program)->makeForm();
  std::ostringstream ignored;
  kit::script::Runner script(*form, ignored);
  storm::SeededChoices choices(seed);
  const auto start = std::chrono::steady_clock::now();
  const storm::Outcome outcome =
      storm::blow(*form, script, choices, events, storm::checkFor(program));
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << program << ": " << outcome.events << " events, seed " << seed << ", " << seconds
            << " s, " << (outcome.failure.empty() ? "no failure" : outcome.failure) << "\n";
  if (outcome.failure.empty()) return true;
  std::cout << "# the last events before the failure, as a script for vecprobe " << program << "\n";
  for (const std::string& line : outcome.trail) std::cout << line << "\n";
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::string program;
  long events = 1000000;
  std::uint64_t seed = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--events" && i + 1 < argc) {
      events = std::strtol(argv[++i], nullptr, 10);
    } else if (arg == "--seed" && i + 1 < argc) {
      seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (program.empty() && arg[0] != '-') {
      program = arg;
    } else {
      program.clear();
      break;
    }
  }
  if (program.empty() || (program != "all" && !lessons::find(program)) || events < 0) {
    std::cerr << "usage: vecstorm PROGRAM|all [--events N] [--seed S]\n";
    return 2;
  }
  bool held = true;
  for (const lessons::Lesson& lesson : lessons::all())
    if (program == "all" || program == lesson.name) held = soak(lesson.name, events, seed) && held;
  return held ? 0 : 1;
}
