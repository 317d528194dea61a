// The lesson's runtime loop.
#include "session.h"

#include <algorithm>

#include "controls.h"
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
  history_.addTicks(pausedAt_, *due, true);
  pausedAt_ = *due;
  return true;
}

bool Session::canRebuild() const {
  return started_ && !holding_ && !form_.busy() && form_.renewable() && !history_.full();
}

bool Session::back(double wallMs, int steps) {
  if (!canRebuild() || history_.size() == 0 || steps < 1) return false;
  pause(wallMs);
  const std::size_t undone =
      std::min<std::size_t>(history_.size(), static_cast<std::size_t>(steps));
  rebuild(history_.size() - undone);
  return true;
}

bool Session::replay(double wallMs) {
  if (!canRebuild()) return false;
  const std::optional<std::size_t> start = history_.chainStart();
  if (!start) return false;
  const std::function<void()> handler = history_.entries()[*start].handler;
  pause(wallMs);
  rebuild(*start);
  resume(wallMs);
  deliver(handler, wallMs);
  return true;
}

void Session::rebuild(std::size_t keep) {
  const double time = history_.entries()[keep].before;
  history_.truncate(keep);
  form_.renew();
  clock_.reset();
  load();
  clock_.sync();  // as start() leaves it
  history_.play(form_, clock_);
  clock_.advanceTo(time);
  // The boxes and messages of the steps played again were shown when they were first taken.
  form_.takePendingBoxes();
  form_.takeMessageLog();
  pausedAt_ = time;
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
  const unsigned starts = timerStarts();
  const bool ran = form_.dispatch(handler);
  clock_.sync();
  if (ran) history_.addEvent(clock_.now(), handler, timerStarts() != starts);
  return ran;
}

unsigned Session::timerStarts() const {
  unsigned starts = 0;
  for (const Timer* timer : form_.timers()) starts += timer->starts();
  return starts;
}

void Session::advance(double wallMs) {
  if (frozen() || form_.busy()) return;
  moveClock(lessonTime(wallMs));
}

void Session::moveClock(double until) {
  if (lateness_ == Lateness::SkipMissed) {
    const double before = clock_.now();
    const unsigned long long delivered = clock_.delivered();
    const bool skipped = clock_.advanceTo(until, false);
    if (clock_.delivered() != delivered) history_.addTicks(before, until, !skipped);
    return;
  }
  // Moment by moment, the same ticks in the same order as one stretch, so that going back can
  // undo them one moment at a time.
  for (std::optional<double> due = clock_.nextDue(); due && *due <= until; due = clock_.nextDue()) {
    const double before = clock_.now();
    clock_.advanceTo(*due);
    history_.addTicks(before, *due, true);
  }
  clock_.advanceTo(until);
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
