// A started window of the lesson, driven by driver commands, for the scenario tests.
#pragma once

#include <string>
#include <vector>

#include "tools/vecprobe/scenario.h"
#include "vecscale/form2.h"

class Scenario : public probe::ScenarioTest<vecscale::Form2> {
 protected:
  void SetUp() override { run("run 20"); }  // the start-up tick draws a = (3, 2)
  std::vector<std::string> takeMessages() { return form.takeMessageLog(); }
};
