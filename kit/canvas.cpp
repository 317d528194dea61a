// Units, retained drawing and the text position of a drawing area.
#include "canvas.h"

#include <cmath>
#include <numbers>

#include "controls.h"
#include "form.h"
#include "numtext.h"

namespace kit {

Canvas::Canvas(Form& form, std::string name, TwipRect outer, int borderPixels)
    : form_(&form),
      name_(std::move(name)),
      outer_(outer),
      border_(borderPixels),
      width_(innerWidthTwips()),
      height_(innerHeightTwips()) {
  form.adopt(this);
}

Canvas::~Canvas() {
  for (CanvasObject* object : objects_) object->leaveCanvas();
  if (form_) form_->forget(this);
}

void Canvas::forget(CanvasObject* object) {
  std::erase(objects_, object);
}

void Canvas::Scale(double x1, double y1, double x2, double y2) {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2) ||
      x1 == x2 || y1 == y2)
    return;  // units that cannot map a point are refused
  const double oldLeft = left_, oldTop = top_, oldWidth = width_, oldHeight = height_;
  left_ = x1, top_ = y1, width_ = x2 - x1, height_ = y2 - y1;
  const auto mapX = [&](double x) { return left_ + (x - oldLeft) / oldWidth * width_; };
  const auto mapY = [&](double y) { return top_ + (y - oldTop) / oldHeight * height_; };
  for (CanvasObject* object : objects_) object->rescale(mapX, mapY);
  // What is already drawn stays where it is on screen, re-expressed in the new units.
  for (DrawOp& op : drawing_) {
    op.x1 = mapX(op.x1), op.y1 = mapY(op.y1);
    if (op.kind == DrawOp::Kind::Line) op.x2 = mapX(op.x2), op.y2 = mapY(op.y2);
    op.radius = op.radius / oldWidth * width_;  // the same share of the width
  }
  if (!drawing_.empty()) ++version_;
  CurrentX = mapX(CurrentX);
  CurrentY = mapY(CurrentY);
}

void Canvas::resize(double widthTwips, double heightTwips) {
  const double border = 2 * border_ * kTwipsPerPixel;
  if (!std::isfinite(widthTwips) || !std::isfinite(heightTwips) || widthTwips <= border ||
      heightTwips <= border)
    return;  // an area with no inside could not map a point
  const double oldWidth = innerWidthTwips(), oldHeight = innerHeightTwips();
  outer_.width = widthTwips;
  outer_.height = heightTwips;
  width_ *= innerWidthTwips() / oldWidth;
  height_ *= innerHeightTwips() / oldHeight;
}

void Canvas::record(DrawOp op) {
  // A drawing call with a coordinate that is not a number draws nothing, as it could not be
  // placed on screen.
  for (double v : {op.x1, op.y1, op.x2, op.y2, op.radius, op.start, op.end})
    if (!std::isfinite(v)) return;
  drawing_.push_back(std::move(op));
  ++version_;
}

void Canvas::Cls() {
  drawing_.clear();
  ++version_;
  CurrentX = left_;
  CurrentY = top_;
}

void Canvas::PSet(double x, double y, std::optional<Color> color) {
  DrawOp op;
  op.kind = DrawOp::Kind::Point;
  op.x1 = x, op.y1 = y;
  op.color = color.value_or(ForeColor);
  op.width = DrawWidth;
  record(op);
  CurrentX = x, CurrentY = y;
}

void Canvas::Line(double x1, double y1, double x2, double y2, std::optional<Color> color) {
  DrawOp op;
  op.kind = DrawOp::Kind::Line;
  op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
  op.color = color.value_or(ForeColor);
  op.width = DrawWidth;
  record(op);
  CurrentX = x2, CurrentY = y2;
}

void Canvas::Circle(double x, double y, double radius, std::optional<Color> color,
                    std::optional<double> start, std::optional<double> end) {
  DrawOp op;
  op.kind = DrawOp::Kind::Arc;
  op.x1 = x, op.y1 = y, op.radius = radius;
  op.start = start.value_or(0.0);
  op.end = end.value_or(2 * std::numbers::pi);
  op.color = color.value_or(ForeColor);
  op.width = DrawWidth;
  record(op);
  CurrentX = x, CurrentY = y;
}

void Canvas::Print(const std::string& text) {
  DrawOp op;
  op.kind = DrawOp::Kind::Text;
  op.x1 = CurrentX, op.y1 = CurrentY;
  op.text = text;
  op.font = font;
  op.color = ForeColor;
  record(op);
  // The next line starts at the left edge, one text height further down.
  const double lineTwips =
      std::ceil(font.points * kTwipsPerPoint / kTwipsPerPixel) * kTwipsPerPixel;
  CurrentX = left_;
  CurrentY += lineTwips / innerHeightTwips() * height_;
}

void Canvas::Print(double number) {
  Print(printText(number));
}

}  // namespace kit
