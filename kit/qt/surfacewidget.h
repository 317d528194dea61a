// The drawing surface on screen: a sunken 2-pixel border around the painted canvas; mouse
// presses and moves go to the form's handlers in the surface's units.
#pragma once

#include <QWidget>
#include <functional>

#include "canvaspainter.h"

namespace kitqt {

class SurfaceWidget : public QWidget {
 public:
  using Deliver = std::function<void(std::function<void()>)>;
  SurfaceWidget(kit::Canvas& canvas, double zoom, Deliver deliver, QWidget* parent);
  // Places the surface for a zoom, with the design's origin at `origin` in its parent.
  void place(double zoom, QPoint origin);
  // Repaints only when something it shows has changed since the last repaint.
  void refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void sendMouse(QMouseEvent* event, bool press);
  int border() const;

  kit::Canvas& canvas_;
  double zoom_;
  CanvasPainter painter_;
  Deliver deliver_;
  std::size_t shown_ = 0;  // fingerprint of what the last repaint showed
};

// The design's button and shift codes for a Qt mouse event: left 1, right 2, middle 4;
// shift 1, control 2, alt 4.
int buttonCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);

}  // namespace kitqt
