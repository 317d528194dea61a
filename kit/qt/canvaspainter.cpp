// Draws what the kit's drawing rules lay out with a QPainter: lines, dots, arcs, texts (laid
// out once and kept), pictures from their PNG or SVG artwork, and marks.
#include "canvaspainter.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QStaticText>
#include <cmath>

#include "kit/scene.h"
#include "qtlook.h"

namespace kitqt {
namespace {

QColor qtRgb(kit::Rgb rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QPointF qtPoint(kit::PixelPoint point) {
  return QPointF(point.x, point.y);
}

}  // namespace

// The kit's primitives on a QPainter.
class CanvasPainter::QtSurface : public kit::Surface {
 public:
  QtSurface(CanvasPainter& owner, QPainter& painter) : owner_(owner), painter_(painter) {}

  void fillRect(double x, double y, double width, double height, kit::Rgb colour) override {
    painter_.fillRect(QRectF(x, y, width, height), qtRgb(colour));
  }

  void disc(kit::PixelPoint centre, double radius, kit::Rgb colour, bool smooth) override {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(qtRgb(colour));
    painter_.setRenderHint(QPainter::Antialiasing, smooth);
    painter_.drawEllipse(qtPoint(centre), radius, radius);
  }

  void line(kit::PixelPoint from, kit::PixelPoint to, const kit::Stroke& stroke) override {
    painter_.setRenderHint(QPainter::Antialiasing, stroke.smooth);
    QPen pen(qtRgb(stroke.colour), stroke.width, Qt::SolidLine,
             stroke.roundCap ? Qt::RoundCap : Qt::FlatCap);
    if (stroke.dotted) {
      pen.setStyle(Qt::CustomDashLine);
      pen.setDashPattern({1.0, 1.0});
    }
    painter_.setPen(pen);
    painter_.drawLine(qtPoint(from), qtPoint(to));
  }

  void arc(kit::PixelPoint centre, double radius, double startDegrees, double spanDegrees,
           const kit::Stroke& stroke) override {
    painter_.setRenderHint(QPainter::Antialiasing, stroke.smooth);
    painter_.setPen(QPen(qtRgb(stroke.colour), stroke.width));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawArc(QRectF(centre.x - radius, centre.y - radius, 2 * radius, 2 * radius),
                     qRound(startDegrees * 16), qRound(spanDegrees * 16));
  }

  void text(kit::PixelPoint topLeft, const std::string& text, const kit::Font& font,
            kit::Rgb colour) override {
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setPen(qtRgb(colour));
    owner_.drawText(painter_, qtPoint(topLeft), text, font);
  }

  void picture(const std::string& file, const std::string& vectorSource, kit::PixelPoint at,
               double width, double height) override {
    const QSizeF size(width, height);
    const qreal ratio = painter_.device()->devicePixelRatioF();
    const QSize devicePixels = (size * ratio).toSize();
    QPixmap pixmap = owner_.picture(file, vectorSource, devicePixels);
    if (pixmap.isNull()) return;
    if (pixmap.size() == devicePixels) {
      // Drawn at its own size on whole device pixels: a plain copy, never resampled.
      pixmap.setDevicePixelRatio(ratio);
      painter_.drawPixmap(QPointF(std::round(at.x * ratio), std::round(at.y * ratio)) / ratio,
                          pixmap);
    } else {
      painter_.drawPixmap(QRectF(qtPoint(at), size), pixmap, pixmap.rect());
    }
  }

  void mark(kit::PixelPoint at, double width, double height, kit::Rgb colour,
            bool circle) override {
    const QRectF box(qtPoint(at), QSizeF(width, height));
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setPen(qtRgb(colour));
    painter_.setBrush(qtRgb(colour));
    if (circle) {
      painter_.drawEllipse(box);
    } else {
      painter_.drawRect(box);
    }
  }

 private:
  CanvasPainter& owner_;
  QPainter& painter_;
};

QSize CanvasPainter::innerSize() const {
  return QSize(qRound(pixels(canvas_.innerWidthTwips(), zoom_)),
               qRound(pixels(canvas_.innerHeightTwips(), zoom_)));
}

QSize CanvasPainter::visibleSize() const {
  return visible_.isValid() ? innerSize().boundedTo(visible_) : innerSize();
}

QPointF CanvasPainter::toPixels(double x, double y) const {
  return qtPoint(kit::View(canvas_, zoom_).toPixels(x, y));
}

QPointF CanvasPainter::toUnits(QPointF pixel) const {
  return qtPoint(kit::View(canvas_, zoom_).toUnits({pixel.x(), pixel.y()}));
}

void CanvasPainter::paint(QPainter& painter) {
  paintDrawing(painter);
  paintObjects(painter);
}

void CanvasPainter::setZoom(double zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  cachedVersion_ = ~0u;
  pictures_.clear();
  fonts_.clear();
  texts_.clear();
}

std::size_t CanvasPainter::fingerprint() const {
  return kit::fingerprint(canvas_);
}

void CanvasPainter::drawText(QPainter& painter, QPointF topLeft, const std::string& text,
                             const kit::Font& design) {
  // Laid out once and kept: the numbers and letters are drawn again at every frame.
  const QFont& shown = font(design);
  const QString key = shown.key() + '\n' + QString::fromStdString(text);
  auto found = texts_.find(key);
  if (found == texts_.end()) {
    if (texts_.size() > 512) texts_.clear();  // captions that follow a drag come and go
    QStaticText laidOut(QString::fromStdString(text));
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.prepare(QTransform(), shown);
    found = texts_.insert(key, laidOut);
  }
  painter.setFont(shown);
  painter.drawStaticText(topLeft, *found);
}

const QFont& CanvasPainter::font(const kit::Font& design) {
  const QString key = QString::fromStdString(design.face) + QString::number(design.points) +
                      (design.bold ? "b" : "");
  auto found = fonts_.find(key);
  if (found == fonts_.end()) found = fonts_.insert(key, qtFont(design, zoom_));
  return *found;
}

void CanvasPainter::paintDrawing(QPainter& painter) {
  const QSize size = visibleSize();
  // A short drawing (axes and numbers) is drawn afresh: cheaper than copying a whole cached
  // picture of it on a large screen. A long one (many result lines) is drawn once into a cache.
  constexpr std::size_t kDrawnAfresh = 400;
  if (canvas_.drawing().size() <= kDrawnAfresh) {
    if (background_.isValid()) painter.fillRect(QRect(QPoint(), size), background_);
    drawOperations(painter, size);
    return;
  }
  const qreal ratio = painter.device()->devicePixelRatioF();
  if (cachedVersion_ != canvas_.drawingVersion() || drawingCache_.devicePixelRatioF() != ratio ||
      cachedSize() != size) {
    drawingCache_ = QPixmap(size * ratio);
    drawingCache_.setDevicePixelRatio(ratio);
    drawingCache_.fill(background_.isValid() ? background_ : QColor(Qt::transparent));
    QPainter cache(&drawingCache_);
    drawOperations(cache, size);
    cachedVersion_ = canvas_.drawingVersion();
  }
  painter.drawPixmap(0, 0, drawingCache_);
}

void CanvasPainter::drawOperations(QPainter& painter, QSizeF area) {
  painter.save();
  QtSurface surface(*this, painter);
  kit::paintDrawing(kit::View(canvas_, zoom_), area.width(), area.height(), surface);
  painter.restore();
}

const QPixmap& CanvasPainter::picture(const std::string& path, const std::string& vectorSource,
                                      QSize devicePixels) {
  const QString file = QString::fromStdString(path);
  const QString key =
      file + QString::number(devicePixels.width()) + "x" + QString::number(devicePixels.height());
  auto found = pictures_.find(key);
  if (found != pictures_.end()) return *found;
  QPixmap pixmap(file);
  const QString source = QString::fromStdString(vectorSource);
  if (pixmap.size() != devicePixels && !source.isEmpty() && QFile::exists(source)) {
    // Larger or smaller than drawn: the artwork is drawn anew at that size, never blown up.
    QImageReader reader(source);
    reader.setScaledSize(devicePixels);
    const QImage drawn = reader.read();
    if (!drawn.isNull()) pixmap = QPixmap::fromImage(drawn);
  }
  return *pictures_.insert(key, pixmap);
}

void CanvasPainter::paintObjects(QPainter& painter) {
  const QSizeF area = visibleSize();
  QtSurface surface(*this, painter);
  kit::paintObjects(kit::View(canvas_, zoom_), area.width(), area.height(), surface);
}

}  // namespace kitqt
