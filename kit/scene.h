// What a drawing area shows and how, decided once for every front end: the paint order, where
// each thing lands in pixels at a zoom, one-pixel points and thick dots, arcs, lines clipped
// near the visible area, texts out of sight skipped, and which artwork a picture is drawn from.
// A front end only knows how to draw these primitives on its own surface.
#pragma once

#include <cstddef>
#include <string>

#include "canvas.h"
#include "look.h"

namespace kit {

struct PixelPoint {
  double x = 0, y = 0;
};

struct Stroke {
  Rgb colour;
  double width = 1;  // pixels
  bool dotted = false;
  bool roundCap = false;
  bool smooth = false;  // antialiased
};

// A front end's drawing surface, in pixels from the area's inner top-left corner.
class Surface {
 public:
  virtual ~Surface() = default;
  virtual void fillRect(double x, double y, double width, double height, Rgb colour) = 0;
  // A filled disc with no outline.
  virtual void disc(PixelPoint centre, double radius, Rgb colour, bool smooth) = 0;
  virtual void line(PixelPoint from, PixelPoint to, const Stroke& stroke) = 0;
  // Counter-clockwise on screen from `startDegrees` through `spanDegrees` (0 to 360).
  virtual void arc(PixelPoint centre, double radius, double startDegrees, double spanDegrees,
                   const Stroke& stroke) = 0;
  // A text whose top-left corner is at `topLeft`.
  virtual void text(PixelPoint topLeft, const std::string& text, const Font& font, Rgb colour) = 0;
  // A picture from its artwork file, drawn into the box; `vectorSource` is the same artwork
  // drawn afresh at any size (empty when it has none), for when the box is not its own size.
  virtual void picture(const std::string& file, const std::string& vectorSource, PixelPoint at,
                       double width, double height) = 0;
  // A filled mark (a round or square shape), outlined in its own colour.
  virtual void mark(PixelPoint at, double width, double height, Rgb colour, bool circle) = 0;
};

// A drawing area mapped to pixels at a zoom.
class View {
 public:
  View(const Canvas& canvas, double zoom) : canvas_(canvas), zoom_(zoom) {}
  const Canvas& canvas() const { return canvas_; }
  double zoom() const { return zoom_; }
  PixelPoint toPixels(double x, double y) const;
  // Surface units of a pixel position inside the area.
  PixelPoint toUnits(PixelPoint pixel) const;
  double innerWidth() const { return pixels(canvas_.innerWidthTwips(), zoom_); }
  double innerHeight() const { return pixels(canvas_.innerHeightTwips(), zoom_); }

 private:
  const Canvas& canvas_;
  double zoom_;
};

// The retained drawing (points, lines, arcs and printed text), in the order it was made.
// `width` and `height` are the pixels of the area that are shown.
void paintDrawing(const View& view, double width, double height, Surface& surface);
// The objects over it: pictures and marks first, so that arrows and letters stay readable
// over them, then the lines, then the letters.
void paintObjects(const View& view, double width, double height, Surface& surface);

// The start and sweep of an arc from its angles in radians, counter-clockwise on screen from
// start to end (across 0 when end is the smaller), any finite angles brought within a turn.
struct Sweep {
  double startDegrees, spanDegrees;
};
Sweep arcSweep(double start, double end);

// Changes whenever anything the area shows changes, so a front end can skip a repaint.
std::size_t fingerprint(const Canvas& canvas);

}  // namespace kit
