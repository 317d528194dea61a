// The programs the driver knows, by name.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "kit/form.h"

namespace probe {

using FormFactory = std::function<std::unique_ptr<kit::Form>()>;
const std::map<std::string, FormFactory>& programs();
// What each program's window shows, in a sentence or two, for screen readers.
const std::map<std::string, std::string>& descriptions();

}  // namespace probe
