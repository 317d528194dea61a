// The retained controls of a form, as plain property holders. Handlers read and write these
// properties directly; the front end only shows them.
#pragma once

#include <functional>
#include <string>

#include "coord.h"
#include "style.h"

namespace kit {

class Form;
class Canvas;

enum class Kind { Line, Label, Image, Shape, Timer, Button, TextBox, Frame };

class Control {
 public:
  Control(Form& form, std::string name, Kind kind);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  // Leaves its form's registry, so that a control gone first leaves nothing dangling.
  virtual ~Control();

  const std::string& name() const { return name_; }
  Kind kind() const { return kind_; }
  // Called by a form that goes before its controls.
  void leaveForm() { form_ = nullptr; }

 private:
  Form* form_;
  std::string name_;
  Kind kind_;
};

// An object that lies on a canvas (the drawing surface or the window) in its units.
class CanvasObject : public Control {
 public:
  CanvasObject(Canvas& canvas, std::string name, Kind kind);
  ~CanvasObject() override;
  // Called by a canvas that goes before the objects on it.
  void leaveCanvas() { canvas_ = nullptr; }
  // Re-expresses the stored position when the canvas changes its units.
  virtual void rescale(const std::function<double(double)>& x,
                       const std::function<double(double)>& y) = 0;

 private:
  Canvas* canvas_;
};

class Line : public CanvasObject {
 public:
  Line(Canvas& canvas, std::string name) : CanvasObject(canvas, std::move(name), Kind::Line) {}
  Coord X1, Y1, X2, Y2;
  bool Visible = false;
  Color color = colors::kBlack;
  int width = 1;  // pixels
  bool dotted = false;

  void place(double x1, double y1, double x2, double y2) { X1 = x1, Y1 = y1, X2 = x2, Y2 = y2; }
  void rescale(const std::function<double(double)>& x,
               const std::function<double(double)>& y) override;
};

class Label : public CanvasObject {
 public:
  Label(Canvas& canvas, std::string name) : CanvasObject(canvas, std::move(name), Kind::Label) {}
  std::string Caption;
  Coord Left, Top;
  bool Visible = true;
  Font font;
  Color color = colors::kBlack;

  void rescale(const std::function<double(double)>& x,
               const std::function<double(double)>& y) override;
};

// A picture (Image) or a filled mark (Shape): a box of a fixed size in twips.
class Box : public CanvasObject {
 public:
  Box(Canvas& canvas, std::string name, Kind kind) : CanvasObject(canvas, std::move(name), kind) {}
  Coord Left, Top;
  bool Visible = true;
  double widthTwips = 0, heightTwips = 0;

  void rescale(const std::function<double(double)>& x,
               const std::function<double(double)>& y) override;
};

class Image : public Box {
 public:
  Image(Canvas& canvas, std::string name) : Box(canvas, std::move(name), Kind::Image) {}
  std::string picture;  // resource path of the asset, drawn at its natural size
};

class Shape : public Box {
 public:
  Shape(Canvas& canvas, std::string name) : Box(canvas, std::move(name), Kind::Shape) {}
  Color fillColor = colors::kRed;
  bool circle = true;
};

class Timer : public Control {
 public:
  Timer(Form& form, std::string name, int intervalMs, bool enabled);
  int Interval() const { return interval_; }
  bool Enabled() const { return enabled_; }
  void setEnabled(bool on);
  // Counts the times the timer was switched on, so a scheduler can tell a fresh start.
  unsigned starts() const { return starts_; }
  std::function<void()> onTick;

 private:
  int interval_;
  bool enabled_;
  unsigned starts_ = 0;
};

// A control placed on the window in twips (buttons, text boxes, frames).
class WindowControl : public Control {
 public:
  WindowControl(Form& form, std::string name, Kind kind) : Control(form, std::move(name), kind) {}
  TwipRect rect;
  Font font;
  bool Visible = true;
  int tabIndex = 0;
};

class Button : public WindowControl {
 public:
  Button(Form& form, std::string name) : WindowControl(form, std::move(name), Kind::Button) {}
  std::string Caption;
  std::function<void()> onClick;
};

class TextBox : public WindowControl {
 public:
  TextBox(Form& form, std::string name) : WindowControl(form, std::move(name), Kind::TextBox) {}
  const std::string& Text() const { return text_; }
  // Setting a different text runs the change handler, as typing does.
  void setText(const std::string& text);
  // What a keystroke does: the new text arrives and the change handler runs once.
  void type(const std::string& text);
  // The text the window is designed with; no handler runs.
  void setDesignText(const std::string& text) { text_ = text; }
  bool multiLine = false;
  bool wordWrap = false;  // a multi-line box breaks long lines at its width
  bool readOnly = false;
  bool border = true;
  // Read-only boxes with the same lead are read as one text that starts with it (a clock of
  // three boxes: 用时 00:3:42); kit/names.h.
  std::string readingLead;
  Color BackColor = colors::kWindowBackground;
  Color ForeColor = colors::kWindowText;
  std::function<void()> onChange;
  std::function<void(int keyCode)> onKeyDown;

 private:
  std::string text_;
};

class Frame : public WindowControl {
 public:
  Frame(Form& form, std::string name) : WindowControl(form, std::move(name), Kind::Frame) {}
  std::string Caption;
};

}  // namespace kit
