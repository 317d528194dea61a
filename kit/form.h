// The base of every program's window: owns the registry of its controls (in declaration order),
// its drawing areas, its window-level variables, and the message boxes its handlers ask for.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <typeinfo>
#include <variant>
#include <vector>

#include "canvas.h"
#include "style.h"

namespace kit {

class Control;
class Timer;

class Form {
 public:
  Form(std::string caption, double widthTwips, double heightTwips);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  std::string Caption;
  double Width, Height;  // client area in twips; handlers may change them
  Color BackColor = colors::kButtonFace;
  Font font;  // the window's default font

  virtual void Form_Load() {}

  // Makes the form afresh in its own place, as its constructor leaves it (before Form_Load), so
  // that whoever holds its controls and areas keeps them: going back in a lesson plays its
  // history again on a fresh form. False, and nothing done, for a form not made renewable.
  bool renew();
  bool renewable() const { return renewal_ != nullptr; }

  // Runs one event handler. Handlers never nest: a call made while one runs is refused.
  // Afterwards the window's drawing area takes the window's size.
  bool dispatch(const std::function<void()>& handler);
  bool busy() const { return busy_; }
  // How many handlers were refused because another one was running.
  unsigned nestedCalls() const { return nestedCalls_; }

  // A modal message box with an OK button; the front end shows it once the handler returns.
  void MsgBox(const std::string& text);
  std::vector<std::string> takePendingBoxes();
  std::vector<std::string> takeMessageLog();

  const std::vector<Control*>& controls() const { return controls_; }
  Control* find(const std::string& name) const;
  std::vector<Timer*> timers() const;
  const std::vector<Canvas*>& canvases() const { return canvases_; }
  Canvas* findCanvas(const std::string& name) const;
  Canvas& window() { return *window_; }
  const Canvas& window() const { return *window_; }

  using VarRef = std::variant<const double*, const float*, const int*>;
  struct Var {
    std::string name;
    VarRef ref;
  };
  const std::vector<Var>& vars() const { return vars_; }

  // Called by the constructors of controls and canvases.
  void adopt(Control* control) { controls_.push_back(control); }
  void adopt(Canvas* canvas) { canvases_.push_back(canvas); }
  // Called by the destructors of controls and canvases that go before their form.
  void forget(Control* control);
  void forget(Canvas* canvas);

 protected:
  template <typename T>
  void expose(std::string name, const T& variable) {
    vars_.push_back({std::move(name), &variable});
  }

 private:
  std::vector<Control*> controls_;
  std::vector<Canvas*> canvases_;
  std::vector<Var> vars_;
  std::vector<std::string> pendingBoxes_, messageLog_;
  std::optional<Canvas> window_;  // in the form's own place, so that a renewed form keeps it
  bool busy_ = false;
  unsigned nestedCalls_ = 0;
  void (*renewal_)(Form&) = nullptr;

  template <typename T>
  friend void renewAs(Form& form);
  template <typename T>
  friend std::unique_ptr<T> renewable(std::unique_ptr<T> form);
};

// Destroys the form and makes a T in the same storage: pointers to it and to its members (the
// controls and areas) then point into the new form, of the same type.
template <typename T>
void renewAs(Form& form) {
  T* old = static_cast<T*>(&form);
  old->~T();
  T* fresh = ::new (static_cast<void*>(old)) T();
  fresh->renewal_ = &renewAs<T>;
}

// The form, which can then renew(); only a form that is exactly a T (nothing derived from it).
template <typename T>
std::unique_ptr<T> renewable(std::unique_ptr<T> form) {
  if (form && typeid(*form) == typeid(T)) form->renewal_ = &renewAs<T>;
  return form;
}

}  // namespace kit
