// What one animation tick costs: the handler, and the repaint of the surface that follows it,
// for an arrow on screen and for one whose tip lies far outside (clipped before stroking).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <sstream>

#include "kit/qt/canvaspainter.h"
#include "tools/vecprobe/script.h"
#include "vecscale/form2.h"

namespace {

struct Lesson {
  vecscale::Form2 form;
  std::ostringstream out;
  probe::Script script{form, out};
  explicit Lesson(const char* multiple) {
    std::istringstream setup(std::string("run 20\ntype Text1 ") + multiple +
                             "\nclick Command1\ntick Timer6 100\ntick Timer7 4\n");
    script.run(setup);
  }
};

void growthTick(benchmark::State& state) {
  Lesson lesson("3");
  for (auto _ : state) {
    lesson.form.Timer6.setEnabled(true);
    lesson.form.Timer6_Timer();
    benchmark::DoNotOptimize(lesson.form.Line7.X2);
  }
}
BENCHMARK(growthTick);

void repaint(benchmark::State& state, const char* multiple) {
  Lesson lesson(multiple);
  kitqt::CanvasPainter painter(lesson.form.Picture1, 1.0);
  QImage image(painter.innerSize(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter p(&image);
    painter.paint(p);
  }
}
BENCHMARK_CAPTURE(repaint, on_screen, "3");
BENCHMARK_CAPTURE(repaint, far_outside, "1e30");

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);  // fonts for the painted letters
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
