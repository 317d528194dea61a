// Painting, mouse and keyboard input of the drawing surface.
#include "surfacewidget.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "figureaccess.h"
#include "kit/input.h"
#include "qtlook.h"

namespace kitqt {

int buttonCode(Qt::MouseButtons buttons) {
  return kit::buttonCode(buttons & Qt::LeftButton, buttons & Qt::RightButton,
                         buttons & Qt::MiddleButton);
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
  return kit::shiftCode(modifiers & Qt::ShiftModifier, modifiers & Qt::ControlModifier,
                        modifiers & Qt::AltModifier);
}

int pointerKeyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left:
      return kit::keys::kLeft;
    case Qt::Key_Right:
      return kit::keys::kRight;
    case Qt::Key_Up:
      return kit::keys::kUp;
    case Qt::Key_Down:
      return kit::keys::kDown;
    case Qt::Key_Space:
      return kit::keys::kSpace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kit::keys::kEnter;
    case Qt::Key_Escape:
      return kit::keys::kEscape;
    default:
      return qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z ? qtKey : 0;
  }
}

SurfaceWidget::SurfaceWidget(kit::Canvas& canvas, double zoom, Deliver deliver, QWidget* parent)
    : QWidget(parent),
      canvas_(canvas),
      zoom_(zoom),
      painter_(canvas, zoom),
      deliver_(std::move(deliver)),
      keyPointer_(canvas) {
  installSurfaceAccessibility();
  setObjectName(QString::fromStdString(canvas.name()));
  // Reached by Tab only: a mouse press leaves the keyboard where it was.
  setFocusPolicy(Qt::TabFocus);
  setGeometry(pixelRect(canvas.outer(), zoom));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);  // moves matter only while a button is held
}

void SurfaceWidget::place(double zoom, QPoint origin) {
  zoom_ = zoom;
  painter_.setZoom(zoom);
  setGeometry(pixelRect(canvas_.outer(), zoom).translated(origin));
  update();
}

void SurfaceWidget::refresh() {
  if (painter_.fingerprint() != shown_) update();
}

int SurfaceWidget::border() const {
  return qRound(canvas_.borderPixels() * zoom_);
}

void SurfaceWidget::paintEvent(QPaintEvent*) {
  shown_ = painter_.fingerprint();
  QPainter painter(this);
  const QRect all = rect();
  // A sunken 3-D border: dark outside, darker inside on the top and left, light below.
  const int b = border();
  if (b > 0) {
    const int half = std::max(1, b / 2);
    painter.fillRect(0, 0, all.width(), half, QColor(160, 160, 160));
    painter.fillRect(0, 0, half, all.height(), QColor(160, 160, 160));
    painter.fillRect(half, half, all.width() - half, b - half, QColor(105, 105, 105));
    painter.fillRect(half, half, b - half, all.height() - half, QColor(105, 105, 105));
    painter.fillRect(0, all.height() - half, all.width(), half, QColor(255, 255, 255));
    painter.fillRect(all.width() - half, 0, half, all.height(), QColor(255, 255, 255));
    painter.fillRect(b - half, all.height() - b, all.width() - b, half, QColor(227, 227, 227));
    painter.fillRect(all.width() - b, b - half, half, all.height() - b, QColor(227, 227, 227));
  }
  const QRect inner = all.adjusted(b, b, -b, -b);
  painter_.setBackground(qtColor(canvas_.BackColor));  // painted with the drawing, in one copy
  painter.setClipRect(inner);
  painter.translate(inner.topLeft());
  painter_.paint(painter);
  if (hasFocus()) paintCrosshair(painter);
}

void SurfaceWidget::paintCrosshair(QPainter& painter) {
  // Over the figure, never part of it: the keyboard pointer's place, a ring while pressed.
  const QPointF at = painter_.toPixels(keyPointer_.x(), keyPointer_.y());
  const double arm = 9 * zoom_, width = std::max(1.0, 2 * zoom_);
  painter.setRenderHint(QPainter::Antialiasing, zoom_ != 1);
  for (const auto& [colour, thickness] : {std::pair{QColor(255, 255, 255), width + 2 * zoom_},
                                          std::pair{QColor(0, 90, 200), width}}) {
    painter.setPen(QPen(colour, thickness));
    painter.drawLine(at - QPointF(arm, 0), at + QPointF(arm, 0));
    painter.drawLine(at - QPointF(0, arm), at + QPointF(0, arm));
    if (keyPointer_.held()) painter.drawEllipse(at, arm * 0.6, arm * 0.6);
  }
}

void SurfaceWidget::sendMouse(QMouseEvent* event, bool press) {
  const QPointF units = painter_.toUnits(event->position() - QPointF(border(), border()));
  const int button = buttonCode(press ? event->button() : event->buttons());
  sendAt(press, button, shiftCode(event->modifiers()), static_cast<float>(units.x()),
         static_cast<float>(units.y()));
}

void SurfaceWidget::sendAt(bool press, int button, int shift, float x, float y) {
  auto& handler = press ? canvas_.onMouseDown : canvas_.onMouseMove;
  if (handler) deliver_([&handler, button, shift, x, y] { handler(button, shift, x, y); });
}

void SurfaceWidget::sendClick() {
  if (canvas_.onClick) deliver_(canvas_.onClick);
  noteFigure(true);
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
  sendMouse(event, true);
}
void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
  sendMouse(event, false);
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (rect().contains(event->position().toPoint()))
    sendClick();
  else
    noteFigure(true);
}

void SurfaceWidget::keyPressEvent(QKeyEvent* event) {
  // Ctrl and Alt keys stay the window's (zoom, pictures).
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  const int code = plain ? pointerKeyCode(event->key()) : 0;
  const kit::KeyPointer::Outcome outcome =
      code ? keyPointer_.key(code, shiftCode(event->modifiers())) : kit::KeyPointer::Outcome{};
  if (!outcome.used) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  if (const auto& sent = outcome.event) {
    using Kind = kit::KeyPointer::Event::Kind;
    if (sent->kind == Kind::Click)
      sendClick();
    else
      sendAt(sent->kind == Kind::Down, sent->button, sent->shift, sent->x, sent->y);
  }
  update();
}

void SurfaceWidget::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void SurfaceWidget::focusOutEvent(QFocusEvent* event) {
  keyPointer_.leave();
  update();
  QWidget::focusOutEvent(event);
}

void SurfaceWidget::noteFigure(bool settled) {
  const std::vector<std::string> before = figure_.lines();
  if (figure_.note(canvas_.form(), settled)) figureChanged(before);
}

void SurfaceWidget::noteAnswer(const std::string& text) {
  const std::vector<std::string> before = figure_.lines();
  if (figure_.answered(canvas_.form(), text)) figureChanged(before);
}

void SurfaceWidget::figureChanged(const std::vector<std::string>& before) {
  if (auto* access = dynamic_cast<SurfaceAccessible*>(QAccessible::queryAccessibleInterface(this)))
    access->changed(before);
}

}  // namespace kitqt
