// The drawing surface on screen: a sunken 2-pixel border around the painted canvas; mouse
// presses and moves go to the form's handlers in the surface's units, and so do the keyboard
// pointer's (a Tab stop after the window's controls, its crosshair drawn over the figure).
#pragma once

#include <QWidget>
#include <functional>

#include "canvaspainter.h"
#include "kit/describe.h"
#include "kit/keypointer.h"

namespace kitqt {

class SurfaceWidget : public QWidget {
 public:
  using Deliver = std::function<void(std::function<void()>)>;
  SurfaceWidget(kit::Canvas& canvas, double zoom, Deliver deliver, QWidget* parent);
  // Places the surface for a zoom, with the design's origin at `origin` in its parent.
  void place(double zoom, QPoint origin);
  // Repaints only when something it shows has changed since the last repaint.
  void refresh();

  // The figure in words (kit/describe.h), brought up to date after an event or tick; `settled`
  // when a press was let go or a box answered. Screen readers hear of the change.
  void noteFigure(bool settled);
  void noteAnswer(const std::string& text);
  const kit::FigureWatch& figure() const { return figure_; }
  const kit::KeyPointer& keyPointer() const { return keyPointer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void sendMouse(QMouseEvent* event, bool press);
  // A press or move at a point in units, as the mouse and the keyboard pointer send them.
  void sendAt(bool press, int button, int shift, float x, float y);
  void sendClick();
  void paintCrosshair(QPainter& painter);
  void figureChanged(const std::vector<std::string>& before);
  int border() const;

  kit::Canvas& canvas_;
  double zoom_;
  CanvasPainter painter_;
  Deliver deliver_;
  std::size_t shown_ = 0;  // fingerprint of what the last repaint showed
  kit::KeyPointer keyPointer_;
  kit::FigureWatch figure_;
};

// The design's button and shift codes for a Qt mouse event: left 1, right 2, middle 4;
// shift 1, control 2, alt 4.
int buttonCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);
// The design's code of a key the keyboard pointer reads (arrows, Space, Enter, Esc, letters).
int pointerKeyCode(int qtKey);

}  // namespace kitqt
