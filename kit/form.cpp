// Registry, handler dispatch and message boxes of a form.
#include "form.h"

#include <algorithm>
#include <utility>

#include "controls.h"

namespace kit {

Form::Form(std::string caption, double widthTwips, double heightTwips)
    : Caption(std::move(caption)), Width(widthTwips), Height(heightTwips) {
  window_.emplace(*this, "Form", TwipRect{0, 0, widthTwips, heightTwips}, 0);
  window_->BackColor = BackColor;
}

Form::~Form() {
  window_.reset();
  for (Control* control : controls_) control->leaveForm();
  for (Canvas* canvas : canvases_) canvas->leaveForm();
}

void Form::forget(Control* control) {
  std::erase(controls_, control);
}

void Form::forget(Canvas* canvas) {
  std::erase(canvases_, canvas);
}

bool Form::dispatch(const std::function<void()>& handler) {
  if (!handler) return false;
  if (busy_) {
    ++nestedCalls_;
    return false;
  }
  busy_ = true;
  struct Release {
    bool& flag;
    ~Release() { flag = false; }
  } release{busy_};
  handler();
  // A handler may change the window's size; its own drawing area follows.
  const TwipRect& area = window_->outer();
  if (area.width != Width || area.height != Height) window_->resize(Width, Height);
  return true;
}

void Form::MsgBox(const std::string& text) {
  pendingBoxes_.push_back(text);
  messageLog_.push_back(text);
}

std::vector<std::string> Form::takePendingBoxes() {
  return std::exchange(pendingBoxes_, {});
}
std::vector<std::string> Form::takeMessageLog() {
  return std::exchange(messageLog_, {});
}

bool Form::renew() {
  if (!renewal_ || busy_) return false;
  renewal_(*this);
  return true;
}

Control* Form::find(const std::string& name) const {
  for (Control* control : controls_)
    if (control->name() == name) return control;
  return nullptr;
}

std::vector<Timer*> Form::timers() const {
  std::vector<Timer*> result;
  for (Control* control : controls_)
    if (control->kind() == Kind::Timer) result.push_back(static_cast<Timer*>(control));
  return result;
}

Canvas* Form::findCanvas(const std::string& name) const {
  for (Canvas* canvas : canvases_)
    if (canvas->name() == name) return canvas;
  return nullptr;
}

}  // namespace kit
