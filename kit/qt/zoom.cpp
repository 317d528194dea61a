// The zoom of a form's window: keys and the wheel step it in a normal window, which then takes
// the content's size; a maximised, full-screen or hand-resized window fits the content to
// itself, keeping its proportions and centring it.
#include <QApplication>
#include <QKeySequence>
#include <QResizeEvent>
#include <QShortcut>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "formwindow.h"
#include "kit/form.h"
#include "kit/zoom.h"
#include "look.h"

namespace kitqt {

namespace {

bool fillsScreen(const QWidget& window) {
  return window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

// Sees every wheel turn in the application before the widget under the pointer does (a text
// box would scroll or zoom its own text).
class WheelZoom : public QObject {
 public:
  explicit WheelZoom(FormWindow& window) : QObject(&window), window_(window) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return false;
    const auto* wheel = static_cast<QWheelEvent*>(event);
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!(wheel->modifiers() & Qt::ControlModifier) || !widget || widget->window() != &window_)
      return false;
    if (wheel->angleDelta().y() > 0) window_.zoomIn();
    if (wheel->angleDelta().y() < 0) window_.zoomOut();
    return true;
  }

 private:
  FormWindow& window_;
};
}  // namespace

void FormWindow::watchWheel() {
  new WheelZoom(*this);
}

void FormWindow::addShortcuts() {
  const auto add = [this](const QKeySequence& keys, auto action) {
    auto* shortcut = new QShortcut(keys, this);
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
  add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copyPicture(); });
  add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { savePictureAs(); });
}

QSize FormWindow::contentSize() const {
  return QSize(qRound(pixels(form_.Width, zoom_)), qRound(pixels(form_.Height, zoom_)));
}

void FormWindow::setZoom(double zoom) {
  if (fillsScreen(*this)) showNormal();
  askedZoom_ = kit::clampZoom(zoom);
  fitted_ = QSize();  // take the form's size at the new zoom
  fitToForm();
}

void FormWindow::zoomIn() {
  const double step = kit::zoomInFrom(askedZoom_);
  if (step != askedZoom_) setZoom(step);
}

void FormWindow::zoomOut() {
  const double step = kit::zoomOutFrom(askedZoom_);
  if (step != askedZoom_) setZoom(step);
}

void FormWindow::toggleFullScreen() {
  if (windowState() & Qt::WindowFullScreen) {
    showNormal();
  } else {
    showFullScreen();
  }
}

void FormWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    if (leaveFullScreen_) leaveFullScreen_->setEnabled(windowState() & Qt::WindowFullScreen);
    if (!fillsScreen(*this)) {
      fitted_ = QSize();
      fitToForm();  // back to the asked zoom
    }
  }
  QWidget::changeEvent(event);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  // The designed size fits the window with its proportions kept; a form that has grown
  // taller since (result lines) keeps its zoom and runs on below.
  // The presenter bar, when it is up, has its own strip below the lesson.
  const QSize area = event->size() - QSize(0, presenterBarHeight());
  zoom_ = kit::fitDesign(area.width(), area.height(), designed_.width(), designed_.height()).zoom;
  if (!fillsScreen(*this) && event->size() == fitted_) zoom_ = askedZoom_;
  const QSize content = contentSize();
  origin_ = QPoint(static_cast<int>(kit::centred(area.width(), content.width())),
                   static_cast<int>(kit::centred(area.height(), content.height())));
  layOut();
  placePresenterBar();
  QWidget::resizeEvent(event);
}

}  // namespace kitqt
