// Delivers timer ticks against a clock, in time order (ties in declaration order), each timer
// at its paced period. The headless driver runs it on a virtual clock; the window on real time.
#pragma once

#include <optional>
#include <vector>

namespace kit {

class Form;
class Timer;

class TimerClock {
 public:
  explicit TimerClock(Form& form);
  // As made: at 0, nothing armed (the form's timers taken afresh).
  void reset();

  double now() const { return now_; }
  // Takes up timers switched on or off since the last look; a timer switched on is first due
  // one period from now.
  void sync();
  // Delivers every tick due up to `until` and moves the clock there. With catchUp off, a timer
  // that fell behind (a busy machine) skips the ticks it missed instead of bunching them; true
  // when one did.
  bool advanceTo(double until, bool catchUp = true);
  // How many ticks it has delivered.
  unsigned long long delivered() const { return delivered_; }
  std::optional<double> nextDue();

 private:
  struct Slot {
    Timer* timer;
    unsigned starts = 0;
    bool armed = false;
    double due = 0;
  };
  Form& form_;
  std::vector<Slot> slots_;
  double now_ = 0;
  unsigned long long delivered_ = 0;
};

}  // namespace kit
