// What a lesson went through since Form_Load, kept so that it can be played again: each event
// with the handler that ran, and each moment at which timers ticked, with the lesson's time
// just before it. Going back rebuilds the lesson by playing it on a fresh form without its end.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace kit {

class TimerClock;
class Form;

class History {
 public:
  struct Entry {
    enum class Kind { Event, Ticks };
    Kind kind = Kind::Ticks;
    double before = 0;         // the lesson's time just before it
    double at = 0;             // an event's time, or the time the ticks took the clock to
    bool catchUp = true;       // ticks: none was skipped, as a busy machine skips them
    bool startsChain = false;  // an event that switched a timer on
    std::function<void()> handler;
  };

  // Bounded: beyond kLimit entries, runs of ticks older than the last kSteps entries are merged
  // into one (going back then reaches no further into them); when even that leaves no room,
  // recording stops and the history is full.
  static constexpr std::size_t kLimit = 100000;
  static constexpr std::size_t kSteps = 2000;

  void addEvent(double at, std::function<void()> handler, bool startsChain);
  void addTicks(double before, double until, bool catchUp);

  const std::vector<Entry>& entries() const { return entries_; }
  std::size_t size() const { return entries_.size(); }
  bool full() const { return full_; }
  // Forgets the entries from `from` on.
  void truncate(std::size_t from);
  // The latest event that started a chain of animations.
  std::optional<std::size_t> chainStart() const;
  // Plays the entries on a form just loaded, its clock just started.
  void play(Form& form, TimerClock& clock) const;

 private:
  void add(Entry entry);
  void merge();

  std::vector<Entry> entries_;
  bool full_ = false;
};

}  // namespace kit
