// Zoom keys, the Ctrl wheel and full screen for a form's window.
#include "windowzoom.h"

#include <QApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWheelEvent>
#include <QWidget>

#include "kit/zoom.h"

namespace kitqt {

bool fillsScreen(const QWidget& window) {
  return window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

WindowZoom::WindowZoom(QWidget& window, double zoom, QSizeF designed, std::function<void()> refit)
    : QObject(&window),
      window_(window),
      asked_(zoom),
      designed_(designed),
      refit_(std::move(refit)) {
  const auto add = [this](const QKeySequence& keys, auto action) {
    auto* shortcut = new QShortcut(keys, &window_);
    connect(shortcut, &QShortcut::activated, this, action);
    return shortcut;
  };
  add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoomIn(); });
  add(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { zoomIn(); });
  add(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { zoomOut(); });
  add(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setZoom(1.0); });
  add(QKeySequence(Qt::Key_F11), [this] { toggleFullScreen(); });
  leaveFullScreen_ = add(QKeySequence(Qt::Key_Escape), [this] { toggleFullScreen(); });
  leaveFullScreen_->setEnabled(false);  // Esc belongs to the text boxes otherwise
  qApp->installEventFilter(this);       // Ctrl with the wheel zooms over any widget
}

void WindowZoom::setZoom(double zoom) {
  if (fillsScreen(window_)) window_.showNormal();
  asked_ = kit::clampZoom(zoom);
  refit_();
}

void WindowZoom::zoomIn() {
  const double step = kit::zoomInFrom(asked_);
  if (step != asked_) setZoom(step);
}

void WindowZoom::zoomOut() {
  const double step = kit::zoomOutFrom(asked_);
  if (step != asked_) setZoom(step);
}

void WindowZoom::toggleFullScreen() {
  if (window_.windowState() & Qt::WindowFullScreen) {
    window_.showNormal();
  } else {
    window_.showFullScreen();
  }
}

void WindowZoom::stateChanged() {
  leaveFullScreen_->setEnabled(window_.windowState() & Qt::WindowFullScreen);
  if (!fillsScreen(window_)) refit_();  // back to the asked zoom
}

double WindowZoom::zoomFor(QSize area, bool sizedToContent) const {
  if (sizedToContent) return asked_;
  return kit::fitDesign(area.width(), area.height(), designed_.width(), designed_.height()).zoom;
}

bool WindowZoom::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return false;
  const auto* wheel = static_cast<QWheelEvent*>(event);
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (!(wheel->modifiers() & Qt::ControlModifier) || !widget || widget->window() != &window_)
    return false;
  if (wheel->angleDelta().y() > 0) zoomIn();
  if (wheel->angleDelta().y() < 0) zoomOut();
  return true;
}

}  // namespace kitqt
