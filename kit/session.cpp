// The lesson's runtime loop.
#include "session.h"

#include "form.h"

namespace kit {

Session::Session(Form& form, Lateness lateness) : form_(form), lateness_(lateness), clock_(form) {}

void Session::load() {
  form_.dispatch([this] { form_.Form_Load(); });
  clock_.sync();
}

void Session::start(double wallMs) {
  wallAnchor_ = wallMs;
  lessonAnchor_ = clock_.now();
  started_ = true;
  clock_.sync();
}

double Session::lessonTime(double wallMs) const {
  if (!started_) return clock_.now();
  if (paused_) return pausedAt_;
  if (holding_) wallMs = heldSince_;
  return lessonAnchor_ + (wallMs - wallAnchor_) * speed_;
}

void Session::pause(double wallMs) {
  if (paused_ || !started_) return;
  advance(wallMs);  // what fell due before the pause still happens
  pausedAt_ = lessonTime(wallMs);
  paused_ = true;
}

void Session::resume(double wallMs) {
  if (!paused_) return;
  paused_ = false;
  lessonAnchor_ = pausedAt_;
  wallAnchor_ = wallMs;
  if (holding_) heldSince_ = wallMs;
}

bool Session::step() {
  if (!paused_ || form_.busy() || holding_) return false;
  const std::optional<double> due = clock_.nextDue();
  if (!due) return false;
  clock_.advanceTo(*due);
  pausedAt_ = *due;
  return true;
}

void Session::setSpeed(double speed, double wallMs) {
  if (!(speed > 0) || speed == speed_) return;
  if (started_ && !paused_) {
    lessonAnchor_ = lessonTime(wallMs);
    wallAnchor_ = holding_ ? heldSince_ : wallMs;
  }
  speed_ = speed;
}

bool Session::deliver(const std::function<void()>& handler, double wallMs) {
  if (holding_ || form_.busy()) return false;
  advance(wallMs);
  const bool ran = form_.dispatch(handler);
  clock_.sync();
  return ran;
}

void Session::advance(double wallMs) {
  if (frozen() || form_.busy()) return;
  clock_.advanceTo(lessonTime(wallMs), lateness_ == Lateness::DeliverAll);
}

std::vector<std::string> Session::takeBoxes(double wallMs) {
  std::vector<std::string> boxes = form_.takePendingBoxes();
  if (!boxes.empty() && !holding_) {
    heldSince_ = wallMs;
    holding_ = true;
  }
  return boxes;
}

void Session::release(double wallMs) {
  if (!holding_) return;
  holding_ = false;
  wallAnchor_ += wallMs - heldSince_;  // the time the box was up does not count
}

std::optional<double> Session::nextDue() {
  if (frozen()) return std::nullopt;
  const std::optional<double> due = clock_.nextDue();
  if (!due) return std::nullopt;
  return wallAnchor_ + (*due - lessonAnchor_) / speed_;
}

}  // namespace kit
