// The window of a form: the drawing surfaces and the form's own controls laid out at the
// window's zoom, centred when the window is larger, and the window's own drawing painted.
// Its helpers run the lesson, zoom, present and picture it; handlers see nothing of them.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "canvaspainter.h"
#include "lessonrunner.h"
#include "pictureexport.h"
#include "presentercontrol.h"
#include "windowzoom.h"

#include "kit/form.h"

namespace kitqt {

class ControlWidgets;
class SurfaceWidget;

class FormWindow : public QWidget {
 public:
  explicit FormWindow(kit::Form& form, double zoom = 1.0, QWidget* parent = nullptr);
  ~FormWindow() override;

  // The lesson as it runs: its events, timers and message boxes.
  kit::Session& session() { return runner_.session(); }
  // Starts the timers on real time; a window only pictured (by the driver) never calls it.
  void start() { runner_.start(); }
  // Runs one handler, then shows its message boxes and brings the screen up to date.
  void deliver(const std::function<void()>& handler) { runner_.deliver(handler); }
  // Brings every widget up to date from the model.
  void syncWidgets();
  // What the lesson shows, for screen readers.
  void setDescription(const std::string& description);

  // The zoom of the content: the one asked for in a normal window, the one that fits the
  // screen when maximised or full screen.
  double zoom() const { return zoom_; }
  void setZoom(double zoom) { windowZoom_->setZoom(zoom); }
  void zoomIn() { windowZoom_->zoomIn(); }
  void zoomOut() { windowZoom_->zoomOut(); }
  void toggleFullScreen() { windowZoom_->toggleFullScreen(); }
  // Where the design's top-left corner lies in the window (the content is centred when the
  // window is larger than it).
  QPoint contentOrigin() const { return origin_; }
  QSize contentSize() const;

  // A picture of the content at the current zoom, never smaller than the designed size.
  QImage picture() { return export_->picture(); }
  void copyPicture() { export_->copyPicture(); }
  // Saves a picture as PNG, or as SVG when the file name ends in .svg; false on failure.
  bool savePicture(const QString& file) { return export_->savePicture(file); }
  void savePictureAs() { export_->savePictureAs(); }

  // The teacher's control of the lesson's time (keys F8, F9, Shift+F8/F9, Page Down; F4 or
  // the tab at the bottom edge brings up the bar).
  void togglePause() { presenter_.togglePause(); }
  void stepOnce() { presenter_.stepOnce(); }
  void slower() { presenter_.slower(); }
  void faster() { presenter_.faster(); }
  void showPresenterBar(bool shown) { presenter_.showBar(shown); }
  bool presenterBarShown() const { return presenter_.barShown(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void addSurfaces();
  // The zoom and origin that show the content in a window of `size`, and the layout for them.
  void fitContent(QSize size);
  // Places every widget and surface for the current zoom and origin.
  void layOut();
  // In a normal window: the form's size at the asked zoom, never taller than the screen.
  void fitToForm();
  // The same after the asked zoom or the presenter bar changed.
  void refit();
  // The presenter bar came or went: room is made for it below the lesson, or given back.
  void makeRoomForBar();
  void paintSurround(QPainter& painter);

  kit::Form& form_;
  double zoom_;
  QSizeF designed_;  // the window's designed size in pixels at zoom 1
  QSize fitted_;     // the size fitToForm last asked for
  QPoint origin_;
  std::vector<SurfaceWidget*> surfaces_;
  CanvasPainter windowPainter_;
  std::size_t windowShown_ = 0;
  LessonRunner runner_;
  PresenterControl presenter_;
  ControlWidgets* controls_ = nullptr;
  WindowZoom* windowZoom_ = nullptr;
  PictureExport* export_ = nullptr;
};

// Creates the application, runs Form_Load, shows the window and runs until it is closed.
int runProgram(int argc, char** argv, std::unique_ptr<kit::Form> form,
               const std::string& description = "");
// The same for a form of a lesson's own type, which going back can then make afresh.
template <typename T>
int runProgram(int argc, char** argv, std::unique_ptr<T> form,
               const std::string& description = "") {
  return runProgram(argc, argv, std::unique_ptr<kit::Form>(kit::renewable(std::move(form))),
                    description);
}

}  // namespace kitqt
