// What one animation tick costs: the handler alone, and the handler followed by a full repaint
// of the drawing surface as the window shows it, at a device pixel ratio of 1 and 2 and at the
// size the surface has when the window fills a 3840 x 2160 screen. Also a line whose far end
// lies far outside, which must cost no more than a short one.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "animations.h"
#include "kit/qt/formwindow.h"
#include "kit/qt/qtlook.h"

namespace {

void handlerTick(benchmark::State& state, const bench::Animation& animation) {
  bench::Stage stage(animation);
  if (!stage.ready()) state.SkipWithError("the set-up did not start the animation");
  for (auto _ : state) stage.tick();
}

// The zoom at which the whole window fits a screen of the given size.
double zoomToFit(const kit::Form& form, double width, double height) {
  return std::min(width / kitqt::pixels(form.Width, 1), height / kitqt::pixels(form.Height, 1));
}

void tickAndRepaint(benchmark::State& state, const bench::Animation& animation, double ratio,
                    bool fillScreen) {
  bench::Stage stage(animation);
  if (!stage.ready()) state.SkipWithError("the set-up did not start the animation");
  const double zoom = fillScreen ? zoomToFit(stage.form(), 3840, 2160) : 1.0;
  kitqt::FormWindow window(stage.form(), zoom);
  window.syncWidgets();
  QWidget* surface = window.findChild<QWidget*>("Picture1");
  // The format of a window's backing store on an opaque desktop.
  QImage image(surface->size() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  {
    // The first frame draws the pictures and the retained drawing into their caches once.
    QPainter painter(&image);
    surface->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  }
  for (auto _ : state) {
    stage.tick();
    QPainter painter(&image);
    surface->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  }
  state.counters["pixels"] = image.width() * image.height();
}

void registerAll() {
  for (const bench::Animation& animation : bench::animations()) {
    const std::string name = animation.program + "/" + animation.timer;
    benchmark::RegisterBenchmark(("tick/" + name).c_str(), handlerTick, animation);
    benchmark::RegisterBenchmark(("tick+paint@1x/" + name).c_str(), tickAndRepaint, animation, 1.0,
                                 false);
    benchmark::RegisterBenchmark(("tick+paint@2x/" + name).c_str(), tickAndRepaint, animation, 2.0,
                                 false);
    benchmark::RegisterBenchmark(("tick+paint@3840x2160/" + name).c_str(), tickAndRepaint,
                                 animation, 1.0, true);
  }
  // The multiple 1e30 puts the tip of the grown vector far outside the surface.
  static const bench::Animation near{"vecscale", "Timer7", "run 20\nclick Command1\nrun 2000"};
  static const bench::Animation far{"vecscale", "Timer7",
                                    "run 20\ntype Text1 1e30\nclick Command1\nrun 2000"};
  benchmark::RegisterBenchmark("tick+paint@1x/short-line", tickAndRepaint, near, 1.0, false);
  benchmark::RegisterBenchmark("tick+paint@1x/far-line", tickAndRepaint, far, 1.0, false);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);  // fonts and pixmaps for the painting
  registerAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
