// The lesson as it runs in a window: the kit's session on the window's real-time clock, one
// precise timer that wakes only when the next tick falls due, and the message boxes, shown
// while the lesson holds so that no handler runs inside the one that asked for them.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <string>

#include "kit/session.h"

class QWidget;

namespace kit {
class Form;
}  // namespace kit

namespace kitqt {

class LessonRunner {
 public:
  // `show` brings the screen up to date from the model; `owner` owns the message boxes.
  LessonRunner(kit::Form& form, QWidget& owner, std::function<void()> show);

  kit::Session& session() { return session_; }
  // Starts the timers on real time; a window only pictured (by the driver) never calls it.
  void start();
  // Runs one handler, unless a message box is up or a handler runs, then settles.
  void deliver(const std::function<void()>& handler);
  // After an event: shows its effect and its message boxes, then plans the next tick.
  void settle();
  // Milliseconds on the window's clock since start().
  double now() const;
  // Told of each message box once the pupil has answered it.
  std::function<void(const std::string& text)> onAnswered;

 private:
  void onTick();
  void showBoxes();
  void scheduleNextTick();

  kit::Form& form_;
  QWidget& owner_;
  std::function<void()> show_;
  kit::Session session_;
  QTimer tickTimer_;
  QElapsedTimer elapsed_;
};

}  // namespace kitqt
