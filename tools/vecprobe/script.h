// The driver's scripts, as the kit reads and runs them (kit/script.h, kit/scriptrunner.h), under
// the names the driver's users know.
#pragma once

#include "kit/scriptrunner.h"

namespace probe {

using ScriptError = kit::script::Error;
using Script = kit::script::Runner;

}  // namespace probe
