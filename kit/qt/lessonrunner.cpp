// The lesson's events, ticks and message boxes on the window's clock.
#include "lessonrunner.h"

#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "kit/form.h"

namespace kitqt {

LessonRunner::LessonRunner(kit::Form& form, QWidget& owner, std::function<void()> show)
    : form_(form),
      owner_(owner),
      show_(std::move(show)),
      session_(form, kit::Session::Lateness::SkipMissed) {
  tickTimer_.setSingleShot(true);
  tickTimer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tickTimer_, &QTimer::timeout, &tickTimer_, [this] { onTick(); });
}

void LessonRunner::start() {
  elapsed_.start();
  session_.start(now());
  scheduleNextTick();
}

double LessonRunner::now() const {
  return elapsed_.isValid() ? elapsed_.nsecsElapsed() / 1e6 : 0;
}

void LessonRunner::deliver(const std::function<void()>& handler) {
  if (!session_.deliver(handler, now())) return;  // a message box is up, or a handler runs
  settle();
}

void LessonRunner::onTick() {
  if (session_.holding() || form_.busy()) return;
  session_.advance(now());
  settle();
}

void LessonRunner::settle() {
  show_();
  showBoxes();
  if (session_.started()) scheduleNextTick();
}

void LessonRunner::showBoxes() {
  // The lesson holds while a box is up: no handler runs inside the one that asked for it.
  std::vector<std::string> boxes = session_.takeBoxes(now());
  if (boxes.empty()) return;
  tickTimer_.stop();
  for (const std::string& text : boxes) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("提示"), QString::fromStdString(text),
                    QMessageBox::Ok, &owner_);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
  }
  session_.release(now());
  if (onAnswered)
    for (const std::string& text : boxes) onAnswered(text);
}

void LessonRunner::scheduleNextTick() {
  const std::optional<double> due = session_.nextDue();
  if (!due) {
    tickTimer_.stop();  // nothing moves: no work until the next event
    return;
  }
  const double wait = *due - now();
  tickTimer_.start(std::max(0, static_cast<int>(std::ceil(wait))));
}

}  // namespace kitqt
