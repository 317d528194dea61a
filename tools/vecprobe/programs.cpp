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

const std::map<std::string, std::string>& descriptions() {
  static const std::map<std::string, std::string> known = {
      {"vecadd", vecadd::kDescription},     {"veccoord", veccoord::kDescription},
      {"vecintro", vecintro::kDescription}, {"vecscale", vecscale::kDescription},
      {"vecsub", vecsub::kDescription},
  };
  return known;
}

}  // namespace probe
