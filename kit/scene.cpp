// The drawing rules of every front end.
#include "scene.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numbers>

#include "clip.h"
#include "controls.h"

namespace kit {
namespace {

// Pixel coordinates far outside the area are brought within reach of a painter's integers.
PixelPoint bounded(PixelPoint p) {
  const double limit = 1e7;
  return {std::clamp(p.x, -limit, limit), std::clamp(p.y, -limit, limit)};
}

// Whether a text whose top-left corner is at `at` cannot reach into the area: texts run right
// and down from that corner, and none is wider or taller than this margin.
bool outOfSight(PixelPoint at, double width, double height) {
  const double margin = 4000;
  return at.x >= width || at.y >= height || at.x < -margin || at.y < -margin;
}

// Strokes a segment cut to the visible area first, so a line whose ends lie far away costs no
// more than a short one.
void strokeClipped(Surface& surface, PixelPoint from, PixelPoint to, const Stroke& stroke,
                   double width, double height) {
  Segment segment{from.x, from.y, to.x, to.y};
  const double margin = 8;
  if (!clipSegment(segment, -margin, -margin, width + margin, height + margin)) return;
  surface.line({segment.x1, segment.y1}, {segment.x2, segment.y2}, stroke);
}

// Lines are crisp at the designed size (no antialiasing), smooth when zoomed.
bool smoothAt(double zoom) {
  return zoom > 1.0;
}

std::string vectorSourceOf(const std::string& file) {
  const std::string png = ".png";
  if (file.size() < png.size() || file.compare(file.size() - png.size(), png.size(), png) != 0)
    return {};
  return file.substr(0, file.size() - png.size()) + ".svg";
}

void paintPoint(const View& view, const DrawOp& op, Surface& surface) {
  const PixelPoint centre = bounded(view.toPixels(op.x1, op.y1));
  const double width = std::max(1.0, op.width * view.zoom());
  const Rgb colour = rgbOf(op.color);
  if (width <= 1.0) {
    surface.fillRect(std::floor(centre.x), std::floor(centre.y), 1, 1, colour);
  } else if (view.zoom() <= 1.0) {
    // A whole square of pixels, placed as a pen of that width covers them: a 3-pixel dot on a
    // 2-pixel line then stands out of it (a small unsmoothed circle would not).
    const double side = std::round(width);
    surface.fillRect(std::floor(centre.x - side / 2 + 0.5), std::floor(centre.y - side / 2 + 0.5),
                     side, side, colour);
  } else {
    surface.disc(centre, width / 2, colour, smoothAt(view.zoom()));
  }
}

void paintArc(const View& view, const DrawOp& op, Surface& surface) {
  const Canvas& canvas = view.canvas();
  const PixelPoint centre = bounded(view.toPixels(op.x1, op.y1));
  const double radius =
      std::min(1e6, pixels(std::abs(canvas.toTwipsX(op.radius) - canvas.toTwipsX(0)), view.zoom()));
  Stroke stroke;
  stroke.colour = rgbOf(op.color);
  stroke.width = std::max(1.0, op.width * view.zoom());
  stroke.smooth = true;
  const Sweep sweep = arcSweep(op.start, op.end);
  surface.arc(centre, radius, sweep.startDegrees, sweep.spanDegrees, stroke);
}

}  // namespace

PixelPoint View::toPixels(double x, double y) const {
  return {pixels(canvas_.toTwipsX(x), zoom_), pixels(canvas_.toTwipsY(y), zoom_)};
}

PixelPoint View::toUnits(PixelPoint pixel) const {
  const double tx = pixel.x / zoom_ * kTwipsPerPixel;
  const double ty = pixel.y / zoom_ * kTwipsPerPixel;
  return {canvas_.fromTwipsX(tx), canvas_.fromTwipsY(ty)};
}

Sweep arcSweep(double start, double end) {
  constexpr double turn = 2 * std::numbers::pi;
  constexpr double degrees = 180 / std::numbers::pi;
  double span = end - start;
  if (span < 0) {
    span = std::fmod(span, turn);
    if (span < 0) span += turn;
  }
  if (!(span <= turn)) span = turn;  // more than a turn (or beyond counting): the whole circle
  return {std::fmod(start, turn) * degrees, span * degrees};
}

void paintDrawing(const View& view, double width, double height, Surface& surface) {
  for (const DrawOp& op : view.canvas().drawing()) {
    switch (op.kind) {
      case DrawOp::Kind::Point:
        paintPoint(view, op, surface);
        break;
      case DrawOp::Kind::Line: {
        Stroke stroke;
        stroke.colour = rgbOf(op.color);
        stroke.width = std::max(1.0, op.width * view.zoom());
        stroke.roundCap = true;
        stroke.smooth = smoothAt(view.zoom());
        strokeClipped(surface, view.toPixels(op.x1, op.y1), view.toPixels(op.x2, op.y2), stroke,
                      width, height);
        break;
      }
      case DrawOp::Kind::Arc:
        paintArc(view, op, surface);
        break;
      case DrawOp::Kind::Text: {
        const PixelPoint at = bounded(view.toPixels(op.x1, op.y1));
        if (!outOfSight(at, width, height)) surface.text(at, op.text, op.font, rgbOf(op.color));
        break;
      }
    }
  }
}

void paintObjects(const View& view, double width, double height, Surface& surface) {
  const double zoom = view.zoom();
  const auto& objects = view.canvas().objects();
  for (const CanvasObject* object : objects) {
    if (object->kind() == Kind::Image) {
      const auto& image = static_cast<const Image&>(*object);
      if (!image.Visible) continue;
      surface.picture(image.picture, vectorSourceOf(image.picture),
                      bounded(view.toPixels(image.Left, image.Top)), pixels(image.widthTwips, zoom),
                      pixels(image.heightTwips, zoom));
    } else if (object->kind() == Kind::Shape) {
      const auto& shape = static_cast<const Shape&>(*object);
      if (!shape.Visible) continue;
      surface.mark(bounded(view.toPixels(shape.Left, shape.Top)), pixels(shape.widthTwips, zoom),
                   pixels(shape.heightTwips, zoom), rgbOf(shape.fillColor), shape.circle);
    }
  }
  for (const CanvasObject* object : objects) {
    if (object->kind() != Kind::Line) continue;
    const auto& line = static_cast<const Line&>(*object);
    if (!line.Visible) continue;
    Stroke stroke;
    stroke.colour = rgbOf(line.color);
    stroke.width = std::max(1.0, line.width * zoom);
    stroke.dotted = line.dotted;
    stroke.roundCap = line.width > 1;
    stroke.smooth = smoothAt(zoom);
    strokeClipped(surface, view.toPixels(line.X1, line.Y1), view.toPixels(line.X2, line.Y2), stroke,
                  width, height);
  }
  for (const CanvasObject* object : objects) {
    if (object->kind() != Kind::Label) continue;
    const auto& label = static_cast<const Label&>(*object);
    if (!label.Visible) continue;
    const PixelPoint at = bounded(view.toPixels(label.Left, label.Top));
    if (!outOfSight(at, width, height))
      surface.text(at, label.Caption, label.font, rgbOf(label.color));
  }
}

std::size_t fingerprint(const Canvas& canvas) {
  std::size_t seed = canvas.drawingVersion();
  const auto mix = [&seed](std::size_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
  };
  const auto mixNumber = [&mix](double value) { mix(std::hash<double>()(value)); };
  const auto mixText = [&mix](const std::string& text) { mix(std::hash<std::string>()(text)); };
  const auto mixFont = [&](const Font& font) {
    mixText(font.face);
    mixNumber(font.points);
    mix(font.bold);
  };
  mix(canvas.BackColor);
  for (const CanvasObject* object : canvas.objects()) {
    mix(static_cast<std::size_t>(object->kind()));
    switch (object->kind()) {
      case Kind::Line: {
        const auto& line = static_cast<const Line&>(*object);
        mix(line.Visible);
        if (!line.Visible) break;
        for (float value : {float(line.X1), float(line.Y1), float(line.X2), float(line.Y2)})
          mixNumber(value);
        mix(line.color);
        mix(static_cast<std::size_t>(line.width));
        mix(line.dotted);
        break;
      }
      case Kind::Label: {
        const auto& label = static_cast<const Label&>(*object);
        mix(label.Visible);
        if (!label.Visible) break;
        mixNumber(float(label.Left));
        mixNumber(float(label.Top));
        mixText(label.Caption);
        mixFont(label.font);
        mix(label.color);
        break;
      }
      case Kind::Image:
      case Kind::Shape: {
        const auto& box = static_cast<const Box&>(*object);
        mix(box.Visible);
        if (!box.Visible) break;
        mixNumber(float(box.Left));
        mixNumber(float(box.Top));
        mixNumber(box.widthTwips);
        mixNumber(box.heightTwips);
        if (object->kind() == Kind::Image) {
          mixText(static_cast<const Image&>(*object).picture);
        } else {
          const auto& shape = static_cast<const Shape&>(*object);
          mix(shape.fillColor);
          mix(shape.circle);
        }
        break;
      }
      case Kind::Timer:
      case Kind::Button:
      case Kind::TextBox:
      case Kind::Frame:
        // Only what lies on a canvas can be registered with one: a fault in the kit, which
        // stops here (the page's module has no exceptions to throw).
        std::fprintf(stderr, "not a canvas object: %s\n", object->name().c_str());
        std::abort();
    }
  }
  return seed;
}

}  // namespace kit
