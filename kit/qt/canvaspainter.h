// Paints a drawing area: its retained drawing (kept in a cached pixmap until it changes), then
// its pictures, marks, lines and letters, all mapped from the area's units to pixels.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QPointF>
#include <QStaticText>

#include "kit/canvas.h"

class QPainter;

namespace kitqt {

class CanvasPainter {
 public:
  CanvasPainter(const kit::Canvas& canvas, double zoom) : canvas_(canvas), zoom_(zoom) {}

  // Paints the inner area with its top-left corner at the painter's origin.
  void paint(QPainter& painter);
  // Logical pixels per screen pixel of the design; caches made for another zoom are dropped.
  void setZoom(double zoom);
  double zoom() const { return zoom_; }
  // An opaque background painted first (kept in the drawing's cache, so that a repaint is one
  // plain copy); without one the area is painted over what lies below it.
  void setBackground(QColor background) { background_ = background; }
  // A cheap fingerprint of everything painted, to tell whether a repaint is needed at all.
  std::size_t fingerprint() const;
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
  class QtSurface;
  void paintDrawing(QPainter& painter);
  void drawOperations(QPainter& painter, QSizeF area);
  void paintObjects(QPainter& painter);
  // A picture at the size it is drawn, in device pixels: its PNG at its natural size, or
  // drawn afresh from its SVG source at any other size.
  const QPixmap& picture(const std::string& path, const std::string& vectorSource,
                         QSize devicePixels);
  const QFont& font(const kit::Font& font);
  // Draws a text with its top-left corner at a point, as letters and printed numbers stand.
  void drawText(QPainter& painter, QPointF topLeft, const std::string& text, const kit::Font& font);

  const kit::Canvas& canvas_;
  double zoom_;
  QSize visible_;
  QColor background_;
  QPixmap drawingCache_;
  unsigned cachedVersion_ = ~0u;
  QHash<QString, QPixmap> pictures_;
  QHash<QString, QFont> fonts_;
  QHash<QString, QStaticText> texts_;
};

}  // namespace kitqt
