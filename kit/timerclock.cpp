// The shared tick scheduler.
#include "timerclock.h"

#include "controls.h"
#include "form.h"
#include "pacing.h"

namespace kit {

TimerClock::TimerClock(Form& form) : form_(form) {
  reset();
}

void TimerClock::reset() {
  slots_.clear();
  for (Timer* timer : form_.timers()) slots_.push_back({timer});
  now_ = 0;
  delivered_ = 0;
}

void TimerClock::sync() {
  for (Slot& slot : slots_) {
    if (!slot.timer->Enabled()) {
      slot.armed = false;
    } else if (!slot.armed || slot.starts != slot.timer->starts()) {
      slot.armed = true;
      slot.starts = slot.timer->starts();
      slot.due = now_ + pacedPeriodMs(slot.timer->Interval());
    }
  }
}

bool TimerClock::advanceTo(double until, bool catchUp) {
  bool skipped = false;
  for (;;) {
    sync();
    Slot* next = nullptr;
    for (Slot& slot : slots_)
      if (slot.armed && (!next || slot.due < next->due)) next = &slot;
    if (!next || next->due > until) break;
    now_ = next->due;
    Timer& timer = *next->timer;
    form_.dispatch([&] {
      if (timer.Enabled() && timer.onTick) timer.onTick();
    });
    ++delivered_;
    next->due += pacedPeriodMs(timer.Interval());
    if (!catchUp && next->due <= until) {
      next->due = until + pacedPeriodMs(timer.Interval());
      skipped = true;
    }
  }
  if (until > now_) now_ = until;
  return skipped;
}

std::optional<double> TimerClock::nextDue() {
  sync();
  std::optional<double> earliest;
  for (const Slot& slot : slots_)
    if (slot.armed && (!earliest || slot.due < *earliest)) earliest = slot.due;
  return earliest;
}

}  // namespace kit
