// Registration and unit changes of the controls.
#include "controls.h"

#include "canvas.h"
#include "form.h"

namespace kit {

Control::Control(Form& form, std::string name, Kind kind)
    : form_(&form), name_(std::move(name)), kind_(kind) {
  form.adopt(this);
}

Control::~Control() {
  if (form_) form_->forget(this);
}

CanvasObject::CanvasObject(Canvas& canvas, std::string name, Kind kind)
    : Control(canvas.form(), std::move(name), kind), canvas_(&canvas) {
  canvas.adopt(this);
}

CanvasObject::~CanvasObject() {
  if (canvas_) canvas_->forget(this);
}

void Line::rescale(const std::function<double(double)>& x, const std::function<double(double)>& y) {
  place(x(X1), y(Y1), x(X2), y(Y2));
}

void Label::rescale(const std::function<double(double)>& x,
                    const std::function<double(double)>& y) {
  Left = x(Left), Top = y(Top);
}

void Box::rescale(const std::function<double(double)>& x, const std::function<double(double)>& y) {
  Left = x(Left), Top = y(Top);
}

Timer::Timer(Form& form, std::string name, int intervalMs, bool enabled)
    : Control(form, std::move(name), Kind::Timer), interval_(intervalMs), enabled_(enabled) {
  if (enabled) starts_ = 1;
}

void Timer::setEnabled(bool on) {
  if (on && !enabled_) ++starts_;
  enabled_ = on;
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

}  // namespace kit
