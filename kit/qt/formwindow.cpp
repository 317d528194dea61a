// The window's layout at its zoom, its own drawing and surround, and the program's start.
#include "formwindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>

#include "controlwidgets.h"
#include "firstframe.h"
#include "focusring.h"
#include "kit/controls.h"
#include "kit/form.h"
#include "kit/order.h"
#include "kit/zoom.h"
#include "qtlook.h"
#include "surfacewidget.h"

namespace kitqt {

FormWindow::FormWindow(kit::Form& form, double zoom, QWidget* parent)
    : QWidget(parent),
      form_(form),
      zoom_(zoom),
      designed_(pixels(form.Width, 1), pixels(form.Height, 1)),
      windowPainter_(form.window(), zoom),
      runner_(form, *this, [this] { syncWidgets(); }),
      presenter_(*this, runner_, [this] { makeRoomForBar(); }) {
  setWindowTitle(QString::fromStdString(form.Caption));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, qtColor(form.BackColor));
  setPalette(colours);
  setAutoFillBackground(true);
  useFocusRing();
  addSurfaces();
  controls_ = new ControlWidgets(
      form, *this, [this](const std::function<void()>& handler) { runner_.deliver(handler); });
  // The surfaces come after the window's controls: the first Tab still reaches what it did.
  const std::vector<const kit::WindowControl*> order = kit::tabOrder(form);
  QWidget* previous =
      order.empty() ? nullptr : findChild<QWidget*>(QString::fromStdString(order.back()->name()));
  for (SurfaceWidget* surface : surfaces_) {
    if (previous) QWidget::setTabOrder(previous, surface);
    previous = surface;
  }
  runner_.onAnswered = [this](const std::string& text) {
    for (SurfaceWidget* surface : surfaces_) surface->noteAnswer(text);
  };
  windowZoom_ = new WindowZoom(*this, zoom, designed_, [this] { refit(); });
  export_ = new PictureExport(*this, form);
  resize(qRound(designed_.width() * zoom), qRound(designed_.height() * zoom));
  fitToForm();
  layOut();
  syncWidgets();
}

FormWindow::~FormWindow() = default;

void FormWindow::addSurfaces() {
  auto deliverer = [this](std::function<void()> handler) { runner_.deliver(handler); };
  for (kit::Canvas* canvas : form_.canvases()) {
    if (canvas == &form_.window()) continue;
    auto* surface = new SurfaceWidget(*canvas, zoom_, deliverer, this);
    surface->setAccessibleName(QStringLiteral("绘图区"));
    surfaces_.push_back(surface);
  }
}

void FormWindow::setDescription(const std::string& description) {
  for (SurfaceWidget* surface : surfaces_)
    surface->setAccessibleDescription(QString::fromStdString(description));
}

QSize FormWindow::contentSize() const {
  return QSize(qRound(pixels(form_.Width, zoom_)), qRound(pixels(form_.Height, zoom_)));
}

void FormWindow::fitContent(QSize size) {
  // The designed size fits the window with its proportions kept; a form that has grown
  // taller since (result lines) keeps its zoom and runs on below.
  // The presenter bar, when it is up, has its own strip below the lesson.
  const QSize area = size - QSize(0, presenter_.barHeight());
  zoom_ = windowZoom_->zoomFor(area, !fillsScreen(*this) && size == fitted_);
  const QSize content = contentSize();
  origin_ = QPoint(static_cast<int>(kit::centred(area.width(), content.width())),
                   static_cast<int>(kit::centred(area.height(), content.height())));
  layOut();
  presenter_.placeBar();
}

void FormWindow::layOut() {
  setFont(qtFont(form_.font, zoom_));
  for (SurfaceWidget* surface : surfaces_) surface->place(zoom_, origin_);
  controls_->place(zoom_, origin_);
  windowPainter_.setZoom(zoom_);
  windowPainter_.limitTo(size() - QSize(origin_.x(), origin_.y()));
  update();
}

void FormWindow::syncWidgets() {
  controls_->sync();
  for (SurfaceWidget* surface : surfaces_) {
    surface->refresh();
    surface->noteFigure(false);
  }
  fitToForm();
  // The window itself repaints only when what is drawn on it has changed.
  if (windowPainter_.fingerprint() != windowShown_) update();
}

void FormWindow::fitToForm() {
  if (fillsScreen(*this)) return;
  const double asked = windowZoom_->asked();
  QSize wanted(qRound(pixels(form_.Width, asked)),
               qRound(pixels(form_.Height, asked)) + presenter_.barHeight());
  if (wanted == fitted_) return;
  fitted_ = wanted;
  // The window follows its form only as far as its screen has room for it.
  const QScreen* shown = isVisible() ? screen() : nullptr;
  const QRect room = shown ? shown->availableGeometry() : QRect();
  const int frame = frameGeometry().height() - height();
  if (shown && wanted.height() > room.height() - frame)
    wanted.setHeight(std::max(1, room.height() - frame));
  if (shown && wanted.width() > room.width()) wanted.setWidth(room.width());
  resize(wanted);
  if (shown) {
    // Grown past the bottom of the screen: lift it up until it fits.
    const QRect outer = frameGeometry();
    const int over = outer.top() + wanted.height() + frame - 1 - room.bottom();
    if (over > 0) move(outer.left(), std::max(room.top(), outer.top() - over));
  }
}

void FormWindow::refit() {
  fitted_ = QSize();  // take the form's size at the asked zoom
  fitToForm();
}

void FormWindow::makeRoomForBar() {
  refit();
  presenter_.placeBar();
  if (fillsScreen(*this)) fitContent(size());
  update();
}

void FormWindow::paintEvent(QPaintEvent*) {
  noteFirstFrame();
  windowShown_ = windowPainter_.fingerprint();
  QPainter painter(this);
  paintSurround(painter);
  if (!form_.window().drawing().empty() || !form_.window().objects().empty()) {
    painter.save();
    painter.translate(origin_);
    windowPainter_.paint(painter);
    painter.restore();
  }
  if (!export_->picturing()) presenter_.paintMarks(painter);  // a picture shows the lesson alone
}

void FormWindow::paintSurround(QPainter& painter) {
  const QSize content = contentSize();
  if (origin_ == QPoint() && content.width() >= width() && content.height() >= height()) return;
  // Beyond the content (a maximised or full-screen window): a dark surround.
  QRegion around(rect());
  around -= QRect(origin_, content);
  for (const QRect& part : around) painter.fillRect(part, QColor(48, 48, 48));
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  fitContent(event->size());
  QWidget::resizeEvent(event);
}

void FormWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && windowZoom_) windowZoom_->stateChanged();
  QWidget::changeEvent(event);
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
  if (presenter_.pressTab(event->pos())) return;
  QWidget::mousePressEvent(event);
}

int runProgram(int argc, char** argv, std::unique_ptr<kit::Form> form,
               const std::string& description) {
  QApplication app(argc, argv);
  app.setFont(qtFont(form->font, 1.0));
  FormWindow window(*form);
  window.setDescription(description);
  window.session().load();
  window.syncWidgets();
  window.show();
  window.start();
  return app.exec();
}

}  // namespace kitqt
