// One lesson as it runs, the same for every front end and driver: each event handler is
// delivered after the timers have caught up with it, ticks come in time order, and the timers
// hold while a message box is up. Front ends pass their own clock's time (wall milliseconds);
// the lesson's time runs with it, except while held or paused by the teacher, and at the
// teacher's speed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "history.h"
#include "timerclock.h"

namespace kit {

class Form;

class Session {
 public:
  // Virtual: every due tick is delivered (the drivers). RealTime: a timer that fell behind a
  // busy machine skips the ticks it missed rather than bunching them (the windows).
  enum class Lateness { DeliverAll, SkipMissed };

  Session(Form& form, Lateness lateness);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Form& form() const { return form_; }
  TimerClock& clock() { return clock_; }

  // Runs Form_Load; the timers it leaves enabled start with the lesson's time.
  void load();
  // The lesson's time starts running at this moment of the front end's clock.
  void start(double wallMs);
  bool started() const { return started_; }

  // Runs one event handler at `wallMs`. Refused (false) while a message box is up or a handler
  // runs: no handler ever runs inside another.
  bool deliver(const std::function<void()>& handler, double wallMs);
  // Delivers every tick due by `wallMs`.
  void advance(double wallMs);

  // The message boxes the handlers asked for. While they are up the lesson holds: its time
  // stands still until release().
  std::vector<std::string> takeBoxes(double wallMs);
  void release(double wallMs);
  bool holding() const { return holding_; }

  // The teacher's control of the lesson's time. While paused no tick is delivered and none is
  // lost: on resume the timers go on from where they stood. Events still reach their handlers,
  // and a timer started while paused starts paused.
  void pause(double wallMs);
  void resume(double wallMs);
  bool paused() const { return paused_; }
  // While paused: delivers the next due tick (with any due at the same moment), exactly as the
  // running clock would have, and stays paused. False when no timer runs.
  bool step();
  // Pauses (when running), then brings the lesson back to where it stood `steps` steps earlier:
  // a step is an event, or the ticks of one moment (what step() delivers). The lesson is made
  // afresh and its history played again without those steps, so everything done since is
  // undone. False, and nothing changed, with no step to undo or when the form cannot be
  // renewed (or the history is full).
  bool back(double wallMs, int steps = 1);
  // Brings the lesson back to just before the event that started the latest chain of
  // animations, delivers it again and lets the lesson run on (at its speed). False with none.
  bool replay(double wallMs);
  const History& history() const { return history_; }

  // The pace of the lesson's time against the front end's clock (1 is the designed pace; the
  // 64-ticks-a-second ceiling scales with it).
  void setSpeed(double speed, double wallMs);
  double speed() const { return speed_; }

  // When the next tick falls due on the front end's clock; none while holding, paused or idle.
  std::optional<double> nextDue();
  // The lesson's own time at a moment of the front end's clock.
  double lessonTime(double wallMs) const;

 private:
  bool frozen() const { return !started_ || holding_ || paused_; }
  // Delivers the ticks due by `until` on the lesson's time, and keeps them in the history.
  void moveClock(double until);
  // The form afresh with the first `keep` entries of its history played, paused at the time
  // just before the next.
  void rebuild(std::size_t keep);
  bool canRebuild() const;
  unsigned timerStarts() const;

  Form& form_;
  Lateness lateness_;
  TimerClock clock_;
  bool started_ = false;
  bool holding_ = false;
  double wallAnchor_ = 0;    // the front end's time when the lesson's time was last anchored
  double lessonAnchor_ = 0;  // the lesson's time then
  double heldSince_ = 0;     // the front end's time when the boxes came up
  bool paused_ = false;
  double pausedAt_ = 0;  // the lesson's time that a pause holds
  double speed_ = 1;
  History history_;
};

}  // namespace kit
