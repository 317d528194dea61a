// The window of a form: real widgets built from the form's description, the surfaces, the
// timer driver on real time, and message boxes. After every event it brings the screen up to
// date from the model.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "canvaspainter.h"
#include "kit/timerclock.h"

namespace kit {
class Form;
class WindowControl;
}  // namespace kit

namespace kitqt {

class SurfaceWidget;

class FormWindow : public QWidget {
 public:
  explicit FormWindow(kit::Form& form, double zoom = 1.0, QWidget* parent = nullptr);
  ~FormWindow() override;

  // Starts the timers on real time; a window only pictured (by the driver) never calls it.
  void start();
  // Runs one handler, then shows its message boxes and brings the screen up to date.
  void deliver(const std::function<void()>& handler);
  // Brings every widget up to date from the model.
  void syncWidgets();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Bound {
    kit::WindowControl* control;
    QWidget* widget;
  };
  void build();
  // Takes the form's size, but never taller than the screen's free area.
  void fitToForm();
  void afterEvent();
  void showBoxes();
  void scheduleNextTick();
  void onTick();

  kit::Form& form_;
  double zoom_;
  std::vector<Bound> bound_;
  std::vector<SurfaceWidget*> surfaces_;
  CanvasPainter windowPainter_;
  kit::TimerClock clock_;
  QTimer tickTimer_;
  QElapsedTimer elapsed_;
  bool running_ = false;
  bool holding_ = false;
};

// Creates the application, runs Form_Load, shows the window and runs until it is closed.
int runProgram(int argc, char** argv, std::unique_ptr<kit::Form> form);

}  // namespace kitqt
