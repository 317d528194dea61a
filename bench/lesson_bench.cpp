// A whole lesson per program, headless: the window loaded and every animation played to its
// end on the driver's clock, as a teacher would show them one after another.
#include <benchmark/benchmark.h>

#include <sstream>

#include "kit/scriptrunner.h"
#include "lessons/lessons.h"

namespace {

struct Lesson {
  const char* program;
  const char* script;
};

const Lesson kLessons[] = {
    {"vecadd",
     "click Command1\nrun 12000\ndown 1 0 300 700\nmove 1 0 320 690\nclick Command2\nrun 4000"},
    {"veccoord",
     "run 20\nclick Command1\nrun 6000\nclick Command3\nrun 4000\nclick Command4\nrun 5000\n"
     "click Command5\nrun 5000\nclick Command6\ndown 1 0 -1.2 3.46\nmove 1 0 -1 3"},
    {"vecintro",
     "down 1 0 2700 1200\nmove 1 0 2600 1300\nclick Command1\nrun 6000\ndown 1 0 2000 2200\n"
     "click Command1\nrun 8000"},
    {"vecscale",
     "run 20\ntype Text1 2\nclick Command1\nrun 3000\nclick Command2\nrun 2000\n"
     "click Command3\nrun 2000\nclick Command4\ndown 1 0 4 5\nmove 1 0 5 4"},
    {"vecsub",
     "click Command1\nrun 4000\ndown 1 0 800 200\nmove 1 0 810 220\nclick Command2\n"
     "run 4000"},
};

void wholeLesson(benchmark::State& state, const Lesson& lesson) {
  for (auto _ : state) {
    std::unique_ptr<kit::Form> form = lessons::find(lesson.program)->makeForm();
    std::ostringstream out;
    kit::script::Runner script(*form, out);
    std::istringstream lines(lesson.script);
    if (script.run(lines)) state.SkipWithError("the script stopped");
    benchmark::DoNotOptimize(form.get());
  }
}

struct Registration {
  Registration() {
    for (const Lesson& lesson : kLessons)
      benchmark::RegisterBenchmark((std::string("lesson/") + lesson.program).c_str(), wholeLesson,
                                   lesson);
  }
} registration;

}  // namespace
