// Recording, bounding and playing a lesson's history.
#include "history.h"

#include <utility>

#include "form.h"
#include "timerclock.h"

namespace kit {

void History::addEvent(double at, std::function<void()> handler, bool startsChain) {
  add({Entry::Kind::Event, at, at, true, startsChain, std::move(handler)});
}

void History::addTicks(double before, double until, bool catchUp) {
  add({Entry::Kind::Ticks, before, until, catchUp, false, {}});
}

void History::add(Entry entry) {
  if (full_) return;
  if (entries_.size() >= kLimit) merge();
  if (entries_.size() >= kLimit) {
    full_ = true;
    return;
  }
  entries_.push_back(std::move(entry));
}

void History::merge() {
  // Ticks that caught up with every tick in a row play the same as one stretch to the last.
  const std::size_t old = entries_.size() - kSteps;
  std::vector<Entry> merged;
  merged.reserve(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    Entry& entry = entries_[i];
    const bool stretch = entry.kind == Entry::Kind::Ticks && entry.catchUp;
    if (i < old && stretch && !merged.empty() && merged.back().kind == Entry::Kind::Ticks &&
        merged.back().catchUp) {
      merged.back().at = entry.at;
      continue;
    }
    merged.push_back(std::move(entry));
  }
  entries_ = std::move(merged);
}

void History::truncate(std::size_t from) {
  if (from < entries_.size())
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(from), entries_.end());
}

std::optional<std::size_t> History::chainStart() const {
  for (std::size_t i = entries_.size(); i-- > 0;)
    if (entries_[i].startsChain) return i;
  return std::nullopt;
}

void History::play(Form& form, TimerClock& clock) const {
  for (const Entry& entry : entries_) {
    if (entry.kind == Entry::Kind::Ticks) {
      clock.advanceTo(entry.at, entry.catchUp);
      continue;
    }
    clock.advanceTo(entry.at);  // nothing is due by then: those ticks have entries of their own
    form.dispatch(entry.handler);
    clock.sync();
  }
}

}  // namespace kit
