// The zoom of a form's window: Ctrl with the wheel or with =, - and 0 steps it in a normal
// window, which then takes the content's size; F11 goes full screen and Esc leaves it. A
// maximised, full-screen or hand-resized window fits the content to itself instead.
#pragma once

#include <QObject>
#include <QSize>
#include <QSizeF>
#include <functional>

class QShortcut;
class QWidget;

namespace kitqt {

// Maximised or full screen: the content fits the window, not the window the content.
bool fillsScreen(const QWidget& window);

class WindowZoom : public QObject {
 public:
  // `designed` is the content's size at zoom 1; `refit` sizes the window to the content at
  // the asked zoom.
  WindowZoom(QWidget& window, double zoom, QSizeF designed, std::function<void()> refit);

  // The zoom asked for by keys and wheel, which a normal window shows.
  double asked() const { return asked_; }
  void setZoom(double zoom);
  void zoomIn();
  void zoomOut();
  void toggleFullScreen();
  // After the window's state changed: Esc leaves full screen only while in it, and a normal
  // window takes the asked zoom again.
  void stateChanged();
  // The zoom for content shown in `area`: the asked one in a window sized to the content,
  // else the one that fits the designed size into it, proportions kept.
  double zoomFor(QSize area, bool sizedToContent) const;

 protected:
  // Sees every wheel turn in the application before the widget under the pointer does (a
  // text box would scroll or zoom its own text).
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  double asked_;
  QSizeF designed_;
  std::function<void()> refit_;
  QShortcut* leaveFullScreen_;
};

}  // namespace kitqt
