// Painting and mouse input of the drawing surface.
#include "surfacewidget.h"

#include <QMouseEvent>
#include <QPainter>

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

SurfaceWidget::SurfaceWidget(kit::Canvas& canvas, double zoom, Deliver deliver, QWidget* parent)
    : QWidget(parent),
      canvas_(canvas),
      zoom_(zoom),
      painter_(canvas, zoom),
      deliver_(std::move(deliver)) {
  setObjectName(QString::fromStdString(canvas.name()));
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
}

void SurfaceWidget::sendMouse(QMouseEvent* event, bool press) {
  const QPointF units = painter_.toUnits(event->position() - QPointF(border(), border()));
  const int button = buttonCode(press ? event->button() : event->buttons());
  const int shift = shiftCode(event->modifiers());
  const float x = static_cast<float>(units.x()), y = static_cast<float>(units.y());
  auto& handler = press ? canvas_.onMouseDown : canvas_.onMouseMove;
  if (handler) deliver_([&handler, button, shift, x, y] { handler(button, shift, x, y); });
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
  sendMouse(event, true);
}
void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
  sendMouse(event, false);
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (rect().contains(event->position().toPoint()) && canvas_.onClick) deliver_(canvas_.onClick);
}

}  // namespace kitqt
