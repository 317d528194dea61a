// A started window of the addition lesson, driven by driver commands, for the scenario tests.
#pragma once

#include "tools/vecprobe/expect.h"
#include "tools/vecprobe/scenario.h"
#include "vecadd/form1.h"

class Scenario : public probe::ScenarioTest<vecadd::Form1> {
 protected:
  // Plays the whole walk-through on the driver's clock (about 11.4 s).
  void walkThrough() {
    run("click Command1\nrun 12000");
    ASSERT_TRUE(form.Command2.Visible);
  }
};

using probe::expectAt;
using probe::expectHead;
