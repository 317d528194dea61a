// The window of a form: real widgets built from the form's description, the surfaces, the
// timer driver on real time, and message boxes. After every event it brings the screen up to
// date from the model. The whole content scales with a zoom (keys, the mouse wheel, maximising
// and full screen), and pictures of it can be copied or saved; handlers see nothing of either.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "canvaspainter.h"
#include "kit/session.h"

class QShortcut;

namespace kit {
class Form;
class WindowControl;
}  // namespace kit

namespace kitqt {

class PresenterBar;
class SurfaceWidget;

class FormWindow : public QWidget {
 public:
  explicit FormWindow(kit::Form& form, double zoom = 1.0, QWidget* parent = nullptr);
  ~FormWindow() override;

  // The lesson as it runs: its events, timers and message boxes.
  kit::Session& session() { return session_; }
  // Starts the timers on real time; a window only pictured (by the driver) never calls it.
  void start();
  // Runs one handler, then shows its message boxes and brings the screen up to date.
  void deliver(const std::function<void()>& handler);
  // Brings every widget up to date from the model.
  void syncWidgets();
  // What the lesson shows, for screen readers.
  void setDescription(const std::string& description);

  // The zoom of the content: the one asked for in a normal window, the one that fits the
  // screen when maximised or full screen.
  double zoom() const { return zoom_; }
  void setZoom(double zoom);
  void zoomIn();
  void zoomOut();
  void toggleFullScreen();
  // Where the design's top-left corner lies in the window (the content is centred when the
  // window is larger than it).
  QPoint contentOrigin() const { return origin_; }
  QSize contentSize() const;

  // A picture of the content at the current zoom, never smaller than the designed size.
  QImage picture();
  void copyPicture();
  // Saves a picture as PNG, or as SVG when the file name ends in .svg; false on failure.
  bool savePicture(const QString& file);
  void savePictureAs();

  // The teacher's control of the lesson's time (keys F8, F9, Shift+F8/F9, Page Down; F4 or
  // the tab at the bottom edge brings up the bar).
  void togglePause();
  void stepOnce();
  void slower();
  void faster();
  void showPresenterBar(bool shown);
  bool presenterBarShown() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  struct Bound {
    kit::WindowControl* control;
    QWidget* widget;
  };
  void build();
  void addShortcuts();
  // Ctrl with the wheel zooms wherever the pointer is in this window, over any widget.
  void watchWheel();
  // Places every widget and surface for the current zoom and origin.
  void layOut();
  // In a normal window: the form's size at the asked zoom, never taller than the screen.
  void fitToForm();
  void afterEvent();
  void addPresenterKeys();
  void afterPresenterChange();
  int presenterBarHeight() const;
  void placePresenterBar();
  QRect presenterTab() const;
  QRect presenterCorner() const;
  void paintPresenterMarks(QPainter& painter);
  void showBoxes();
  void scheduleNextTick();
  void onTick();
  // Milliseconds on the window's clock since start().
  double now() const;

  kit::Form& form_;
  double zoom_;
  double askedZoom_;
  QSizeF designed_;  // the window's designed size in pixels at zoom 1
  QSize fitted_;     // the size fitToForm last asked for
  QPoint origin_;
  std::vector<Bound> bound_;
  std::vector<SurfaceWidget*> surfaces_;
  CanvasPainter windowPainter_;
  std::size_t windowShown_ = 0;
  QShortcut* leaveFullScreen_ = nullptr;
  kit::Session session_;
  PresenterBar* bar_ = nullptr;  // made when first brought up
  bool picturing_ = false;       // a picture of the lesson is being taken
  QTimer tickTimer_;
  QElapsedTimer elapsed_;
};

// Creates the application, runs Form_Load, shows the window and runs until it is closed.
int runProgram(int argc, char** argv, std::unique_ptr<kit::Form> form,
               const std::string& description = "");

}  // namespace kitqt
