// Every event goes through the driver's own command reader, so a failure replays as a script.
#include "storm.h"

#include "events.h"
#include "kit/scriptrunner.h"

namespace storm {

namespace {
constexpr std::size_t kTrail = 40;
}

Outcome blow(kit::Form& form, kit::script::Runner& script, Choices& choices, long events,
             const Check& check) {
  Outcome outcome;
  for (; outcome.events < events && !choices.exhausted(); ++outcome.events) {
    std::string line = nextEvent(form, choices);
    outcome.trail.push_back(line);
    if (outcome.trail.size() > kTrail) outcome.trail.pop_front();
    if (const kit::script::Stop stop = script.runLine(line)) {
      outcome.failure = "the driver refused an event: " + stop->message;
      ++outcome.events;
      return outcome;
    }
    outcome.failure = check(form);
    if (!outcome.failure.empty()) {
      ++outcome.events;
      return outcome;
    }
  }
  return outcome;
}

}  // namespace storm
