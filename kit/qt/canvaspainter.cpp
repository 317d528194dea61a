// Lines are crisp at 1x (no antialiasing) and clipped before stroking; text is antialiased.
#include "canvaspainter.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QStaticText>
#include <QtMath>
#include <functional>
#include <numbers>

#include "kit/clip.h"
#include "kit/controls.h"
#include "look.h"

namespace kitqt {
namespace {

// Strokes a segment given in pixels, cut to the visible area first.
void strokeClipped(QPainter& painter, QPointF from, QPointF to, QSizeF area) {
  kit::Segment segment{from.x(), from.y(), to.x(), to.y()};
  const double margin = 8;
  if (!kit::clipSegment(segment, -margin, -margin, area.width() + margin, area.height() + margin))
    return;
  painter.drawLine(QPointF(segment.x1, segment.y1), QPointF(segment.x2, segment.y2));
}

// Whether a text whose top-left corner is at `at` cannot reach into the area: texts run right
// and down from that corner, and none is wider or taller than this margin.
bool outOfSight(QPointF at, QSizeF area) {
  const double margin = 4000;
  return at.x() >= area.width() || at.y() >= area.height() || at.x() < -margin || at.y() < -margin;
}

// Pixel coordinates far outside the area are brought within reach of QPainter's integers.
QPointF bounded(QPointF p) {
  const double limit = 1e7;
  return QPointF(std::clamp(p.x(), -limit, limit), std::clamp(p.y(), -limit, limit));
}

}  // namespace

QSize CanvasPainter::innerSize() const {
  return QSize(qRound(pixels(canvas_.innerWidthTwips(), zoom_)),
               qRound(pixels(canvas_.innerHeightTwips(), zoom_)));
}

QSize CanvasPainter::visibleSize() const {
  return visible_.isValid() ? innerSize().boundedTo(visible_) : innerSize();
}

QPointF CanvasPainter::toPixels(double x, double y) const {
  return QPointF(pixels(canvas_.toTwipsX(x), zoom_), pixels(canvas_.toTwipsY(y), zoom_));
}

QPointF CanvasPainter::toUnits(QPointF pixel) const {
  const double tx = pixel.x() / zoom_ * kit::kTwipsPerPixel;
  const double ty = pixel.y() / zoom_ * kit::kTwipsPerPixel;
  return QPointF(canvas_.fromTwipsX(tx), canvas_.fromTwipsY(ty));
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
  std::size_t seed = canvas_.drawingVersion();
  const auto mix = [&seed](std::size_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
  };
  const auto mixCoord = [&mix](float value) { mix(std::hash<float>()(value)); };
  for (const kit::CanvasObject* object : canvas_.objects()) {
    switch (object->kind()) {
      case kit::Kind::Line: {
        const auto& line = static_cast<const kit::Line&>(*object);
        mix(line.Visible);
        if (!line.Visible) break;
        for (float value : {float(line.X1), float(line.Y1), float(line.X2), float(line.Y2)})
          mixCoord(value);
        break;
      }
      case kit::Kind::Label: {
        const auto& label = static_cast<const kit::Label&>(*object);
        mix(label.Visible);
        if (!label.Visible) break;
        mixCoord(label.Left);
        mixCoord(label.Top);
        mix(std::hash<std::string>()(label.Caption));
        break;
      }
      default: {
        const auto& box = static_cast<const kit::Box&>(*object);
        mix(box.Visible);
        if (!box.Visible) break;
        mixCoord(box.Left);
        mixCoord(box.Top);
        break;
      }
    }
  }
  return seed;
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

void CanvasPainter::drawOperations(QPainter& cache, QSizeF area) {
  cache.save();
  for (const kit::DrawOp& op : canvas_.drawing()) {
    const QColor color = qtColor(op.color);
    const double width = std::max(1.0, op.width * zoom_);
    switch (op.kind) {
      case kit::DrawOp::Kind::Point: {
        const QPointF centre = bounded(toPixels(op.x1, op.y1));
        cache.setPen(Qt::NoPen);
        cache.setBrush(color);
        if (width <= 1.0) {
          cache.fillRect(QRectF(std::floor(centre.x()), std::floor(centre.y()), 1, 1), color);
        } else {
          cache.setRenderHint(QPainter::Antialiasing, zoom_ > 1.0);
          cache.drawEllipse(centre, width / 2, width / 2);
        }
        break;
      }
      case kit::DrawOp::Kind::Line:
        cache.setRenderHint(QPainter::Antialiasing, zoom_ > 1.0);
        cache.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
        strokeClipped(cache, toPixels(op.x1, op.y1), toPixels(op.x2, op.y2), area);
        break;
      case kit::DrawOp::Kind::Arc: {
        const QPointF centre = bounded(toPixels(op.x1, op.y1));
        const double r = std::min(
            1e6, pixels(std::abs(canvas_.toTwipsX(op.radius) - canvas_.toTwipsX(0)), zoom_));
        cache.setRenderHint(QPainter::Antialiasing, true);
        cache.setPen(QPen(color, width));
        cache.setBrush(Qt::NoBrush);
        // Counter-clockwise on screen from start to end, across 0 when end is the smaller.
        double span = op.end - op.start;
        if (span < 0) span += 2 * std::numbers::pi * std::ceil(-span / (2 * std::numbers::pi));
        const double spanDegrees = qRadiansToDegrees(span);
        cache.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r),
                      qRound(qRadiansToDegrees(op.start) * 16), qRound(spanDegrees * 16));
        break;
      }
      case kit::DrawOp::Kind::Text: {
        const QPointF at = bounded(toPixels(op.x1, op.y1));
        if (outOfSight(at, area)) break;
        cache.setRenderHint(QPainter::TextAntialiasing, true);
        cache.setPen(color);
        drawText(cache, at, op.text, op.font);
        break;
      }
    }
  }
  cache.restore();
}

const QPixmap& CanvasPainter::picture(const std::string& path, QSize devicePixels) {
  const QString file = QString::fromStdString(path);
  const QString key =
      file + QString::number(devicePixels.width()) + "x" + QString::number(devicePixels.height());
  auto found = pictures_.find(key);
  if (found != pictures_.end()) return *found;
  QPixmap pixmap(file);
  QString source = file;
  source.replace(QLatin1String(".png"), QLatin1String(".svg"));
  if (pixmap.size() != devicePixels && source != file && QFile::exists(source)) {
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
  // Pictures and marks first, so that arrows and letters stay readable over them.
  for (const kit::CanvasObject* object : canvas_.objects()) {
    if (object->kind() == kit::Kind::Image) {
      const auto& image = static_cast<const kit::Image&>(*object);
      if (!image.Visible) continue;
      const QPointF at = bounded(toPixels(image.Left, image.Top));
      const QSizeF size(pixels(image.widthTwips, zoom_), pixels(image.heightTwips, zoom_));
      const qreal ratio = painter.device()->devicePixelRatioF();
      const QSize devicePixels = (size * ratio).toSize();
      QPixmap pixmap = picture(image.picture, devicePixels);
      if (pixmap.isNull()) continue;
      if (pixmap.size() == devicePixels) {
        // Drawn at its own size on whole device pixels: a plain copy, never resampled.
        pixmap.setDevicePixelRatio(ratio);
        painter.drawPixmap(QPointF(std::round(at.x() * ratio), std::round(at.y() * ratio)) / ratio,
                           pixmap);
      } else {
        painter.drawPixmap(QRectF(at, size), pixmap, pixmap.rect());
      }
    } else if (object->kind() == kit::Kind::Shape) {
      const auto& shape = static_cast<const kit::Shape&>(*object);
      if (!shape.Visible) continue;
      const QRectF box(bounded(toPixels(shape.Left, shape.Top)),
                       QSizeF(pixels(shape.widthTwips, zoom_), pixels(shape.heightTwips, zoom_)));
      painter.setRenderHint(QPainter::Antialiasing, true);
      painter.setPen(qtColor(shape.fillColor));
      painter.setBrush(qtColor(shape.fillColor));
      if (shape.circle) {
        painter.drawEllipse(box);
      } else {
        painter.drawRect(box);
      }
    }
  }
  painter.setBrush(Qt::NoBrush);
  for (const kit::CanvasObject* object : canvas_.objects()) {
    if (object->kind() != kit::Kind::Line) continue;
    const auto& line = static_cast<const kit::Line&>(*object);
    if (!line.Visible) continue;
    painter.setRenderHint(QPainter::Antialiasing, zoom_ > 1.0);
    QPen pen(qtColor(line.color), std::max(1.0, line.width * zoom_));
    if (line.dotted) {
      pen.setStyle(Qt::CustomDashLine);
      pen.setDashPattern({1.0, 1.0});
    }
    pen.setCapStyle(line.width > 1 ? Qt::RoundCap : Qt::FlatCap);
    painter.setPen(pen);
    strokeClipped(painter, toPixels(line.X1, line.Y1), toPixels(line.X2, line.Y2), area);
  }
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  for (const kit::CanvasObject* object : canvas_.objects()) {
    if (object->kind() != kit::Kind::Label) continue;
    const auto& label = static_cast<const kit::Label&>(*object);
    if (!label.Visible) continue;
    const QPointF at = bounded(toPixels(label.Left, label.Top));
    if (outOfSight(at, area)) continue;
    painter.setPen(qtColor(label.color));
    drawText(painter, at, label.Caption, label.font);
  }
}

}  // namespace kitqt
