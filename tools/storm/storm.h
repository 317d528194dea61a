// A storm: a long run of a pupil's events against one window, each checked as it lands.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "checks.h"
#include "choices.h"

namespace kit {
class Form;
}
namespace kit::script {
class Runner;
}

namespace storm {

struct Outcome {
  long events = 0;                // events delivered
  std::string failure;            // empty when every check held
  std::deque<std::string> trail;  // the last events, oldest first, to replay a failure
};

// Delivers up to `events` events (fewer when the choices run out) through the driver, and
// stops at the first failed check.
Outcome blow(kit::Form& form, kit::script::Runner& script, Choices& choices, long events,
             const Check& check);

}  // namespace storm
