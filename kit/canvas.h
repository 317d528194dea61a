// A drawing area: the surface Picture1, or the window itself. It owns its user units (Scale),
// the retained objects that lie on it, and the retained drawing made by PSet, Line, Circle and
// Print, kept as a list of operations that the front end paints and the driver dumps.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "style.h"

namespace kit {

class Form;
class CanvasObject;

struct DrawOp {
  enum class Kind { Point, Line, Arc, Text };
  Kind kind = Kind::Point;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // point at x1,y1; line ends; arc centre at x1,y1
  double radius = 0, start = 0, end = 0;  // arc radius in x units, angles in radians
  Color color = colors::kBlack;
  int width = 1;  // pixels
  std::string text;
  Font font;
};

class Canvas {
 public:
  // outer: the canvas's place on the window; border: pixels taken on each side.
  Canvas(Form& form, std::string name, TwipRect outer, int borderPixels);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  // Leaves its form's registry and lets the objects on it know it is gone.
  ~Canvas();

  Form& form() const { return *form_; }
  // Called by a form that goes before its canvases.
  void leaveForm() { form_ = nullptr; }
  const std::string& name() const { return name_; }
  const TwipRect& outer() const { return outer_; }
  int borderPixels() const { return border_; }
  double innerWidthTwips() const { return outer_.width - 2 * border_ * kTwipsPerPixel; }
  double innerHeightTwips() const { return outer_.height - 2 * border_ * kTwipsPerPixel; }

  // (x1, y1) becomes the inner top-left corner and (x2, y2) the bottom-right; objects on the
  // canvas keep their place on screen, their coordinates are re-expressed in the new units.
  void Scale(double x1, double y1, double x2, double y2);
  double ScaleLeft() const { return left_; }
  double ScaleTop() const { return top_; }
  double ScaleWidth() const { return width_; }
  double ScaleHeight() const { return height_; }
  // A new outer size in twips; the units keep their size, so the top-left part stays in place
  // and the area gains or loses room at its right and bottom edges.
  void resize(double widthTwips, double heightTwips);

  double toTwipsX(double x) const { return (x - left_) / width_ * innerWidthTwips(); }
  double toTwipsY(double y) const { return (y - top_) / height_ * innerHeightTwips(); }
  double fromTwipsX(double t) const { return left_ + t / innerWidthTwips() * width_; }
  double fromTwipsY(double t) const { return top_ + t / innerHeightTwips() * height_; }

  Color BackColor = colors::kTitleBarText;
  Font font;
  Color ForeColor = colors::kBlack;
  bool AutoRedraw = false;
  int DrawWidth = 1;
  double CurrentX = 0, CurrentY = 0;
  void setFontSize(double points) { font.points = points; }

  void Cls();
  void PSet(double x, double y, std::optional<Color> color = std::nullopt);
  void Line(double x1, double y1, double x2, double y2, std::optional<Color> color = std::nullopt);
  // A circle, or the arc from start to end (radians, counter-clockwise from the x direction).
  void Circle(double x, double y, double radius, std::optional<Color> color = std::nullopt,
              std::optional<double> start = std::nullopt, std::optional<double> end = std::nullopt);
  // Writes at the text position, then moves it to the start of the next line.
  void Print(const std::string& text);
  void Print(double number);

  const std::vector<DrawOp>& drawing() const { return drawing_; }
  // Grows with every change of the drawing, so a painter can keep a cached copy.
  unsigned drawingVersion() const { return version_; }

  const std::vector<CanvasObject*>& objects() const { return objects_; }
  void adopt(CanvasObject* object) { objects_.push_back(object); }
  void forget(CanvasObject* object);

  std::function<void(int button, int shift, float x, float y)> onMouseDown, onMouseMove;
  std::function<void()> onClick;

 private:
  void record(DrawOp op);

  Form* form_;
  std::string name_;
  TwipRect outer_;
  int border_;
  double left_ = 0, top_ = 0, width_, height_;
  std::vector<DrawOp> drawing_;
  unsigned version_ = 0;
  std::vector<CanvasObject*> objects_;
};

}  // namespace kit
