// Registration, unit changes and dump properties of the controls.
#include "controls.h"

#include "canvas.h"
#include "form.h"
#include "json.h"

namespace kit {

Control::Control(Form& form, std::string name, Kind kind) : name_(std::move(name)), kind_(kind) {
  form.adopt(this);
}

CanvasObject::CanvasObject(Canvas& canvas, std::string name, Kind kind)
    : Control(canvas.form(), std::move(name), kind), canvas_(&canvas) {
  canvas.adopt(this);
}

void Line::rescale(const std::function<double(double)>& x, const std::function<double(double)>& y) {
  place(x(X1), y(Y1), x(X2), y(Y2));
}

void Line::writeProperties(JsonObject& out) const {
  out.add("X1", float(X1)).add("Y1", float(Y1)).add("X2", float(X2)).add("Y2", float(Y2));
  out.add("Visible", Visible);
}

void Label::rescale(const std::function<double(double)>& x,
                    const std::function<double(double)>& y) {
  Left = x(Left), Top = y(Top);
}

void Label::writeProperties(JsonObject& out) const {
  out.add("Caption", Caption).add("Left", float(Left)).add("Top", float(Top));
  out.add("Visible", Visible);
}

void Box::rescale(const std::function<double(double)>& x, const std::function<double(double)>& y) {
  Left = x(Left), Top = y(Top);
}

void Box::writeProperties(JsonObject& out) const {
  out.add("Left", float(Left)).add("Top", float(Top)).add("Visible", Visible);
}

Timer::Timer(Form& form, std::string name, int intervalMs, bool enabled)
    : Control(form, std::move(name), Kind::Timer), interval_(intervalMs), enabled_(enabled) {
  if (enabled) starts_ = 1;
}

void Timer::setEnabled(bool on) {
  if (on && !enabled_) ++starts_;
  enabled_ = on;
}

void Timer::writeProperties(JsonObject& out) const {
  out.add("Enabled", enabled_).add("Interval", interval_);
}

void Button::writeProperties(JsonObject& out) const {
  out.add("Caption", Caption).add("Visible", Visible);
}

void TextBox::setText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  if (onChange) onChange();
}

void TextBox::type(const std::string& text) {
  text_ = text;
  if (onChange) onChange();
}

void TextBox::writeProperties(JsonObject& out) const {
  out.add("Text", text_).add("Visible", Visible);
}

void Frame::writeProperties(JsonObject& out) const {
  out.add("Caption", Caption).add("Visible", Visible);
}

}  // namespace kit
