// Paints a drawing area: its retained drawing (kept in a cached pixmap until it changes), then
// its pictures, marks, lines and letters, all mapped from the area's units to pixels.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QPointF>

#include "kit/canvas.h"

class QPainter;

namespace kitqt {

class CanvasPainter {
 public:
  CanvasPainter(const kit::Canvas& canvas, double zoom) : canvas_(canvas), zoom_(zoom) {}

  // Paints the inner area with its top-left corner at the painter's origin.
  void paint(QPainter& painter);
  QPointF toPixels(double x, double y) const;
  // Surface units of a pixel position inside the area.
  QPointF toUnits(QPointF pixel) const;
  QSize innerSize() const;
  // Only this much of the area, from its top-left corner, is shown: the drawing is cached and
  // painted within it (a window taller than its screen keeps a screen-sized cache).
  void limitTo(QSize visible) { visible_ = visible; }
  QSize visibleSize() const;
  QSize cachedSize() const { return drawingCache_.deviceIndependentSize().toSize(); }

 private:
  void paintDrawing(QPainter& painter);
  void paintObjects(QPainter& painter);
  const QPixmap& picture(const std::string& path);

  const kit::Canvas& canvas_;
  double zoom_;
  QSize visible_;
  QPixmap drawingCache_;
  unsigned cachedVersion_ = ~0u;
  QHash<QString, QPixmap> pictures_;
};

}  // namespace kitqt
