// One lesson in a web page: the form and its session, the window laid out at a zoom for the page
// to build its elements from, a cheap summary of what events change, the pupil's input in the
// page's pixels, and the areas' drawings as command lists. Nothing here knows of a browser, so
// it runs and tests natively too.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kit/describe.h"
#include "kit/form.h"
#include "kit/keypointer.h"
#include "kit/scriptrunner.h"
#include "kit/session.h"
#include "recorder.h"

namespace kitweb {

class Lesson {
 public:
  // Real: the page's clock (wall milliseconds); ticks a busy page missed are skipped. Virtual:
  // the desktop driver's clock and runner (the test hook's scripts move it, kit/web/hookline.h);
  // every due tick is delivered and message boxes are answered at once.
  enum class Clock { Real, Virtual };

  // Runs Form_Load; the lesson's time starts at `now` (real) or 0 (virtual).
  Lesson(std::unique_ptr<kit::Form> form, Clock clock, std::string description, double now = 0);
  Lesson(const Lesson&) = delete;
  Lesson& operator=(const Lesson&) = delete;

  kit::Form& form() { return *form_; }
  kit::Session& session() { return session_; }
  // The driver's runner of the virtual clock; null on the page's clock.
  kit::script::Runner* runner() { return runner_.get(); }

  // The window at a zoom as JSON: caption, designed and current size, colours, the frames,
  // buttons and text boxes in the order they stack (frames behind), and the drawing areas.
  std::string describe(double zoom) const;
  // The zoom that fits the designed window into an area of the page with its proportions kept,
  // times `enlarged` (the teacher's and the browser's zoom), and where the window (at its
  // current size) then lies, centred: JSON zoom, left, top.
  std::string fit(double areaWidth, double areaHeight, double enlarged = 1) const;
  // What a handler may change: the caption, the window's size and each control's visibility
  // and caption or text, as JSON.
  std::string state(double zoom) const;

  // The pupil's input; true when a handler ran. Pixel positions are inside the area's border.
  bool mouse(const std::string& canvas, bool down, int button, int shift, double x, double y,
             double zoom, double now);
  // The same at a point given in the area's units.
  bool mouseAt(const std::string& canvas, bool down, int button, int shift, float x, float y,
               double now);
  // A button's click, or a press and release on a drawing area.
  bool click(const std::string& name, double now);
  // The box's whole new text, as a keystroke leaves it.
  bool type(const std::string& name, const std::string& text, double now);
  bool key(const std::string& name, int code, double now);
  // A key on a drawing area, for its keyboard pointer (kit/keypointer.h): true when the
  // pointer took it; the mouse event it makes goes the way the mouse's do.
  bool pointerKey(const std::string& canvas, int code, int shift, double now);
  // The keyboard pointer as JSON: x and y in pixels inside the area's border at `zoom`, and
  // whether it holds a press; "" for no such area.
  std::string pointer(const std::string& canvas, double zoom);
  // The area lost the keyboard: a held press is let go without a click.
  void pointerLeave(const std::string& canvas);
  // The figure in words as JSON (lines, and what to say now), or "" when neither changed.
  // `settled`: a press was just let go outside the area (one let go inside, by mouse or keys,
  // or a keyboard press given up, is known here already; kit/describe.h).
  std::string figure(bool settled);

  // Real clock: delivers the ticks due by `now`; nextDue says when the next one is.
  void advance(double now);
  std::optional<double> nextDue();
  // The message boxes to show; the lesson holds until release().
  std::vector<std::string> takeBoxes(double now);
  void release(double now);

  // The teacher's control of the lesson's time, as the driver's pause, resume, step and speed
  // commands; `now` is the page's clock (ignored on the virtual one). A step only steps while
  // paused; a speed other than 0.25, 0.5, 1 or 2 is refused (false).
  void pause(double now);
  void resume(double now);
  bool step();
  bool setSpeed(double speed, double now);
  // One step back (pausing first) and the latest chain of animations again, as the driver's
  // back and replay; false when there was nothing to do.
  bool back(double now);
  bool replay(double now);
  bool paused() const { return session_.paused(); }
  double speed() const { return session_.speed(); }

  // An area's drawing at a zoom, its background first; `width` and `height` are the pixels of
  // it that are shown.
  const CommandBuffer& paint(const std::string& canvas, double zoom, double width, double height);
  const CommandBuffer& painted() const { return buffer_; }
  // Changes whenever what the area shows changes (0 for no such area).
  std::size_t fingerprint(const std::string& canvas) const;
  // Where a point in an area's units lies, in pixels inside its border.
  std::optional<kit::PixelPoint> toPixels(const std::string& canvas, double x, double y,
                                          double zoom) const;

 private:
  double timeOf(double now);
  bool deliver(const std::function<void()>& handler, double now);

  kit::KeyPointer& pointerOf(const kit::Canvas& canvas);

  std::unique_ptr<kit::Form> form_;
  std::string description_;
  std::map<const kit::Canvas*, kit::KeyPointer> pointers_;
  kit::FigureWatch figure_;
  // The boxes up, then those answered since the figure was last read.
  std::vector<std::string> showing_, answered_;
  bool letGo_ = false;                 // a press let go since the figure was last read
  double designWidth_, designHeight_;  // twips, before Form_Load
  // The virtual clock is the desktop driver's own; the page's clock has a session of its own.
  std::unique_ptr<kit::script::Runner> runner_;
  std::unique_ptr<kit::Session> own_;
  kit::Session& session_;
  CommandBuffer buffer_{1.0};
};

}  // namespace kitweb
