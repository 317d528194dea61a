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

}  // namespace probe
