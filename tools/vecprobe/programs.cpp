// One line per program.
#include "programs.h"

#include "vecadd/form1.h"
#include "veccoord/form1.h"
#include "vecintro/form1.h"
#include "vecscale/form2.h"
#include "vecsub/form1.h"

namespace probe {

const std::map<std::string, FormFactory>& programs() {
  static const std::map<std::string, FormFactory> known = {
      {"vecadd", [] { return std::make_unique<vecadd::Form1>(); }},
      {"veccoord", [] { return std::make_unique<veccoord::Form1>(); }},
      {"vecintro", [] { return std::make_unique<vecintro::Form1>(); }},
      {"vecscale", [] { return std::make_unique<vecscale::Form2>(); }},
      {"vecsub", [] { return std::make_unique<vecsub::Form1>(); }},
  };
  return known;
}

}  // namespace probe
